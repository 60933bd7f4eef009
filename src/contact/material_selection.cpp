#include "contact/material_selection.h"

#include <array>

#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

struct MaterialTableSpec {
    const char* name;
    const char* index;
    const char* keyExpression;  // to rebuild a missing index
    int columns;                // the row the program reads
};

constexpr std::array<MaterialTableSpec, 3> kTables{{
    {"wst1base", "wst1base", "WNR", 13},
    {"wst1base", "wst1bas1", "UPPER(NAME)", 13},
    {"zel3wst", "zel3wst", "WNR", 4},
}};

const char* const kBaseTitle = "Werkstoff-Basisdaten";
// Help topics of the tables: this + 10 * table number.
constexpr int kMaterialHelpBase = 9500;

std::string Cut(const std::string& t, size_t n) {
    return t.substr(0, n);
}

}  // namespace

int OpenMaterialTable(MaterialDatabase& db, int table) {
    if (table < 1 || table > 3) return 0;
    const MaterialTableSpec& spec = kTables[static_cast<size_t>(table - 1)];
    const std::string path = WithBackslash(db.dbfDir) + spec.name + ".dbf";
    if (!CheckFileReadable(db.ui, path)) return 0;
    const int area = db.tables.Open(path, true, DbfOpenMode::Shared);
    if (area == 0) {
        db.ui.errorFlag = true;
        if (db.ui.showErrors) {
            db.ui.platform.MessageBox(BoxKind::Error, "Fehler : ",
                                      "Fehler : DBF Error " +
                                          std::to_string(static_cast<int>(db.tables.ErrorCode())) +
                                          "\n" + db.tables.ErrorText());
        }
        return 0;
    }
    DbfTable& t = *db.tables.Table(area);
    if (!t.CheckRowLayout(spec.columns) || !t.SetIndexTo(spec.index, spec.keyExpression)) {
        ReportDbfError(db.ui, "DBF Error ", t);
        db.tables.Close(area);
        return 0;
    }
    db.ui.helpNumber = kMaterialHelpBase + 10 * table;
    return area;
}

void SelectMaterial(MaterialDatabase& db, ContactCase& contact, int table, int mode, int body) {
    if (table < 1 || table > 3 || body < 1 || body > 2) return;
    ContactBody& b = contact.body[static_cast<size_t>(body - 1)];
    const bool pick = mode == 1 && table != kPressureTable;

    db.browser.Prepare(db.dbfDir);
    db.browser.SetTitles(table == kPressureTable ? "" : kBaseTitle, "");
    int area = OpenMaterialTable(db, table);
    if (area == 0) return;
    DbfTable* t = db.tables.Table(area);
    db.browser.Attach(t);

    if (!pick) {
        db.browser.GoToRecord(1);
    } else {
        const std::string number = Trim(b.materialNumber);
        if (!number.empty() && t->Find(number)) {
            db.browser.GoToRecord(t->RecordNumber());
        } else if (b.materialRecord != 0) {
            db.browser.GoToRecord(b.materialRecord);
        }
        // A failed search is no error here: the browser starts where it stands.
        db.ui.errorFlag = false;
    }
    db.ui.helpNumber = kMaterialHelpBase + 10 * table;
    const bool picked =
        db.browser.Show(pick ? "CLOSE" : "", pick ? 1 : 0) && !db.browser.Cancelled();
    if (!picked) {
        db.ui.errorFlag = true;  // cancelled: the case stays as it was
        db.browser.Attach(nullptr);
        db.tables.Close(area);
        return;
    }
    if (pick) {
        std::array<std::string, 14> row{};
        for (int i = 1; i <= 13; ++i) row[static_cast<size_t>(i)] = db.browser.CellText(i);
        const long recno = db.browser.RecordNumber();
        db.browser.Attach(nullptr);
        db.tables.Close(area);

        // The pick is taken only as a whole: without the pressure table the case keeps its
        // old material, so the case and the material dialog never disagree.
        area = OpenMaterialTable(db, kPressureTable);
        if (area == 0) return;
        t = db.tables.Table(area);
        ContactBody picked = b;
        picked.materialRecord = static_cast<std::uint16_t>(recno > 0 && recno <= 65535 ? recno : 0);
        picked.materialNumber = Cut(Trim(DisplayToOem(row[1])), kMaterialNumberLength);
        picked.materialName = Cut(Trim(DisplayToOem(row[2])), kMaterialNameLength);
        picked.E = TextToInt(row[7]);
        picked.mue = TextToFloat(Trim(row[10]));
        picked.Rm = TextToInt(row[5]);
        picked.Re = TextToInt(row[6]);
        // Values of the previous material must not survive: without a pressure row both
        // checks are off.
        picked.pHstat = 0;
        picked.pHdyn = 0;
        if (!picked.materialNumber.empty() && t->FindExact(picked.materialNumber)) {
            picked.pHstat = TextToInt(t->FieldText(2));
            picked.pHdyn = TextToInt(t->FieldText(3));
        }
        b = picked;
        db.ui.errorFlag = false;
    }
    db.browser.Attach(nullptr);
    db.tables.Close(area);
}

}  // namespace zel3
