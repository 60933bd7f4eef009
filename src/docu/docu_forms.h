#pragma once
// What the documentation dialogs show and give back: the change dialog, the drawing
// information dialog and the linked documents set-up. All texts are in the display code
// page; the core converts them from and to the stored code page and cuts them to length.

#include <array>
#include <string>

#include "contact/contact_case.h"

namespace zel3 {

struct ChangeForm {
    int number = 0;  // entry number, in the caption
    std::string designation;
    std::string date;
    std::string editor;
    std::string description;
    std::string today;  // what the date button puts in
};

constexpr int kSignOffRows = 4;
constexpr int kPlacementColumns = 5;  // x, y, h, phi, text

struct DrawingInfoForm {
    std::string replaces;
    std::string replacedBy;
    std::array<std::string, kSignOffRows> rowCaptions;  // "Bearb.", "Gepr.", "Norm", release
    std::array<std::string, kSignOffRows> dates;
    std::array<std::string, kSignOffRows> names;
    std::array<std::array<std::string, kPlacementColumns>, kMaxPlacements> placements;
    std::string today;
};

struct DocumentForm {
    std::array<std::string, kDocumentSlots> programs;
    std::array<std::string, kDocumentSlots> files;
    std::string programHint;  // help texts shown as hints of the labels
    std::string fileHint;
};

}  // namespace zel3
