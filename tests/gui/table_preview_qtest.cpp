// The table window: sorting by a heading, picking a row, closing and the workbook export.

#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "report/table_preview_window.h"

using namespace zel3;

namespace {

using Rows = TForm_preview::Rows;

Rows Table() {
    return {{"File", "Date  y/m/d", "pmax"},
            {"a.zl3", "2026/01/02", "9"},
            {"b.zl3", "2026/01/01", "10"},
            {"c.zl3", "2025/12/31", "850"}};
}

QString Cell(QTableWidget* grid, int row, int column) {
    return grid->item(row, column)->text();
}

}  // namespace

class TablePreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void headingClickSortsAllColumnsByTheTexts() {
        Rows rows = Table();
        TForm_preview w({"ZEL3 - Ergebnistabelle - /p"}, rows, 0, {}, {});
        QCOMPARE(w.windowTitle(), QString("ZEL3 - Ergebnistabelle - /p"));
        auto* grid = w.findChild<QTableWidget*>("StringGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("pmax"));
        QVERIFY(grid->columnWidth(0) >= 150);

        emit grid->horizontalHeader()->sectionClicked(2);
        // Texts, not numbers: "10" < "850" < "9"; the file names move with their rows.
        QCOMPARE(Cell(grid, 0, 2), QString("10"));
        QCOMPARE(Cell(grid, 0, 0), QString("b.zl3"));
        QCOMPARE(Cell(grid, 2, 0), QString("a.zl3"));
        QCOMPARE(rows[1][0], std::string("b.zl3"));  // the caller's rows follow the sort
        QCOMPARE(rows[0][0], std::string("File"));   // the headings stay on top

        emit grid->horizontalHeader()->sectionClicked(1);
        QCOMPARE(Cell(grid, 0, 0), QString("c.zl3"));
    }

    void clickingAnotherRowPicksItTheSelectedRowDoesNot() {
        Rows rows = Table();
        TForm_preview w({"t"}, rows, 2, {}, {});
        auto* grid = w.findChild<QTableWidget*>("StringGrid1");
        QCOMPARE(grid->currentRow(), 1);  // the row picked before is shown selected
        emit grid->cellClicked(1, 0);
        QCOMPARE(w.Picked(), 0);
        QCOMPARE(w.result(), 0);
        // After sorting, the selected row is found where it moved to.
        w.SortByColumn(2);
        QCOMPARE(grid->currentRow(), 0);
        emit grid->cellClicked(0, 1);
        QCOMPARE(w.Picked(), 0);
        emit grid->cellClicked(2, 1);
        QCOMPARE(w.Picked(), 3);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(rows[3][0], std::string("a.zl3"));
    }

    void okAndExitCloseWithoutAPick() {
        Rows rows = Table();
        TForm_preview w({"t"}, rows, 0, {}, {});
        w.show();
        w.findChild<QPushButton*>("Button_ok")->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.Picked(), 0);

        TForm_preview w2({"t"}, rows, 0, {}, {});
        w2.show();
        w2.findChild<QAction*>("mi_previewExit")->trigger();
        QCOMPARE(w2.result(), int(QDialog::Rejected));
    }

    void exportHandsTheShownRowsOverAndHelpButtonsAsk() {
        Rows rows = Table();
        Rows exported;
        std::vector<bool> helps;
        TForm_preview w(
            {"t"}, rows, 0, [&](bool picture) { helps.push_back(picture); },
            [&](const Rows& r) {
                exported = r;
                return true;
            });
        w.SortByColumn(1);
        w.findChild<QAction*>("mi_previewExport")->trigger();
        QCOMPARE(exported.size(), size_t(4));
        QCOMPARE(exported[1][0], std::string("c.zl3"));
        w.findChild<QPushButton*>("Button_help")->click();
        w.findChild<QPushButton*>("Button_hilfebild")->click();
        w.findChild<QAction*>("mi_previewHelpText")->trigger();
        QCOMPARE(helps, (std::vector<bool>{false, true, false}));
    }

    void emptyTableShowsTheHeadingsOnly() {
        Rows rows = {{"File", "Date"}};
        TForm_preview w({"t"}, rows, 0, {}, {});
        auto* grid = w.findChild<QTableWidget*>("StringGrid1");
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(grid->columnCount(), 2);
        w.SortByColumn(0);
        QCOMPARE(rows.size(), size_t(1));
    }
};

QTEST_MAIN(TablePreviewTest)
#include "table_preview_qtest.moc"
