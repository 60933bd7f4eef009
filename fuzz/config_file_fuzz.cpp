// A configuration file, read into the settings the way start-up does; the drawing area it
// sets is then used for a picture.
#include "config/config_file.h"
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    fuzz::WriteInput(ConfigurationPath(p->settings.folders.HomeDir, p->identity.ShortName), data,
                     size);
    ReadConfiguration(p->settings, p->identity.ShortName, "", p->ui);
    ConfigurationText(p->settings, p->identity.ShortName, p->identity.VersionText);
    p->graphics.ApplySettings(p->platform().Screen());
    p->graphics.Header(0, 0, 160, 120);
    p->graphics.line(0, 0, 160, 120);
    p->graphics.circle(80, 60, 20);
    fuzz::NullCanvas canvas;
    p->graphics.FormPaint(canvas);
    return 0;
}
