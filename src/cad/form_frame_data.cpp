#include "cad/form_frame.h"

#include "project/project_files.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/date_text.h"
#include "util/text.h"

namespace zel3 {

FormFrameData FormFrameDataOf(const Program& program) {
    const Settings& st = program.settings;
    const ContactCase& c = program.contactCase;
    FormFrameData d;
    d.info = c.drawingInfo;
    d.changes = c.changes;
    d.releaseText = st.releaseText;
    d.indexStyle = st.changeIndexStyle;
    d.showMakerTitle = !st.suppressMakerTitle;
    d.showFileName = !st.suppressFileName;
    d.showDate = !st.suppressDate;
    d.showLogo = !st.suppressLogo;
    d.programTitle = program.identity.ProgramTitle;
    d.versionText = program.identity.VersionText;
    if (!program.run.ProjectName.empty()) {
        d.projectPath = DisplayToOem(ProjectFullPath(
            program.run.ProjectDir, program.run.ProjectName, program.identity.ProjectExt));
    }
    d.dateTime = TodayText(st.number) + " " + TimeText();
    d.logoFile = WithBackslash(st.folders.TempDir) + "$logo_1.dx$";
    return d;
}

}  // namespace zel3
