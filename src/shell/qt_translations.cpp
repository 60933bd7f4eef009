#include "shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zel3 {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

QString QtTranslations::CatalogueName(int n) {
    switch (n) {
        case 0:
        case 1:
            return QStringLiteral("qtbase_de");
        case 2:
            return QStringLiteral("qtbase_en");
        case 3:
            return QStringLiteral("qtbase_fr");
        case 4:
            return QStringLiteral("qtbase_it");
        case 6:
            return QStringLiteral("qtbase_pt_BR");  // the only Portuguese Qt has
        case 8:
            return QStringLiteral("qtbase_ko");
        case 9:
            return QStringLiteral("qtbase_es");
        default:
            return {};  // Swedish and Romanian: Qt ships none
    }
}

bool QtTranslations::Apply(int n) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    const QString name = CatalogueName(n);
    if (name.isEmpty()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    return true;
}

}  // namespace zel3
