#include <QLineEdit>
#include <QtTest>

#include "contact/drawing_names_dialog.h"

using namespace zel3;

class DrawingNamesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsStoredTextsAndStoresThemInCodePage850() {
        ContactCase c;
        c.drawingName = "Kugel\x84";  // code page 850 "ä"
        TextOptions text;
        DrawingNamesDialog dlg(c, text);
        auto* name = dlg.findChild<QLineEdit*>("Edit_zeichname");
        QVERIFY(name);
        QCOMPARE(name->text(), QString::fromUtf8("Kugelä"));
        QCOMPARE(name->maxLength(), 25);
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_bemerk3")->maxLength(), 65);

        dlg.findChild<QLineEdit*>("Edit_zeichnr")->setText(QString::fromUtf8("Nr. 4711 ß"));
        dlg.findChild<QLineEdit*>("Edit_bemerk2")->setText(QString(70, 'x'));
        dlg.Store(c);
        QCOMPARE(QByteArray::fromStdString(c.drawingNumber), QByteArray("Nr. 4711 \xe1"));
        QCOMPARE(c.remarks[1].size(), size_t(65));
        QCOMPARE(QByteArray::fromStdString(c.drawingName), QByteArray("Kugel\x84"));
    }
};

QTEST_MAIN(DrawingNamesDialogTest)
#include "drawing_names_dialog_qtest.moc"
