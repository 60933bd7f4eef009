#include "contact/standard_report.h"

#include <gtest/gtest.h>

#include "contact/hertz_solver.h"
#include "report/report_test_support.h"

namespace zel3::test {
namespace {

// A table row of the text targets: description, symbol at column 35, unit at 44, value at 56.
std::string Row(const std::string& label, const std::string& symbol, const std::string& unit,
                const std::string& value) {
    auto pad = [](std::string s, size_t n) {
        s.resize(std::max(s.size(), n), ' ');
        return s;
    };
    std::string line = pad(label, 34) + pad(symbol, 9) + pad(unit, 12) + value;
    return Sp(7) + pad(line, 72) + "\r\n";
}

ContactBody Steel(BodyKind kind) {
    ContactBody b;
    b.kind = kind;
    b.sphereDiameter = 20;
    b.cylinderDiameter = 20;
    b.E = 210000;
    b.mue = 0.3;
    b.Rm = 1000;
    b.Re = 800;
    b.materialNumber = "1.3505";
    b.materialName = "100Cr6";
    return b;
}

class StandardReportTest : public ::testing::Test, protected ReportProgram {
  protected:
    ContactCase& c = program.contactCase;

    void SetUp() override {
        program.settings.textPrintMode = 1;
        program.settings.folders.PltDir = temp.Dir();
        c.body = {Steel(BodyKind::Sphere), Steel(BodyKind::Sphere)};
        c.F = 1000;
        c.remarks = {"Kugellager", "", ""};
    }
    std::string Report() {
        CalculateCase(c, program.messages);
        WriteStandardReport(program, kTargetDosFile);
        return ReadBytes(temp / "OUTDOS.TXT");
    }
};

// Expected values computed by hand from Hertz's formulas for two steel spheres of 20 mm at
// 1000 N: a = (3 * 0.91 * 1000 / (210000 * 0.4))^(1/3) = 0.31913 mm, p max = 4688.3 N/mm²,
// w = 0.020368 mm, R = 73644 N/mm, tau = 1453.4, z = 0.14999, Sigma z = 3750.7, Sigma y = 843.9.
TEST_F(StandardReportTest, TwoSteelSpheresDigitByDigit) {
    const std::string r = Report();
    for (const std::string& row : {
             Row("K\x94rper 1", "", "", "Kugel"),
             Row("Durchmesser Kugel", "d", "mm", " 20.000"),
             Row("Werkstoffnummer", "", "", "1.3505"),
             Row("Werkstoff", "", "", "100Cr6"),
             Row("Elastizit\x84tsmodul", "E", "MPa", " 210000"),
             Row("Querkontraktionszahl", "mue", "", "   0.30"),
             Row("Zugfestigkeit", "Rm", "MPa", "   1000"),
             Row("Streckgrenze", "Re", "MPa", "    800"),
             Row("Druckkraft", "F", "N", "1000"),
             Row("Werkstoffkonstante", "E*", "MPa", " 210000"),
             Row("Halbl\x84nge Kontaktachse 1", "a1", "mm", "  0.319"),
             Row("Halbl\x84nge Kontaktachse 2", "a2", "mm", "  0.319"),
             Row("Deformation", "w", "mm", "  0.020"),
             Row("Max.Druckspannung", "p max", "MPa", "   4688"),
             Row("Zul.Druckspannung (Re*1.66)", "p zul", "MPa", "   1336"),
             Row("Ort Max. Schubspannung", "z", "mm", "  0.150"),
             Row("Schubspannung", "tau", "MPa", "   1453"),
             Row("Normalspannung", "Sigma z", "MPa", "   3751"),
             Row("Normalspannung", "Sigma y", "MPa", "    844"),
             Row("Einh\x84rtungstiefe 0.078*Dw", "Eht", "mm", "  1.560"),
             Row("Randh\x84rtungstiefe 140*Dw/Re", "Rht", "mm", "  3.500"),
             Row("Lagersteifigkeit", "R", "N/mm", "73644"),
         }) {
        EXPECT_NE(r.find(row), std::string::npos) << "missing row:\n" << row << "in\n" << r;
    }
    EXPECT_EQ(r.find("pHstat"), std::string::npos) << "no permissible pressures given";
    EXPECT_NE(r.find("Kugellager"), std::string::npos);
    EXPECT_NE(r.find(Sp(7) + "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN\r\n"), std::string::npos);
    EXPECT_NE(r.find(Sp(7) + "Fehler : pmax > pzul !\r\n"), std::string::npos);
    EXPECT_NE(r.find("Bl. 3"), std::string::npos) << "bodies, results and findings: 3 pages";
}

// Two cylinders d = 20, L = 10 and 20: r = 5, L = 10, p max = 857.07, a1 = 0.074279,
// w = 2 * (10 - sqrt(100 - a1²)) = 0.00055174, R = 0.02 F / (w(1.01 F) - w(0.99 F)) = 1812407.
TEST_F(StandardReportTest, TwoCylindersAndPermissiblePressures) {
    c.body = {Steel(BodyKind::Cylinder), Steel(BodyKind::Cylinder)};
    c.body[0].cylinderLength = 10;
    c.body[1].cylinderLength = 20;
    c.body[1].materialName.clear();
    c.body[1].pHstat = 1500;
    c.body[1].pHdyn = 800;
    const std::string r = Report();
    for (const std::string& row : {
             Row("Durchmesser Zylinder", "d", "mm", " 20.000"),
             Row("L\x84nge Zylinder", "L", "mm", " 10.000"),
             Row("L\x84nge Zylinder", "L", "mm", " 20.000"),
             Row("Zul. Hertzsche Pressung statisch", "pHstat", "MPa", "   1500"),
             Row("Zul. Hertzsche Pressung dynamisch", "pHdyn", "MPa", "    800"),
             Row("Halbl\x84nge Kontaktachse 1", "a1", "mm", "  0.074"),
             Row("Halbl\x84nge Kontaktachse 2", "a2", "mm", "  5.000"),
             Row("Deformation", "w", "mm", "  0.001"),
             Row("Max.Druckspannung", "p max", "MPa", "    857"),
             Row("Ort Max. Schubspannung", "z", "mm", "  0.058"),
             Row("Schubspannung", "tau", "MPa", "    257"),
             Row("Lagersteifigkeit", "R", "N/mm", "1812407"),
         }) {
        EXPECT_NE(r.find(row), std::string::npos) << "missing row:\n" << row << "in\n" << r;
    }
    EXPECT_EQ(r.find("Werkstoff "), r.rfind("Werkstoff ")) << "body 2 has no material name";
    EXPECT_NE(r.find("Fehler : pmax > pHdyn2"), std::string::npos);
}

// The exact method for the same spheres (equal Poisson's ratios: the same a and p max); the
// stresses from exact_reference.py: z = 0.4808645 a, tau = 0.3100205, Sigma z = 0.8121955,
// Sigma y = 0.1921545, von Mises 0.6200410 p max at the same depth.
TEST_F(StandardReportTest, ExactMethodNamesItselfAndAddsVonMises) {
    const std::string table = Report();
    c.method = CalculationMethod::Exact;
    const std::string r = Report();
    for (const std::string& row : {
             Row("Max.Druckspannung", "p max", "MPa", "   4688"),
             Row("Ort Max. Schubspannung", "z", "mm", "  0.153"),
             Row("Schubspannung", "tau", "MPa", "   1453"),
             Row("Normalspannung", "Sigma z", "MPa", "   3808"),
             Row("Normalspannung", "Sigma y", "MPa", "    901"),
             Row("Vergleichsspannung (v. Mises)", "Sigma v", "MPa", "   2907"),
             Row("Ort Max. Vergleichsspannung", "z v", "mm", "  0.153"),
         }) {
        EXPECT_NE(r.find(row), std::string::npos) << "missing row:\n" << row << "in\n" << r;
    }
    // Right below the title block, before the first body, and only in this method.
    const size_t method = r.find(Sp(7) + kExactMethodLine + "\r\n");
    ASSERT_NE(method, std::string::npos) << r;
    EXPECT_LT(method, r.find("K\x94rper 1"));
    EXPECT_GT(method, r.find("Kugellager"));
    EXPECT_EQ(table.find("Berechnungsverfahren"), std::string::npos);
    EXPECT_EQ(table.find("Vergleichsspannung"), std::string::npos);
    // Below the von Mises rows the report goes on as before.
    EXPECT_LT(r.find("Ort Max. Vergleichsspannung"), r.find("Einh\x84rtungstiefe"));
}

TEST_F(StandardReportTest, SpherePlaneAndSpecialBodiesLeaveOutRows) {
    c.body[1].kind = BodyKind::Plane;
    std::string r = Report();
    EXPECT_EQ(r.find("Durchmesser Kugel"), r.rfind("Durchmesser Kugel"))
        << "the plane has no geometry row";

    c.body = {Steel(BodyKind::Special), Steel(BodyKind::Cylinder)};
    c.body[0].rx = 10;
    c.body[0].ry = 0;
    c.body[1].cylinderLength = 10;
    r = Report();
    EXPECT_NE(r.find(Row("Radius x", "rx", "mm", " 10.000")), std::string::npos) << r;
    EXPECT_EQ(r.find("Einh\x84rtungstiefe"), std::string::npos);
    EXPECT_EQ(r.find("Randh\x84rtungstiefe"), std::string::npos);
    EXPECT_EQ(r.find("Deformation"), std::string::npos) << "w = 0";
    EXPECT_EQ(r.find("Lagersteifigkeit"), std::string::npos) << "R = 0";
}

TEST_F(StandardReportTest, UsUnits) {
    program.settings.number.unitSystem = 1;
    c.body[0].sphereDiameter = 25.4;
    const std::string r = Report();
    EXPECT_NE(r.find(Row("Durchmesser Kugel", "d", "in", " 1.0000")), std::string::npos) << r;
    EXPECT_NE(r.find(Row("Elastizit\x84tsmodul", "E", "psi", " 30457770")), std::string::npos);
    EXPECT_NE(r.find(Row("Druckkraft", "F", "lbf", "224.8")), std::string::npos);
}

TEST_F(StandardReportTest, FailedCalculationWritesNoReport) {
    c.F = 0;
    CalculateCase(c, program.messages);
    ASSERT_TRUE(program.messages.calculationFailed);
    WriteStandardReport(program, kTargetDosFile);
    EXPECT_FALSE(Exists(temp / "OUTDOS.TXT"));
}

TEST(BodySummaryText, ShapesInBothUnitSystems) {
    ContactCase c;
    NumberFormat nf;
    c.body[0] = Steel(BodyKind::Cylinder);
    c.body[0].cylinderLength = 10;
    EXPECT_EQ(BodySummaryText(c, 1, nf), "1. Zylinder d=20, L=10");
    c.body[1].kind = BodyKind::Special;
    c.body[1].rx = 12.5;
    c.body[1].ry = -40;
    EXPECT_EQ(BodySummaryText(c, 2, nf), "2. Spezial rx=12.5, ry=-40");
    c.body[1].kind = BodyKind::Plane;
    EXPECT_EQ(BodySummaryText(c, 2, nf), "2. Ebene");
    nf.unitSystem = 1;
    c.body[0] = Steel(BodyKind::Sphere);
    c.body[0].sphereDiameter = 25.4;
    EXPECT_EQ(BodySummaryText(c, 1, nf), "1. Kugel d=1.0000");
}

}  // namespace
}  // namespace zel3::test
