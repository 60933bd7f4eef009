#include "shell/program_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace zel3::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDataDir, IsShareZel3BesideTheProgramsFolderWhereverThePrefixLies) {
    TempFolder temp;
    fs::create_directories(temp / "prefix/bin");
    fs::create_directories(temp / "prefix/share/zel3");
    const std::string real = fs::canonical(temp / "prefix").string();
    EXPECT_EQ(FindProgramDataDir(temp / "prefix/bin"), real + "/share/zel3/");
    EXPECT_EQ(FindProgramDataDir(temp / "prefix/bin/"), real + "/share/zel3/");

    // Moved as a whole, the tree still finds its own data, not the old place.
    fs::rename(temp / "prefix", temp / "moved");
    const std::string moved = fs::canonical(temp / "moved").string();
    EXPECT_EQ(FindProgramDataDir(temp / "moved/bin/"), moved + "/share/zel3/");
}

TEST(ProgramDataDir, WithoutInstalledDataIsTheSourceTreesDataFolder) {
    TempFolder temp;
    fs::create_directories(temp / "build");
    EXPECT_EQ(FindProgramDataDir(temp / "build/"), std::string(ZEL3_SOURCE_DATA_DIR) + "/");
    EXPECT_EQ(FindProgramDataDir(""), std::string(ZEL3_SOURCE_DATA_DIR) + "/");
    // A file where the folder should be is no data folder.
    fs::create_directories(temp / "p/bin");
    fs::create_directories(temp / "p/share");
    { std::ofstream(temp / "p/share/zel3") << "x"; }
    EXPECT_EQ(FindProgramDataDir(temp / "p/bin/"), std::string(ZEL3_SOURCE_DATA_DIR) + "/");
}

TEST(SettingsFolder, FollowsZel3HomeThenXdgConfigHomeThenHome) {
    struct Env {
        const char* name;
        std::string old;
        bool had;
    };
    std::vector<Env> saved;
    for (const char* name : {"ZEL3_HOME", "XDG_CONFIG_HOME", "HOME"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? v : "", v != nullptr});
    }
    ::setenv("ZEL3_HOME", "/z", 1);
    ::setenv("XDG_CONFIG_HOME", "/x", 1);
    ::setenv("HOME", "/h", 1);
    EXPECT_EQ(DefaultHomeDir(), "/z/");
    ::setenv("ZEL3_HOME", "", 1);
    EXPECT_EQ(DefaultHomeDir(), "/x/zel3/");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultHomeDir(), "/h/.config/zel3/");
    for (const Env& e : saved) {
        if (e.had)
            ::setenv(e.name, e.old.c_str(), 1);
        else
            ::unsetenv(e.name);
    }
}

}  // namespace
}  // namespace zel3::test
