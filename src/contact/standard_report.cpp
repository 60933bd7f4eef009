#include "contact/standard_report.h"

#include "report/message_descriptions.h"
#include "report/message_section.h"
#include "report/show_messages.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/number_text.h"
#include "util/units.h"

namespace zel3 {

namespace {

// Report texts are written in code page 850.
std::string Oem(const char* utf8) {
    return DisplayToOem(utf8);
}

class Rows {
  public:
    Rows(ReportWriter& report, const NumberFormat& nf) : report_(report), nf_(nf) {}

    void Text(const std::string& label, const std::string& value) {
        report_.WriteRow(label, "", "", value);
    }
    // Length column: 3 digits and 3 decimals in mm (2 and 4 in inches).
    void Length(const std::string& label, const std::string& symbol, double mm) {
        Fixed(label, symbol, Quantity::Length, 3, 3, mm);
    }
    // Stress column: 7 digits in N/mm² (9 in psi).
    void Stress(const std::string& label, const std::string& symbol, double mpa) {
        Fixed(label, symbol, Quantity::Stress, 7, 0, mpa);
    }
    void Free(const std::string& label, const std::string& symbol, Quantity q, double value) {
        report_.WriteRow(label, symbol, UnitLabel(nf_, q), FormatInUnit(nf_, q, value));
    }

  private:
    void Fixed(const std::string& label, const std::string& symbol, Quantity q, int width,
               int decimals, double value) {
        report_.WriteRow(label, symbol, UnitLabel(nf_, q),
                         FormatInUnitFixed(nf_, q, width, decimals, value));
    }

