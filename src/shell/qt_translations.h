#pragma once
// Qt's own texts (standard buttons, file and print dialogs) in the program's language, from
// the translations Qt ships ("qtbase_XX.qm" in Qt's translations folder).

#include <QString>
#include <memory>

class QTranslator;

namespace zel3 {

class QtTranslations {
  public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Name of Qt's catalogue for language n (1..9); 0, the built-in captions, is German like
    // the program's dialogs. Empty when Qt ships none for it.
    static QString CatalogueName(int n);

    // Replaces the installed catalogue by that of language n. Without one Qt's own English
    // texts are shown. False when there is none to install.
    bool Apply(int n);

  private:
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace zel3
