#include "project/project_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>
#include "contact/hertz_solver.h"
#include "shell/program.h"
#include "support/no_file_rights.h"
#include "support/scripted_platform.h"
#include "util/io_error.h"
#include "util/safe_file.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;

class ProjectFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zel3_project_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        auto platform = std::make_unique<test::ScriptedPlatform>();
        platform_ = platform.get();
        program_ = std::make_unique<Program>(std::move(platform));
        program_->run.ProjectDir = dir_.string();
        ContactCase& c = program_->contactCase;
        c.body[0].sphereDiameter = 20;
        c.body[1].sphereDiameter = 30;
        c.F = 1000;
        c.remarks[0] = "Versuch";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Read(const fs::path& p) {
        std::string s;
        EXPECT_EQ(ReadWholeFile(p.string(), 1 << 20, s), FileReadResult::Ok);
        return s;
    }

    // True when the save ended with a message or with the I/O error for the dispatcher.
    bool SaveReportsAFailure(Program& p, const std::string& name) {
        const size_t shown = platform_->messages.size();
        try {
            SaveProject(p, name);
        } catch (const IoError&) {
            return true;
        }
        return platform_->messages.size() > shown;
    }

    fs::path dir_;
    test::ScriptedPlatform* platform_ = nullptr;
    std::unique_ptr<Program> program_;
};

TEST_F(ProjectFiles, NamesResolveInTheProjectFolder) {
    EXPECT_EQ(ProjectFilePath("/p", "welle", "zl3"), "/p/welle.zl3");
    EXPECT_EQ(ProjectFilePath("", "welle", "zl3"), "welle.zl3");
    EXPECT_EQ(ProjectFilePath("/p", "/q/welle.alt", "zl3"), "/q/welle.alt");
}

TEST_F(ProjectFiles, SavedProjectLoadsBackAndSavesAgainByteForByte) {
    Program& p = *program_;
    p.ui.errorFlag = true;
    SaveProject(p, "versuch");
    EXPECT_FALSE(p.ui.errorFlag);
    const std::string first = Read(dir_ / "versuch.zl3");
    EXPECT_EQ(first.substr(0, 67), std::string(65, '-') + "\r\n");

    p.contactCase = ContactCase{};
    LoadProject(p, "versuch");
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(p.run.ProjectName, "versuch");
    EXPECT_DOUBLE_EQ(p.contactCase.body[1].sphereDiameter, 30);
    EXPECT_EQ(p.contactCase.remarks[0], "Versuch");

    // The method is the program's setting: loading keeps it, saving does not write it.
    p.settings.calculationMethod = 1;
    p.ApplyCalculationMethod();
    LoadProject(p, "versuch");
    EXPECT_EQ(p.contactCase.method, CalculationMethod::Exact);
    p.methodOverride = CalculationMethod::Table;
    p.ApplyCalculationMethod();
    EXPECT_EQ(p.contactCase.method, CalculationMethod::Table);

    SaveProject(p, (dir_ / "zweite.zl3").string());
    EXPECT_EQ(Read(dir_ / "zweite.zl3"), first);
    // Nothing temporary is left beside the files.
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_)) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST_F(ProjectFiles, SaveAsAsksBeforeOverwritingAPlainSaveDoesNot) {
    Program& p = *program_;
    SaveProject(p, "alt");
    ASSERT_FALSE(p.ui.errorFlag);
    platform_->questions.clear();

    p.contactCase.F = 2000;
    SaveProject(p, "alt");  // plain save: no question
    EXPECT_TRUE(platform_->questions.empty());
    EXPECT_FALSE(p.ui.errorFlag);

    // Save As onto the same file: asked, and No keeps the file.
    const std::string before = Read(dir_ / "alt.zl3");
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "alt.zl3").string()));
    platform_->questionAnswers.push_back(YesNoCancel::No);
    p.contactCase.F = 3000;
    SaveProject(p, "");
    EXPECT_EQ(platform_->questions.size(), 1u);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(Read(dir_ / "alt.zl3"), before);

    // Yes writes it and names the project.
    p.ui.errorFlag = false;  // as every command starts
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "alt.zl3").string()));
    platform_->questionAnswers.push_back(YesNoCancel::Yes);
    SaveProject(p, "");
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(p.run.ProjectName, "alt");
    EXPECT_NE(Read(dir_ / "alt.zl3"), before);

    // Cancelling the dialog sets the flag and writes nothing.
    SaveProject(p, "");
    EXPECT_TRUE(p.ui.errorFlag);
}

// The desktop's save dialog asks about an existing file itself: the program does not ask
// again about that file, but does about another one the name was completed to.
TEST_F(ProjectFiles, SaveAsOverAFileAsksOnceWithItsHelpText) {
    Program& p = *program_;
    SaveProject(p, "alt");
    platform_->questions.clear();
    p.ui.helpNumber = 0;
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "alt.zl3").string()));
    platform_->questionAnswers.push_back(YesNoCancel::No);
    SaveProject(p, "");
    ASSERT_EQ(platform_->questions.size(), 1u);
    EXPECT_EQ(p.ui.helpNumber, 3055);

    platform_->saveDialogAsksOverwrite = true;
    platform_->questions.clear();
    p.ui.errorFlag = false;
    p.contactCase.F = 4000;
    const std::string before = Read(dir_ / "alt.zl3");
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "alt.zl3").string()));
    SaveProject(p, "");
    EXPECT_TRUE(platform_->questions.empty()) << platform_->questions.front();
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_NE(Read(dir_ / "alt.zl3"), before);

    // "alt" did not exist, so the dialog asked nothing about "alt.zl3".
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "alt").string()));
    platform_->questionAnswers.push_back(YesNoCancel::No);
    SaveProject(p, "");
    EXPECT_EQ(platform_->questions.size(), 1u);
    EXPECT_TRUE(p.ui.errorFlag);
}

