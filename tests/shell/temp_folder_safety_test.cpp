// Temporary files and other users: in a shared temporary folder the program works in a folder
// of its own, and no writer ever writes through a link that someone planted under a file name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cad/cad_driver.h"
#include "config/config_file.h"
#include "config/settings_form.h"
#include "report/report_file.h"
#include "report/report_test_support.h"
#include "shell/settings_command.h"
#include "shell/start_up.h"
#include "util/output_file.h"
#include "util/private_temp_folder.h"
#include "util/safe_file.h"

namespace zel3::test {
namespace {

namespace fs = std::filesystem;

const std::string kVictimText = "Daten, die niemand anders schreiben darf\n";

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

class TempFolderSafety : public ::testing::Test, protected ReportProgram {
  protected:
    void SetUp() override {
        fs::create_directory(shared);
        ::chmod(shared.c_str(), 01777);  // like /tmp
        fs::create_directory(victimDir);
        WriteBytes(victim, kVictimText);
        Folders& f = program.settings.folders;
        f.StartDir = f.DataDir = f.CadDir = f.EdiDir = f.DbfDir = f.PltDir = temp.Dir();
        program.settings.MaxX = 639;
        program.settings.MaxY = 479;
        program.graphics.ApplySettings(ScreenInfo{});
    }

    void Plant(const std::string& link, const std::string& target) {
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0) << link;
    }
    void PlantLinksToTheVictim(const std::string& folder) {
        for (const std::string name :
             {"outwin.txt", "$$$1.txt", "$$1.txt", "zel3.htm", "OUTDOS.TXT", "$B.dx$", "kavrot.dxf",
              "$OUT1.TMP", "$OUT2.TMP", "$OUT3.TMP", "$OUT4.TMP", "$OUT5.TMP", "$OUT6.TMP",
              "$OUT7.TMP", "$OUT8.TMP", "$OUT9.TMP", "$OUT10.TMP"}) {
            Plant(folder + name, victim);
        }
    }
    void ExpectVictimUntouched() {
        EXPECT_EQ(ReadBytes(victim), kVictimText);
        EXPECT_TRUE(FolderEntries(victimDir).empty());
    }

    void Report(int target) {
        ReportWriter& r = program.report;
        r.SetReportHeader("Titel", "Zeile", "", "", "", 0);
        r.OpenReport(target, "");
        r.CreateReportFile();
        ASSERT_FALSE(program.ui.errorFlag) << "target " << target;
        r.PageHeader(1, 0);
        r.WriteLine("Bericht");
        r.EndPage();
        r.CloseReport();
    }
    // Every output that goes to the temporary folder: the report targets screen, spreadsheet,
    // HTML and DOS file, the screen check of a drawing with a block, and the plot file.
    void WriteEveryTemporaryOutput() {
        program.settings.htmlBrowser = "/bin/true";
        platform->questionAnswers.assign(4, YesNoCancel::Yes);  // "zel3.htm existiert bereits"
        for (int target : {kTargetScreen, kTargetSpreadsheet, kTargetHtml, kTargetDosFile})
            Report(target);
        CadDriver screen(program);
        screen.CadOpen(3);
        screen.CadExtents(0, 0, 100, 100);
        screen.CadTables(2);
        screen.CadBeginBlocks();
        screen.CadBlock("B");
        screen.CadLine(0, 0, 10, 10);
        screen.CadEndBlock();
        screen.CadEndSection();
        screen.CadBeginEntities();
        screen.CadInsert("B", 5, 5, 0, 1, 1);
        screen.CadEndSection();
        screen.CadClose();
        CadDriver plot(program);
        plot.CadOpen(4);
        plot.CadExtents(0, 0, 100, 100);
        plot.CadTables(2);
        plot.CadBeginEntities();
        plot.CadLine(0, 0, 10, 10);
        plot.CadEndSection();
        plot.CadClose();
    }

