#include "shell/window_caption.h"

namespace zel3 {

std::string WindowCaption(const ProgramIdentity& id, const std::string& projectName) {
    if (projectName.empty()) return id.ProgramTitle;
    if (projectName.find('.') == std::string::npos)
        return projectName + "." + id.ProjectExt + "  -  " + id.ProgramTitle;
    return projectName + "  -  " + id.ProgramTitle;
}

}  // namespace zel3