    ReportWriter& report_;
    const NumberFormat& nf_;
};

void WriteBody(ReportWriter& report, Rows& rows, const ContactBody& b, int number,
               const NumberFormat& nf) {
    report.WriteLine("");
    rows.Text(Oem("Körper ") + std::to_string(number), BodyKindName(b.kind));
    switch (b.kind) {
        case BodyKind::Sphere:
            rows.Length("Durchmesser Kugel", "d", b.sphereDiameter);
            break;
        case BodyKind::Cylinder:
            rows.Length("Durchmesser Zylinder", "d", b.cylinderDiameter);
            rows.Length(Oem("Länge Zylinder"), "L", b.cylinderLength);
            break;
        case BodyKind::Special:
            rows.Length("Radius x", "rx", b.rx);
            rows.Length("Radius y", "ry", b.ry);
            break;
        case BodyKind::Plane:
            break;
    }
    rows.Text("Werkstoffnummer", b.materialNumber);
    if (!b.materialName.empty()) rows.Text("Werkstoff", b.materialName);
    rows.Stress(Oem("Elastizitätsmodul"), "E", b.E);
    report.WriteRow("Querkontraktionszahl", "mue", "", FormatFixed(nf, 4, 2, b.mue));
    rows.Stress("Zugfestigkeit", "Rm", b.Rm);
    rows.Stress("Streckgrenze", "Re", b.Re);
    if (b.pHstat > 0) rows.Stress("Zul. Hertzsche Pressung statisch", "pHstat", b.pHstat);
    if (b.pHdyn > 0) rows.Stress("Zul. Hertzsche Pressung dynamisch", "pHdyn", b.pHdyn);
}

void WriteResults(ReportWriter& report, Rows& rows, const ContactCase& c) {
    const ContactResults& r = c.result;
    rows.Free("Druckkraft", "F", Quantity::Force, c.F);
    rows.Stress("Werkstoffkonstante", "E*", r.Estar);
    rows.Length(Oem("Halblänge Kontaktachse 1"), "a1", r.a1);
    rows.Length(Oem("Halblänge Kontaktachse 2"), "a2", r.a2);
    if (r.w != 0) rows.Length("Deformation", "w", r.w);
    rows.Stress("Max.Druckspannung", "p max", r.pmax);
    // The label names the textbook factor; the value uses the factor of the calculation.
    rows.Stress("Zul.Druckspannung (Re*1.66)", "p zul", r.pzul);
    report.WriteLine("");
    report.WriteLine("");
    report.WriteLine("Max.Schubspannung");
    report.WriteLine(report.SingleLine());
    rows.Length("Ort Max. Schubspannung", "z", r.z);
    rows.Stress("Schubspannung", "tau", r.tau);
    rows.Stress("Normalspannung", "Sigma z", r.sigmaZ);
    rows.Stress("Normalspannung", "Sigma y", r.sigmaY);
    if (c.method == CalculationMethod::Exact) {
        rows.Stress("Vergleichsspannung (v. Mises)", "Sigma v", r.vonMises);
        rows.Length("Ort Max. Vergleichsspannung", "z v", r.zVonMises);
    }
    report.WriteLine("");
    report.WriteLine("");
    report.WriteLine(report.SingleLine());
    if (r.Eht > 0) rows.Length(Oem("Einhärtungstiefe 0.078*Dw"), "Eht", r.Eht);
    if (r.Rht > 0) rows.Length(Oem("Randhärtungstiefe 140*Dw/Re"), "Rht", r.Rht);
    if (r.R != 0) rows.Free("Lagersteifigkeit", "R", Quantity::SpringRate, r.R);
}

}  // namespace

bool WriteStandardReportTo(ReportWriter& report, const ContactCase& c, const MessageList& messages,
                           const NumberFormat& nf, const std::string& programTitle,
                           const std::string& descriptionFile, int kind) {
    UiState& ui = report.ui();
    report.caseRemarks = c.remarks;
    report.SetReportHeader(programTitle, c.remarks[0], c.remarks[1], c.remarks[2], "", 0);
    if (messages.calculationFailed) return false;

    report.OpenReport(kind, "");
    if (ui.errorFlag) return true;
    report.CreateReportFile();
    if (ui.errorFlag) return true;
    report.PageHeader(0, 0);
    if (ui.errorFlag) return true;
    // The table method is the one the report always described; only the other one is named.
    if (c.method == CalculationMethod::Exact) report.WriteLine(kExactMethodLine);

    Rows rows(report, nf);
    WriteBody(report, rows, c.body[0], 1, nf);
    WriteBody(report, rows, c.body[1], 2, nf);
    report.EndPage();
    report.PageHeader(0, 0);
    if (ui.errorFlag) return true;
    report.WriteLine("");
    WriteResults(report, rows, c);
    report.EndPage();

    if (messages.MessageCount() != 0) {
        report.PageHeader(0, 0);
        if (ui.errorFlag) return true;
        WriteMessageSection(report, messages, descriptionFile);
        report.EndPage();
    }
    report.CloseReport();
    return true;
}

void WriteStandardReport(Program& program, int kind) {
    const std::string descriptions = MessageDescriptionFile(
        program.settings.folders, program.ProgramDataDir, program.identity.ShortName);
    if (!WriteStandardReportTo(program.report, program.contactCase, program.messages,
                               program.settings.number, program.identity.ProgramTitle, descriptions,
                               kind)) {
        ShowMessageWindow(program);
    }
}

std::string BodySummaryText(const ContactCase& c, int i, const NumberFormat& nf) {
    const ContactBody& b = c.body[static_cast<size_t>(i == 2 ? 1 : 0)];
    std::string text = std::to_string(i) + ". " + BodyKindName(b.kind);
    auto len = [&](double mm) { return FormatInUnit(nf, Quantity::Length, mm); };
    switch (b.kind) {
        case BodyKind::Sphere:
            text += " d=" + len(b.sphereDiameter);
            break;
        case BodyKind::Cylinder:
            text += " d=" + len(b.cylinderDiameter) + ", L=" + len(b.cylinderLength);
            break;
        case BodyKind::Special:
            text += " rx=" + len(b.rx) + ", ry=" + len(b.ry);
            break;
        case BodyKind::Plane:
            break;
    }
    return text;
}

}  // namespace zel3
