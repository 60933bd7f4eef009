#pragma once
// The built-in vocabularies of menu captions: a general vocabulary of menu words in nine
// languages and a technical vocabulary of engineering nouns in five. Captions are UTF-8.

#include <array>
#include <string>

namespace zel3 {

enum class Language {
    German = 1,
    English = 2,
    French = 3,
    Italian = 4,
    Swedish = 5,
    Portuguese = 6,
    Romanian = 7,
    Korean = 8,
    Spanish = 9
};

enum GeneralSlot {
    kMenuWord, kFile, kNew, kOpen, kSave, kSaveAs, kSettings, kExit, kPrint, kEdit, kText,
    kQuick, kMaterial, kView, kPrintout, kDatabase, kCad, kDiagrams, kDocument, kDrawingData,
    kChangesInfo, kChangesPrintout, kChangesNew, kChangesEdit, kChangesDelete, kDocumentSetup,
    kHelp, kHelpPictures, kErrorMessages, kDemo, kLanguage, kWebPage, kMail,
    // Words the maker's other programs show; kept so every slot has its translation.
    kReset, kEdiFiles, kInfo, kPrinterSetup, kImport, kExport, kManufacture, kTolerances,
    kApplication, kDesign, kPreDesign, kRecalculation, kCalcMethod, kStandard,
    kStandardPrintout, kExcerpt, kProductionDrawing, kDrawing, kFrontView, kSideView, kSection,
    kSimpleSection, kTopView, kDiagram, kSafety, kOther, kBaseData, kDimensions, kAnimation,
    kTable, kPreview,
    // Labels of the description window of a finding.
    kErrorMessage, kCause, kRemedy,
    kGeneralSlotCount
};

enum TechnicalSlot {
    kLoad, kGeometry, kTechTable,
    kBearing, kShaftDimensions, kAxialForce, kCalculation, kOperatingData, kSimpleLoad,
    kInputData, kSpringRate, kFrequencyResponse, kTaperedRollerBearing, kBody, kComplexLoad,
    kLength, kBearingSelection, kBearingData, kBearingArrangement, kServiceLife, kMass,
    kDrawnCupNeedle, kNeedleBearingNoInnerRing, kSelfAligningBallBearing,
    kSphericalRollerBearing, kPolyline, kPosition, kProfile, kProfileStress, kProfiles,
    kRadialForce, kDeepGrooveBallBearing, kTechReset, kSchematic, kAngularContactBearing,
    kSpindleBearing, kSpurGear, kProfileTable, kDeformation, kRollingBearing, kShaft,
    kShaftWithBearings, kDimensioned, kNotchZone, kCylindricalRollerBearing, kPointLoad,
    kDistributedLoad, kBendingMoment, kTorque, kNotchArea, kShearForce, kSlopeAngle,
    kDeflectionCurve, kBendingStress, kShearStress, kEquivalentStress, kTensionCompression,
    kTwist, kDynamicDeflection, kGrooveDin471, kTappet, kProfileStressBending,
    kProfileDataTable, kLeafSpring, kBevelGear, kLubrication, kLimits, kTransferFunction,
    kDraw, kGraphics,
    kTechnicalSlotCount
};

class LanguageTexts {
public:
    LanguageTexts();  // both vocabularies in German

    // Fills the general, then the technical vocabulary for language n; a vocabulary without
    // texts for n keeps what it holds.
    void SetLanguage(int n);

    const std::string& General(GeneralSlot slot) const { return general_[slot]; }
    const std::string& Technical(TechnicalSlot slot) const { return technical_[slot]; }

    static bool HasGeneral(int n);
    static bool HasTechnical(int n);

private:
    std::array<std::string, kGeneralSlotCount> general_;
    std::array<std::string, kTechnicalSlotCount> technical_;
};

}  // namespace zel3