// A write that fails half way (here: the file size limit standing in for a full disk) must
// leave the previous file as it was.
TEST_F(ProjectFiles, FailedWriteKeepsThePreviousFile) {
    Program& p = *program_;
    SaveProject(p, "voll");
    ASSERT_FALSE(p.ui.errorFlag);
    const std::string before = Read(dir_ / "voll.zl3");

    p.contactCase.remarks[1] = std::string(65, 'x');
    p.contactCase.F = 5000;
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 200;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool thrown = false;
    try {
        SaveProject(p, "voll");
    } catch (const IoError&) {
        thrown = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(thrown);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(Read(dir_ / "voll.zl3"), before);
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_)) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(ProjectFiles, SavingIntoAMissingFolderIsRefused) {
    Program& p = *program_;
    SaveProject(p, (dir_ / "fehlt" / "x.zl3").string());
    EXPECT_TRUE(p.ui.errorFlag);
    ASSERT_FALSE(platform_->messages.empty());
    EXPECT_NE(platform_->messages.back().text.find("Ung"), std::string::npos);
}

TEST_F(ProjectFiles, LoadingAMissingOrDamagedFileIsReported) {
    Program& p = *program_;
    LoadProject(p, "fehlt");
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(p.run.ProjectName, "");
    ASSERT_FALSE(platform_->messages.empty());
    EXPECT_NE(platform_->messages.back().text.find("nicht gefunden oder kein Zugriffsrecht"),
              std::string::npos);

    // Binary content: reported, the case falls back to the built-in defaults.
    {
        std::FILE* f = std::fopen((dir_ / "kaputt.zl3").c_str(), "wb");
        for (int i = 0; i < 3000; ++i) std::fputc((i * 91) % 256, f);
        std::fclose(f);
    }
    p.ui.errorFlag = false;
    LoadProject(p, "kaputt");
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_NE(platform_->messages.back().text.find("fehlerhaft"), std::string::npos);
    EXPECT_DOUBLE_EQ(p.contactCase.F, 0);
    EXPECT_DOUBLE_EQ(p.contactCase.body[0].E, 210000);

    // A file cut short keeps what it held.
    SaveProject(p, "ganz");
    p.contactCase.F = 1234;
    SaveProject(p, "ganz");
    const std::string full = Read(dir_ / "ganz.zl3");
    {
        std::FILE* f = std::fopen((dir_ / "kurz.zl3").c_str(), "wb");
        const std::string part = full.substr(0, full.find("\x8E"
                                                          "NDERUNGEN"));
        std::fwrite(part.data(), 1, part.size(), f);
        std::fclose(f);
    }
    p.contactCase = ContactCase{};
    LoadProject(p, "kurz");
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_DOUBLE_EQ(p.contactCase.F, 1234);
    EXPECT_EQ(p.contactCase.changes.count, 0);
}

TEST_F(ProjectFiles, OpenDialogNamesTheProject) {
    Program& p = *program_;
    SaveProject(p, "gewaehlt");
    p.run.ProjectDir.clear();
    p.run.ProjectName.clear();
    platform_->dialogAnswers.push_back(test::DialogAnswer::Text((dir_ / "gewaehlt.zl3").string()));
    LoadProject(p, "");
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(p.run.ProjectDir, dir_.string());
    EXPECT_EQ(p.run.ProjectName, "gewaehlt");
    LoadProject(p, "");  // cancelled
    EXPECT_TRUE(p.ui.errorFlag);
}

TEST_F(ProjectFiles, ArchiveModeProtectsTheCommandLineProject) {
    Program& p = *program_;
    p.run.StartedWithFile = true;
    p.settings.archiveMode = true;
    SaveProject(p, "aktuell");
    EXPECT_TRUE(p.ui.errorFlag);
    ASSERT_FALSE(platform_->messages.empty());
    EXPECT_NE(platform_->messages.back().text.find("Archivierungsmodus"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "aktuell.zl3"));

    p.settings.archiveMode = false;
    SaveProject(p, "aktuell");
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_FALSE(p.run.StartedWithFile);
}

// A folder the program may not write to; root runs it without its rights to ignore that.
TEST_F(ProjectFiles, ReadOnlyFolderKeepsThePreviousFile) {
    Program& p = *program_;
    SaveProject(p, "fest");
    ASSERT_FALSE(p.ui.errorFlag);
    const std::string before = Read(dir_ / "fest.zl3");
    p.contactCase.F = 5000;
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    {
        test::NoFileRights noRights;
        if (!noRights.active()) {
            fs::permissions(dir_, fs::perms::owner_all);
            GTEST_SKIP() << "root's rights to ignore permissions could not be dropped";
        }
        EXPECT_TRUE(SaveReportsAFailure(p, "fest"));
    }
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(Read(dir_ / "fest.zl3"), before);
}

// The same without permissions, so that it also runs as root: a folder that takes no files.
TEST_F(ProjectFiles, FolderThatTakesNoFilesIsReported) {
    Program& p = *program_;
    EXPECT_TRUE(SaveReportsAFailure(p, "/proc/self/zel3-test.zl3"));
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_FALSE(fs::exists("/proc/self/zel3-test.zl3"));
}

}  // namespace
}  // namespace zel3
