// The help picture index "zel3.dbh" and the browser list built from it.
#include "fuzz_support.h"
#include "graphics/help_index.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("zel3.dbh");
    fuzz::WriteInput(path, data, size);
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    std::vector<HelpPicture> pictures;
    ReadHelpIndexFile(p->ui, path, pictures);
    for (const std::string& line : HelpBrowserLines(pictures)) HelpPictureFileOfLine(line);
    for (const HelpPicture& pic : pictures) HelpIndexLine(pic);
    return 0;
}
