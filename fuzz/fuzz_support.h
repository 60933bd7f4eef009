#pragma once
// Shared pieces of the fuzz targets: a platform that shows nothing and starts nothing, a
// canvas and an HP-GL sink that draw nothing, and a scratch folder for readers that take a
// file name. A fuzz target is one process that runs its input function over and over, so the
// scratch folder lives as long as the process.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "graphics/hpgl_sink.h"
#include "graphics/null_canvas.h"
#include "shell/program.h"
#include "util/batch_platform.h"

namespace zel3::fuzz {

class QuietPlatform : public BatchPlatform {
  public:
    void MessageBox(BoxKind, const std::string&, const std::string&) override {}
    YesNoCancel Question(const std::string&, const std::string&) override {
        return YesNoCancel::Cancel;
    }
    bool StartProgram(const std::string&) override { return false; }
    bool OpenUrl(const std::string&) override { return false; }
    int StartHidden(const std::string&) override { return -1; }
    void ShowTextScreen(const std::string&, const std::vector<std::string>&) override {}
    void ShowTextFile(const std::string&) override {}
    // Pauses of the screen replay are limited by the replay itself (a unit test checks it);
    // waiting them out here would only slow the fuzzing down.
    void PauseMs(int) override {}
    ScreenInfo Screen() const override {
        ScreenInfo s;
        s.width = 1024;
        s.height = 768;
        return s;
    }
};

using zel3::NullCanvas;

class NullHpglSink : public HpglSink {
  public:
    void SetColor(int) override {}
    void line(double, double, double, double) override {}
    void circle(double, double, double) override {}
    void Arc(double, double, double, double, double) override {}
    void SetTextStyle(int, double, double, double) override {}
    void OutTextXY(double, double, const std::string&) override {}
};

// A program with the quiet platform, a 640 x 480 drawing area and its folders in the scratch
// folder.
inline std::unique_ptr<Program> MakeProgram(const std::string& folder) {
    auto p = std::make_unique<Program>(std::make_unique<QuietPlatform>());
    p->settings.folders.TempDir = folder;
    p->settings.folders.CadDir = folder;
    p->settings.folders.HomeDir = folder;
    p->settings.folders.DataDir = folder;
    p->settings.folders.PltDir = folder;
    p->settings.folders.DbfDir = folder;
    p->settings.MaxX = 639;
    p->settings.MaxY = 479;
    p->graphics.ApplySettings(p->platform().Screen());
    return p;
}

// The scratch folder of this process, with a trailing "/"; removed when the process ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zel3-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern + "/";
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& Dir() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

inline ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

inline std::string Bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace zel3::fuzz