    const std::string shared = temp / "tmp/";
    const std::string own = shared + "zel3-" + std::to_string(::geteuid());
    const std::string victim = temp / "victim.txt";
    const std::string victimDir = temp / "home";
};

TEST_F(TempFolderSafety, OnlyFoldersOfOursAloneAreUsedAsTheyAre) {
    EXPECT_FALSE(IsSharedFolder(temp.Dir()));
    EXPECT_TRUE(IsSharedFolder(shared));
    const PrivateTempFolder mine = ChoosePrivateTempFolder(temp.Dir(), "zel3");
    EXPECT_EQ(mine.folder, temp.Dir());
    EXPECT_TRUE(mine.refused.empty());

    const std::string group = temp / "gruppe";
    fs::create_directory(group);
    ::chmod(group.c_str(), 0770);
    EXPECT_TRUE(IsSharedFolder(group)) << "others of the group may write";
    ::chmod(group.c_str(), 0755);
    EXPECT_FALSE(IsSharedFolder(group)) << "others may read, not plant";
    EXPECT_FALSE(IsSharedFolder(temp / "fehlt"));
}

TEST_F(TempFolderSafety, SharedFolderGetsAPrivateFolderThatIsKeptFromRunToRun) {
    const mode_t mask = ::umask(0077);
    const PrivateTempFolder first = ChoosePrivateTempFolder(shared, "zel3");
    ::umask(0022);
    const PrivateTempFolder second = ChoosePrivateTempFolder(shared, "zel3");
    ::umask(mask);
    EXPECT_EQ(first.folder, own + "/");
    EXPECT_EQ(second.folder, own + "/");
    EXPECT_TRUE(first.refused.empty());
    EXPECT_TRUE(IsPrivateFolder(own));
}

TEST_F(TempFolderSafety, UntrustedFolderOfOurNameIsRefusedAndLeftAlone) {
    auto expectFreshFolder = [&](const std::string& what) {
        const PrivateTempFolder chosen = ChoosePrivateTempFolder(shared, "zel3");
        EXPECT_EQ(chosen.refused, own) << what;
        ASSERT_EQ(chosen.folder.rfind(own + "-", 0), 0u) << what << ": " << chosen.folder;
        EXPECT_TRUE(IsPrivateFolder(chosen.folder)) << what;
    };
    Plant(own, victimDir);
    expectFreshFolder("a link");
    EXPECT_TRUE(IsLink(own));
    ExpectVictimUntouched();
    fs::remove(own);

    fs::create_directory(own);
    ::chmod(own.c_str(), 0755);
    expectFreshFolder("open to others");
    EXPECT_EQ(fs::status(own).permissions(), fs::perms(0755)) << "not changed";

    if (::geteuid() == 0) {
        ::chmod(own.c_str(), 0700);
        ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
        expectFreshFolder("another user's");
    }
}

TEST_F(TempFolderSafety, StartUpWorksInThePrivateFolderAndTheSettingsKeepTheSharedOne) {
    program.settings.folders.TempDir = shared;
    EXPECT_EQ(StartUp(program, 9), std::nullopt);
    const Folders& f = program.settings.folders;
    EXPECT_EQ(f.TempDir, own + "/");
    EXPECT_EQ(ConfiguredTempDir(f), shared);
    EXPECT_TRUE(platform->messages.empty()) << platform->messages.front().text;
    EXPECT_EQ(SettingsFormFrom(program.settings).dirTemp, shared);
    const std::string cfg = ConfigurationText(program.settings, "zel3", "2.7");
    EXPECT_NE(cfg.find("\r\n" + shared + "\r\n"), std::string::npos);
    EXPECT_EQ(cfg.find(own), std::string::npos) << "the private folder is not stored";

    // Another shared folder typed into the settings dialog gets its private folder at once.
    const std::string other = temp / "tmp2/";
    fs::create_directory(other);
    ::chmod(other.c_str(), 01777);
    platform->editSettings = [&](Settings& s, UiState&, const SettingsEnvironment&) {
        SettingsForm form = SettingsFormFrom(s);
        form.dirTemp = other;
        StoreSettingsForm(form, s, {});
        return true;
    };
    EXPECT_TRUE(CommandSettings(program));
    EXPECT_EQ(f.TempDir, other + "zel3-" + std::to_string(::geteuid()) + "/");
    EXPECT_EQ(ConfiguredTempDir(f), other);
}

TEST_F(TempFolderSafety, PlantedFolderLinkIsRefusedWithANote) {
    Plant(own, victimDir);
    program.settings.folders.TempDir = shared;
    EXPECT_EQ(StartUp(program, 9), std::nullopt);
    const std::string& used = program.settings.folders.TempDir;
    EXPECT_EQ(used.rfind(own + "-", 0), 0u) << used;
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].kind, BoxKind::Note);
    EXPECT_NE(platform->messages[0].text.find(own + " ist nicht sicher"), std::string::npos);
    WriteEveryTemporaryOutput();
    ExpectVictimUntouched();
    EXPECT_TRUE(IsLink(own));
}

