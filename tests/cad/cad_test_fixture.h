#pragma once
// A program with a scripted platform and its own temporary and CAD folders.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "cad/cad_driver.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3::test {

class CadTest : public ::testing::Test {
  protected:
    CadTest() {
        auto p = std::make_unique<ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        char pattern[] = "/tmp/zel3_cad_XXXXXX";
        dir = mkdtemp(pattern);
        program->settings.folders.TempDir = dir + "/";
        program->settings.folders.CadDir = dir;
        program->settings.MaxX = 639;
        program->settings.MaxY = 479;
        program->graphics.ApplySettings(ScreenInfo{});
        program->run.ProjectName = "welle";
    }
    ~CadTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Opens a file output, answering the save dialog with name (relative to dir).
    void OpenFile(CadDriver& cad, int kind, const std::string& name) {
        platform->dialogAnswers.push_back(DialogAnswer::Text(dir + "/" + name));
        cad.CadOpen(kind);
        ASSERT_FALSE(program->ui.errorFlag);
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteFile(const std::string& name, const std::string& content) {
        std::ofstream(dir + "/" + name, std::ios::binary) << content;
    }
    std::vector<std::string> Records() const { return program->graphics.list.records(); }

    ScriptedPlatform* platform;
    std::unique_ptr<Program> program;
    std::string dir;
};

// Runs the ezdxf audit on the files; true when all are read and audited without error.
inline bool DxfAuditPasses(const std::string& files, std::string* output = nullptr) {
    const char* python =
        std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    std::string cmd = std::string(python) + " " + ZEL3_TEST_SOURCE_DIR +
                      "/cad/dxf_contents_check.py " + files + " 2>&1";
    std::string out;
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[512];
        while (fgets(buf, sizeof buf, f)) out += buf;
        int rc = pclose(f);
        if (output) *output = out;
        return rc == 0;
    }
    return false;
}

}  // namespace zel3::test
