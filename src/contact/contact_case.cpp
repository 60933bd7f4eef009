#include "contact/contact_case.h"

namespace zel3 {

bool IsValidBodyKind(int code, int bodyNumber) {
    const int last = bodyNumber == 2 ? 4 : 3;
    return code >= 1 && code <= last;
}

const std::string& BodyKindName(BodyKind kind) {
    static const std::array<std::string, 5> kNames = {"", "Kugel", "Zylinder", "Spezial", "Ebene"};
    const int code = static_cast<int>(kind);
    return kNames[code >= 1 && code <= 4 ? static_cast<std::size_t>(code) : 0];
}

void InitDrawingInfo(DrawingInfo& info, const std::string& today) {
    info.signOff[kDrawnBy].date = today;
    info.signOff[kChecked].date = today;
    info.signOff[kStandards].date = today;
}

void ResetDocumentationForNewCase(ContactCase& c, const std::string& today) {
    c.changes.count = 0;
    c.drawingInfo.replaces.clear();
    c.drawingInfo.replacedBy.clear();
    for (SignOff& row : c.drawingInfo.signOff) row = SignOff{};
    c.drawingInfo.signOff[kDrawnBy].date = today;
}

}  // namespace zel3