TEST_F(TempFolderSafety, LinksInTheSharedFolderAreNeverWrittenThrough) {
    PlantLinksToTheVictim(shared);
    program.settings.folders.TempDir = shared;
    EXPECT_EQ(StartUp(program, 9), std::nullopt);
    WriteEveryTemporaryOutput();
    ExpectVictimUntouched();
    EXPECT_TRUE(IsLink(shared + "outwin.txt"));
    EXPECT_TRUE(fs::exists(own + "/outwin.txt")) << "the screen report was written";
    EXPECT_TRUE(fs::exists(own + "/OUTDOS.TXT"));
}

// Even in a folder that were not ours alone, every writer creates a new file of its own and
// renames it over the name, which replaces a planted link instead of following it.
TEST_F(TempFolderSafety, WritersReplaceALinkUnderTheirNameInsteadOfFollowingIt) {
    const std::string folder = temp / "links/";
    fs::create_directory(folder);
    PlantLinksToTheVictim(folder);
    program.settings.folders.TempDir = folder;
    WriteEveryTemporaryOutput();
    ExpectVictimUntouched();
    EXPECT_FALSE(IsLink(folder + "OUTDOS.TXT"));
    EXPECT_FALSE(program.ui.errorFlag);

    // The shared helpers themselves.
    Plant(folder + "a.txt", victim);
    ReportFile report;
    ASSERT_TRUE(report.Create(folder + "a.txt"));
    report.Write("neu");
    report.Close();
    EXPECT_EQ(ReadBytes(folder + "a.txt"), "neu");
    Plant(folder + "b.txt", victim);
    OutputFile replacing(folder + "b.txt", OutputFile::Mode::Replacing);
    ASSERT_EQ(replacing.Create(), 0);
    replacing.WriteLine("neu");
    EXPECT_EQ(replacing.Close(), 0);
    Plant(folder + "c.txt", victim);
    OutputFile direct(folder + "c.txt");
    EXPECT_NE(direct.Create(), 0) << "a direct write refuses the link";
    Plant(folder + "d.txt", victim);
    WriteFileReplacing(folder + "d.txt", "neu");
    Plant(folder + "e.txt", victim);
    EXPECT_FALSE(report.Create(folder + "e.txt", true)) << "an exclusive file must be new";
    ExpectVictimUntouched();
}

TEST_F(TempFolderSafety, FileBesideIsNewEachTimeAndGetsTheTargetsPermissions) {
    const std::string target = temp / "plan.dxf";
    WriteBytes(target, "alt");
    ::chmod(target.c_str(), 0640);
    std::string a, b;
    const int fa = CreateFileBeside(target, a);
    const int fb = CreateFileBeside(target, b);
    ASSERT_GE(fa, 0);
    ASSERT_GE(fb, 0);
    ::close(fa);
    ::close(fb);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind(temp / "$plan.dxf.", 0), 0u) << a;
    EXPECT_EQ(fs::status(a).permissions(), fs::perms(0640));
    EXPECT_EQ(ReadBytes(target), "alt");
}

}  // namespace
}  // namespace zel3::test
