// The table browser window: browsing and editing, picking, sorting, searching, packing,
// exports, and a material picked in it filling a body.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "dbf/table_browser_window.h"
#include "shell/material_picking.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;
using namespace zel3::test;

namespace {

struct Fixture {
    Fixture() : platform(new ScriptedPlatform), program(std::unique_ptr<Platform>(platform)) {
        for (const char* f :
             {"wst1base.dbf", "wst1base.ndx", "wst1bas1.ndx", "zel3wst.dbf", "zel3wst.ndx"}) {
            std::filesystem::copy_file(std::string(ZEL3_SOURCE_DATA_DIR) + "/" + f, data / f);
        }
        program.settings.folders.DbfDir = data.Dir();
        program.settings.folders.TempDir = temp.Dir();
        program.report.batchFolder = temp.Dir();
        window = std::make_unique<Tdbf4>(program);
        window->Prepare(data.Dir());
    }
    TempFolder data;
    TempFolder temp;
    ScriptedPlatform* platform;  // owned by program
    Program program;
    std::unique_ptr<Tdbf4> window;

    QTableWidget* Grid() const { return window->findChild<QTableWidget*>("TzGrid1"); }
    // Runs inside while the window is shown; closes it with OK unless inside did.
    bool ShowAnd(const std::string& mode, int kind, const std::function<void()>& inside) {
        QTimer::singleShot(0, window.get(), [this, inside] {
            inside();
            if (window->isVisible()) window->findChild<QPushButton*>("Button_ok")->click();
        });
        return window->Show(mode, kind);
    }
    int RowOf(int column, const QString& text) const {
        for (int r = 0; r < Grid()->rowCount(); ++r)
            if (Grid()->item(r, column)->text() == text) return r;
        return -1;
    }
    QStringList Column(int column) const {
        QStringList out;
        for (int r = 0; r < Grid()->rowCount(); ++r) out << Grid()->item(r, column)->text();
        return out;
    }
};

}  // namespace

class TableBrowserWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void editModeShowsEverythingAndDeletedRecords() {
        Fixture f;
        QVERIFY(f.window->OpenTable("wst1base"));
        QCOMPARE(f.window->RecordCount(), 50L);
        f.window->SetTitles("Werkstoff-Basisdaten", "");
        bool checked = false;
        QVERIFY(f.ShowAnd("", 0, [&] {
            QVERIFY(f.window->windowTitle().endsWith(
                "(" + QString::fromStdString(f.data / "wst1base.dbf") + ")"));
            QVERIFY(f.window->findChild<QMenu*>("mi_dbfEdit")->menuAction()->isVisible());
            QVERIFY(f.window->findChild<QAction*>("mi_dbfAppendDbf")->isVisible());
            QVERIFY(f.window->findChild<QToolButton*>("nav_insert")->isVisible());
            QCOMPARE(f.Grid()->rowCount(), 50);
            QCOMPARE(f.Grid()->columnCount(), 13);
            QCOMPARE(f.Grid()->horizontalHeaderItem(1)->text(), QString("NAME"));
            QVERIFY(f.Grid()->editTriggers() != QAbstractItemView::NoEditTriggers);
            // Delete marks the record; it stays visible until the table is packed.
            f.Grid()->setCurrentCell(2, 1);
            f.window->findChild<QToolButton*>("nav_delete")->click();
            QCOMPARE(f.Grid()->rowCount(), 50);
            QVERIFY(f.Grid()->verticalHeaderItem(2)->text().startsWith("*"));
            // An edit goes into the file.
            f.Grid()->item(0, 1)->setText("S235JRX");
            checked = true;
        }));
        QVERIFY(checked);
        f.window->CloseTable();
        DbfTable t;
        QVERIFY(t.OpenTable(f.data / "wst1base.dbf", false));
        t.GoTo(1);
        QCOMPARE(QString::fromStdString(t.FieldText(2)).trimmed(), QString("S235JRX"));
        t.GoTo(3);
        QVERIFY(t.Deleted());
    }

    void packRemovesTheDeletedRecords() {
        Fixture f;
        QVERIFY(f.window->OpenTable("wst1base"));
        QVERIFY(f.ShowAnd("", 0, [&] {
            f.Grid()->setCurrentCell(4, 0);
            f.window->findChild<QToolButton*>("nav_delete")->click();
            QLabel* counter = f.window->findChild<QLabel*>("Label_recno");
            QCOMPARE(counter->text(), QString("5/50"));
            f.window->findChild<QAction*>("mi_dbfPack")->trigger();
            QCOMPARE(f.Grid()->rowCount(), 49);
            QCOMPARE(counter->text(), QString("%1/49").arg(f.window->RecordNumber()));
            f.window->findChild<QAction*>("mi_dbfAppend")->trigger();
            QCOMPARE(f.Grid()->rowCount(), 50);
            QCOMPARE(counter->text(), QString("50/50"));
        }));
        QCOMPARE(f.window->RecordCount(), 50L);
        QVERIFY(f.platform->messages.empty());
    }

    void pickModeHidesEditingAndDeletedRecords() {
        Fixture f;
        {
            DbfTable t;
            QVERIFY(t.OpenTable(f.data / "wst1base.dbf", false, DbfOpenMode::Exclusive));
            t.GoTo(1);
            QVERIFY(t.Delete());
        }
        QVERIFY(f.window->OpenTable("wst1base"));
        f.window->SetTitles("Werkstoff-Basisdaten", "Titel");
        QVERIFY(f.ShowAnd("", 1, [&] {
            QCOMPARE(f.window->windowTitle(), QString("Werkstoff-Basisdaten   Titel"));
            QVERIFY(!f.window->findChild<QMenu*>("mi_dbfEdit")->menuAction()->isVisible());
            QVERIFY(!f.window->findChild<QAction*>("mi_dbfAppendDelimited")->isVisible());
            QVERIFY(!f.window->findChild<QToolButton*>("nav_insert")->isVisible());
            QVERIFY(f.window->findChild<QToolButton*>("nav_next")->isVisible());
            QCOMPARE(f.Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(f.Grid()->rowCount(), 49);
            QCOMPARE(f.window->findChild<QAction*>("mi_dbfStructure")->text(), QString("Titel"));
        }));
    }

    void quickPickClosesWithTheClickedRecordAndCancelSetsTheFlag() {
        Fixture f;
        QVERIFY(f.window->OpenTable("wst1base"));
        QVERIFY(f.ShowAnd("CLOSE", 1, [&] {
            const int row = f.RowOf(1, "100Cr6");
            QVERIFY(row >= 0);
            QTest::mouseClick(f.Grid()->viewport(), Qt::LeftButton, {},
                              f.Grid()->visualItemRect(f.Grid()->item(row, 1)).center());
            QVERIFY(!f.window->isVisible());
        }));
        QCOMPARE(QString::fromStdString(f.window->CellText(2)), QString("100Cr6"));
        QVERIFY(!f.window->Cancelled());

        f.program.ui.errorFlag = false;
        QTimer::singleShot(0, f.window.get(),
                           [&] { f.window->findChild<QPushButton*>("Button_cancel")->click(); });
        QVERIFY(!f.window->Show("", 1));
        QVERIFY(f.window->Cancelled());
        QVERIFY(f.program.ui.errorFlag);
    }

    void sortingByAColumnKeepsTheCurrentRecord() {
        Fixture f;
        QVERIFY(f.window->OpenTable("wst1base"));
        QVERIFY(f.ShowAnd("", 0, [&] {
            const int row = f.RowOf(1, "100Cr6");
            f.Grid()->setCurrentCell(row, 1);
            const long recno = f.window->RecordNumber();
            for (int twice = 0; twice < 2; ++twice) {
                f.Grid()->horizontalHeader()->sectionClicked(1);
                QStringList names = f.Column(1);
                QStringList sorted = names;
                std::sort(sorted.begin(), sorted.end());
                QCOMPARE(names, sorted);
                QCOMPARE(f.window->RecordNumber(), recno);
                QCOMPARE(f.Grid()->currentRow(), f.RowOf(1, "100Cr6"));
            }
            QVERIFY(std::filesystem::exists(f.temp / "$qextemp.ndx"));
        }));
    }

    void searchFindsAndNotFoundKeepsTheRecord() {
        Fixture f;
        QVERIFY(f.window->OpenTable("wst1base"));
        f.platform->dialogAnswers = {DialogAnswer::Text("baustahl"),
                                     DialogAnswer::Text("kein Werkstoff")};
        QVERIFY(f.ShowAnd("", 0, [&] {
            f.window->findChild<QPushButton*>("Button_search")->click();
            QCOMPARE(f.program.platform().Screen().width > 0, true);
            const long first = f.window->RecordNumber();
            QCOMPARE(first, 1L);  // "Baustahl, t <= 16 mm", any letter case
            QCOMPARE(f.window->findChild<QLabel*>("Label_recno")->text(), QString("1/50"));
            f.window->findChild<QPushButton*>("Button_searchNext")->click();
            QCOMPARE(f.window->RecordNumber(), 2L);
            f.window->findChild<QPushButton*>("Button_search")->click();
            QCOMPARE(f.window->RecordNumber(), 2L);
        }));
        QCOMPARE(f.platform->requests.at(0).prompt, std::string("Suchbegriff eingeben"));
        QCOMPARE(f.platform->requests.at(1).preset, std::string("baustahl"));
        QCOMPARE(f.platform->messages.back().text, std::string("kein Werkstoff nicht gefunden"));
    }

    void htmlExportAndDelimitedCopy() {
        Fixture f;
        QVERIFY(f.window->OpenTable("zel3wst"));
        const std::string html = f.temp / "out.htm";
        const std::string txt = f.temp / "out.txt";
        f.platform->dialogAnswers = {DialogAnswer::Text(html), DialogAnswer::Text(txt)};
        QVERIFY(f.ShowAnd("", 0, [&] {
            f.window->findChild<QAction*>("mi_dbfExportHtml")->trigger();
            f.window->findChild<QAction*>("mi_dbfSaveDelimited")->trigger();
        }));
        const std::string page = ReadBytes(html);
        QVERIFY(page.rfind("<HTML>\r\n", 0) == 0);
        QVERIFY(page.find("<head><title>zel3wst</title></head>\r\n") != std::string::npos);
        QVERIFY(page.find("<BODY BGCOLOR=\"C0C0C0\">\r\n") != std::string::npos);
        QVERIFY(page.find("<P>ZEL3V2.7</P>") != std::string::npos);
        QVERIFY(page.find("<TABLE BORDER = \"1\" WIDTH= \"100%\">") != std::string::npos);
        QVERIFY(page.find("<TR><TD><CENTER>WNR</CENTER></TD>") != std::string::npos);
        QVERIFY2(page.find("<TR><TD>1.3505</TD><TD>4200</TD>") != std::string::npos, page.c_str());
        QVERIFY(page.find("</TABLE>\r\n</BODY>\r\n</HTML>\r\n") != std::string::npos);
        QCOMPARE(f.platform->startedPrograms.size(), size_t(1));
        QVERIFY(std::filesystem::file_size(txt) > 100);
    }

    // A refused cell value leaves the error flag behind; the exports after it still write.
    void exportsAfterARefusedValueWriteTheirFiles() {
        Fixture f;
        QVERIFY(f.window->OpenTable("zel3wst"));
        const std::string html = f.temp / "nach fehler.htm";
        const std::string txt = f.temp / "nach fehler.txt";
        f.platform->dialogAnswers = {DialogAnswer::Text(html), DialogAnswer::Text(txt)};
        QVERIFY(f.ShowAnd("", 0, [&] {
            f.Grid()->item(0, 1)->setText("viel");  // PHSTAT is a number
            QVERIFY(f.program.ui.errorFlag);
            QVERIFY(f.platform->messages.back().text.rfind("Fehler : DBF Error 22", 0) == 0);
            f.window->findChild<QAction*>("mi_dbfExportHtml")->trigger();
            f.window->findChild<QAction*>("mi_dbfSaveDelimited")->trigger();
        }));
        const std::string page = ReadBytes(html);
        QVERIFY(page.find("</HTML>") != std::string::npos);
        QVERIFY2(page.find("<P>" + html + "</P>") != std::string::npos, "the path as it is");
        QVERIFY(ReadBytes(txt).rfind("WNR,PHSTAT", 0) == 0);
    }

    // A DBF folder that merely lies below the temporary folder is edited where it is.
    void tableBelowTheTemporaryFolderIsNoCopy() {
        Fixture f;
        f.program.settings.folders.TempDir =
            std::filesystem::path(f.data.Dir()).parent_path().parent_path().string() + "/";
        QVERIFY(f.data.Dir().rfind(f.program.settings.folders.TempDir, 0) == 0);
        QVERIFY(f.window->OpenTable("zel3wst"));
        QVERIFY(f.ShowAnd("", 0, [&] { f.Grid()->item(0, 2)->setText("1400"); }));
        for (const auto& m : f.platform->messages)
            QVERIFY2(m.text.find("Kein Schreibrecht") == std::string::npos, m.text.c_str());
        f.window->CloseTable();
        DbfTable t;
        QVERIFY(t.OpenTable(f.data / "zel3wst.dbf", false));
        QVERIFY(t.GoTo(1));
        QCOMPARE(QString::fromStdString(t.FieldText(3)).trimmed(), QString("1400"));
    }

    // With no browser set the desktop's opener shows the page; nothing claims a lost program.
    void htmlExportWithoutBrowserOpensTheFileOnTheDesktop() {
        Fixture f;
        f.program.settings.htmlBrowser = "  ";
        QVERIFY(f.window->OpenTable("zel3wst"));
        const std::string html = f.temp / "ohne.htm";
        f.platform->dialogAnswers = {DialogAnswer::Text(html)};
        QVERIFY(f.ShowAnd("", 0,
                          [&] { f.window->findChild<QAction*>("mi_dbfExportHtml")->trigger(); }));
        QVERIFY(std::filesystem::file_size(html) > 100);
        QCOMPARE(f.platform->startedPrograms, std::vector<std::string>{"url " + html});
        for (const auto& text : f.platform->Texts())
            QVERIFY2(text.find("not found") == std::string::npos, text.c_str());

        // A desktop without an opener: the note says what is missing and where the page is.
        f.platform->urlOpens = false;
        const std::string again = f.temp / "wieder.htm";
        f.platform->dialogAnswers = {DialogAnswer::Text(again)};
        QVERIFY(f.ShowAnd("", 0,
                          [&] { f.window->findChild<QAction*>("mi_dbfExportHtml")->trigger(); }));
        QCOMPARE(f.platform->Texts().back(), "Kein HTML Browser eingestellt: " + again);
    }

    void printingWritesTheFirstSevenFields() {
        Fixture f;
        f.program.settings.textDevice = kTargetScreen;
        f.program.settings.textDeviceWindow = false;
        QVERIFY(f.window->OpenTable("wst1base"));
        QVERIFY(f.ShowAnd("", 0, [&] { f.window->findChild<QAction*>("mi_dbfPrint")->trigger(); }));
        QCOMPARE(f.platform->messages.back().caption, std::string("text file"));
        const std::string printed = ReadBytes(f.temp / "outwin.txt");
        QVERIFY2(printed.find("DEHNUNG") != std::string::npos, "report written");
        QVERIFY(printed.find("ZEL3 2.7") != std::string::npos);
        QVERIFY(printed.find("100Cr6") != std::string::npos);
        QVERIFY(printed.find("WNR       NAME               ZUSTAND   DEHNUNG RM") !=
                std::string::npos);
        QVERIFY(printed.find("GMODUL") == std::string::npos);  // field 8 is not printed
    }

    void pickedMaterialFillsTheBody() {
        Fixture f;
        f.program.tableBrowser = f.window.get();
        InstallMaterialPicking(f.program);
        ContactBody& b = f.program.contactCase.body[0];
        b.materialRecord = 12;  // a number not in the name index: the record decides
        long startRecord = 0;
        QTimer::singleShot(0, f.window.get(), [&] {
            startRecord = f.Grid()->verticalHeaderItem(f.Grid()->currentRow())->text().toLong();
            const int row = f.RowOf(1, "100Cr6");
            QTest::mouseClick(f.Grid()->viewport(), Qt::LeftButton, {},
                              f.Grid()->visualItemRect(f.Grid()->item(row, 0)).center());
        });
        QVERIFY(f.program.pickMaterial(1));
        QCOMPARE(startRecord, 12L);
        QCOMPARE(b.materialName, std::string("100Cr6"));
        QCOMPARE(b.materialNumber, std::string("1.3505"));
        QCOMPARE(b.E, 210000.0);
        QCOMPARE(b.pHstat, 4200.0);
        QCOMPARE(b.pHdyn, 1500.0);
        QVERIFY(b.materialRecord > 0);
    }

    void readOnlyFolderEditsACopy() {
        Fixture f;
        std::filesystem::permissions(f.data.Dir(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        if (DbfFolderWritable(f.data.Dir())) {
            std::filesystem::permissions(f.data.Dir(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
            QSKIP("running with rights that ignore folder permissions");
        }
        f.window->Prepare(f.data.Dir());
        QVERIFY(f.platform->messages.back().text.find("kein Schreibrecht") != std::string::npos);
        QVERIFY(f.window->OpenTable("wst1base"));
        QVERIFY(f.ShowAnd("", 0, [] {}));
        QCOMPARE(
            f.platform->messages.back().text,
            std::string("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."));
        std::filesystem::permissions(f.data.Dir(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }
};

QTEST_MAIN(TableBrowserWindowTest)
#include "table_browser_window_qtest.moc"
