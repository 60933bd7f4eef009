#pragma once
// The one contact case of the program: two bodies pressed together by a normal force, their
// materials, the results of the last calculation, and the documentation the case carries
// (drawing information, change log, linked documents).
//
// Units never change inside: lengths in mm, forces in N, stresses and moduli in N/mm², angles
// in degrees. Texts are bytes in code page 850.

#include <array>
#include <cstdint>
#include <string>

#include "contact/hertz_exact.h"
#include "contact/subsurface_stress.h"

namespace zel3 {

// How the contact is solved: Hertz's coefficient table (the default) or the exact solution
// through complete elliptic integrals. Stored in the settings as its integer code.
enum class CalculationMethod : std::int16_t { Table = 0, Exact = 1 };

// Stored in project files as the integer code.
enum class BodyKind : std::int16_t { Sphere = 1, Cylinder = 2, Special = 3, Plane = 4 };

// True for the codes 1..4; the plane is allowed for body 2 only.
bool IsValidBodyKind(int code, int bodyNumber);
// "Kugel", "Zylinder", "Spezial", "Ebene"; empty for anything else.
const std::string& BodyKindName(BodyKind kind);

// Longest texts the case keeps (in code page 850 bytes).
constexpr std::size_t kMaterialNumberLength = 9;
constexpr std::size_t kMaterialNameLength = 18;
constexpr std::size_t kDrawingNameLength = 25;
constexpr std::size_t kDrawingName2Length = 30;
constexpr std::size_t kDrawingNumberLength = 18;
constexpr std::size_t kRemarkLength = 65;

struct ContactBody {
    BodyKind kind = BodyKind::Sphere;
    double sphereDiameter = 0.0;
    double cylinderDiameter = 0.0;
    double cylinderLength = 0.0;
    // Principal radii, signed: 0 is flat, negative is hollow. Inputs only for a special
    // body; for the other kinds every calculation writes the radii of the shape back.
    double rx = 10.0;
    double ry = 0.0;

    std::string materialNumber;        // "Werkstoffnummer", key in the material tables
    std::string materialName;          // "Werkstoff"
    std::uint16_t materialRecord = 0;  // row of the base material table; 0 = none
    double E = 210000.0;               // modulus of elasticity
    double mue = 0.3;                  // Poisson's ratio
    double Rm = 0.0;                   // tensile strength
    double Re = 0.0;                   // yield strength
    double pHstat = 0.0;               // permissible Hertzian pressure, static; 0 = not given
    double pHdyn = 0.0;                // permissible Hertzian pressure, dynamic; 0 = not given
};

// Written only by the calculation; all 0 until one has run.
struct ContactResults {
    double Estar = 0.0;   // "E*"
    double a1 = 0.0;      // contact half-axis 1 (half-width of the strip in line contact)
    double a2 = 0.0;      // contact half-axis 2
    double w = 0.0;       // approach of the bodies
    double pmax = 0.0;    // "p max"
    double R = 0.0;       // spring rate, N/mm
    double pzul = 0.0;    // "p zul", from the smaller yield strength
    double z = 0.0;       // depth of the shear maximum
    double tau = 0.0;     // maximum shear stress
    double sigmaZ = 0.0;  // "Sigma z"
    double sigmaY = 0.0;  // "Sigma y"
    double Eht = 0.0;     // case depth for hardening
    double Rht = 0.0;     // surface hardening depth
    double theta = 0.0;   // auxiliary angle of the elliptic contact, degrees
    // Exact method only (0 with the table): normal stress along half-axis 1 and the greatest
    // von Mises stress below the centre of the contact, with its depth.
    double sigmaX = 0.0;
    double vonMises = 0.0;
    double zVonMises = 0.0;
};

// What the exact method derives from the shape alone, kept for the shape solved last: load
// sweeps and the spring rate's passes change only the force. Not stored in project files.
struct ExactShapeMemo {
    double curvatureRatio = 0.0;  // B/A of the ellipse below; 0 = none solved yet
    EllipseShape shape;
    bool stressesFound = false;
    double stressRatio = 0.0;  // b/a the maxima belong to (0 = strip)
    double stressNu = 0.0;     // and Poisson's ratio
    StressMaxima stresses;
};

// ---- drawing information and change log ----

constexpr std::size_t kSignOffLength = 10;  // dates and names of the sign-off table
constexpr std::size_t kReplaceLength = 15;  // "Ersatz für", "Ersetzt durch"
constexpr std::size_t kPlacementTextLength = 80;
constexpr int kMaxPlacements = 8;
constexpr int kMaxChanges = 25;
constexpr std::size_t kChangeDesignationLength = 20;
constexpr std::size_t kChangeDateLength = 10;
constexpr std::size_t kChangeEditorLength = 5;

struct SignOff {
    std::string date;
    std::string name;
};

// Row indexes of the sign-off table.
enum SignOffRow { kDrawnBy = 0, kChecked = 1, kStandards = 2, kReleased = 3 };

struct TextPlacement {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;    // text height
    double phi = 0.0;  // angle in degrees
    std::string text;
};

struct DrawingInfo {
    // "Bearb.", "Gepr.", "Norm" and the release row captioned by the settings' release text.
    std::array<SignOff, 4> signOff{};
    std::string replaces;    // "Ersatz für"
    std::string replacedBy;  // "Ersetzt durch"
    std::array<TextPlacement, kMaxPlacements> placements{};
    int placementCount = 0;  // 0..8
};

struct ChangeEntry {
    std::string designation;  // "Änderungstext"
    std::string date;
    std::string editor;       // "Bearbeiter"
    std::string description;  // any length, may hold line breaks
};

struct ChangeLog {
    // Deleting drops the count only, so the slots keep what was last typed into them.
    std::array<ChangeEntry, kMaxChanges> entries{};
    int count = 0;  // 0..25
};

// ---- linked documents ----

constexpr int kDocumentSlots = 5;
constexpr std::size_t kDocumentTextLength = 50;

struct DocumentSlot {
    std::string program = "xdg-open";  // started with the file as its argument
    std::string file;
};

// ---- the case ----

struct ContactCase {
    std::array<ContactBody, 2> body{};     // body 1, body 2
    double F = 0.0;                        // normal force
    double principalAngle = 90.0;          // angle between the principal planes of the bodies
    std::string drawingName;               // "Zeichnungsname"
    std::string drawingName2;              // "Zeichnungsname 2"
    std::string drawingNumber;             // "Zeichnungsnummer"
    std::array<std::string, 3> remarks{};  // "Zeile 1..3", head the report

    // Not stored in project files: the calculation takes it from the settings.
    CalculationMethod method = CalculationMethod::Table;

    ContactResults result;
    ExactShapeMemo exactMemo;

    DrawingInfo drawingInfo;
    ChangeLog changes;
    std::array<DocumentSlot, kDocumentSlots> documents{};
};

// Start-of-program dates: "Bearb.", "Gepr." and "Norm" get today's date.
void InitDrawingInfo(DrawingInfo& info, const std::string& today);
// File New: empties the change log, "Ersatz für", "Ersetzt durch" and the sign-off table,
// except the "Bearb." date, which becomes today's. Placements and documents stay.
void ResetDocumentationForNewCase(ContactCase& c, const std::string& today);

}  // namespace zel3
