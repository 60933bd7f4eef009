#include "project/project_file_format.h"

#include "project/project_line_input.h"
#include "project/project_sections.h"
#include "util/number_text.h"

namespace zel3 {

namespace {

const std::string kBannerRule(65, '-');

// The stored form of x, chosen so that the value read back is stored with the same text again:
// a value just below a whole number would otherwise come back as that number and be written
// the other way.
std::string Stored(const NumberFormat& nf, double x) {
    const std::string text = FormatStored(nf, x);
    double back = 0.0;
    if (ParseStoredReal(text, back) && FormatStored(nf, back) == text) return text;
    return FormatDecimals(nf, 7, x);
}

void WriteBody(LineWriter& out, const NumberFormat& nf, const ContactBody& b) {
    out.WriteText(Stored(nf, b.E));
    out.WriteText(Stored(nf, b.mue));
    out.WriteText(Stored(nf, b.rx));
    out.WriteText(Stored(nf, b.ry));
    out.WriteInt(b.materialRecord);
    out.WriteInt(static_cast<int>(b.kind));
    out.WriteText(Stored(nf, b.sphereDiameter));
    out.WriteText(Stored(nf, b.cylinderDiameter));
    out.WriteText(Stored(nf, b.cylinderLength));
}

bool ReadBody(ProjectLineInput& in, ContactBody& b, int bodyNumber) {
    int record = 0;
    int kind = 0;
    if (!in.Real(b.E) || !in.Real(b.mue) || !in.Real(b.rx) || !in.Real(b.ry) ||
        !in.Int(record, 0, 65535)) {
        return false;
    }
    b.materialRecord = static_cast<std::uint16_t>(record);
    if (!in.Int(kind, 1, bodyNumber == 2 ? 4 : 3)) return false;
    b.kind = static_cast<BodyKind>(kind);
    return in.Real(b.sphereDiameter) && in.Real(b.cylinderDiameter) && in.Real(b.cylinderLength);
}

}  // namespace

void WriteProjectLines(LineWriter& out, const NumberFormat& nf, const ProjectBanner& banner,
                       const ContactCase& c) {
    out.WriteText(kBannerRule);
    out.WriteText(banner.programTitle + " - Projektdatei");
    out.WriteText("Version " + banner.versionText + "    " + banner.productName);
    out.WriteText("Kontaktfall: Geometrie, Werkstoffe, Belastung, Dokumentation");
    out.WriteText(kBannerRule);
    for (const std::string& remark : c.remarks) out.WriteText(remark.substr(0, kRemarkLength));
    for (const ContactBody& b : c.body) WriteBody(out, nf, b);
    out.WriteText(Stored(nf, c.principalAngle));
    out.WriteText(Stored(nf, c.F));
    out.WriteText(c.drawingName.substr(0, kDrawingNameLength));
    out.WriteText(c.drawingNumber.substr(0, kDrawingNumberLength));
    out.WriteText(c.drawingName2.substr(0, kDrawingName2Length));
    WriteChangeLog(out, nf, c.drawingInfo, c.changes);
    WriteDocuments(out, c.documents);
    for (const ContactBody& b : c.body) {
        out.WriteText(b.materialNumber.substr(0, kMaterialNumberLength));
        out.WriteText(Stored(nf, b.Rm));
        out.WriteText(Stored(nf, b.Re));
    }
    for (const ContactBody& b : c.body)
        out.WriteText(b.materialName.substr(0, kMaterialNameLength));
}

int ReadProjectLines(LineReader& reader, ContactCase& c) {
    ProjectLineInput in(reader);
    for (int i = 0; i < 5; ++i) in.Skip();
    for (std::string& remark : c.remarks) in.Text(remark, kRemarkLength);
    if (ReadBody(in, c.body[0], 1) && ReadBody(in, c.body[1], 2)) {
        in.Real(c.principalAngle);
        in.Real(c.F);
    }
    in.Text(c.drawingName, kDrawingNameLength);
    in.Text(c.drawingNumber, kDrawingNumberLength);
    in.Text(c.drawingName2, kDrawingName2Length);
    ReadChangeLog(in, c.drawingInfo, c.changes);
    ReadDocuments(in, c.documents);
    for (ContactBody& b : c.body) {
        in.Text(b.materialNumber, kMaterialNumberLength);
        in.Real(b.Rm);
        in.Real(b.Re);
    }
    for (ContactBody& b : c.body) in.Text(b.materialName, kMaterialNameLength);
    return in.ok() ? 0 : in.failedLine();
}

}  // namespace zel3
