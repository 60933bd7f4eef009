#pragma once
// A temporary folder filled with copies of the example projects, removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>

class ProjectFolder {
  public:
    explicit ProjectFolder(int files) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zel3-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern + "/";
        const char* examples[] = {"kugel_kugel.zl3", "kugel_rille.zl3", "rolle_ebene.zl3",
                                  "rolle_rolle.zl3"};
        for (int i = 0; i < files; ++i) {
            std::filesystem::copy_file(
                std::string(ZEL3_BENCH_DATA_DIR) + "/examples/" + examples[i % 4],
                dir_ + "p" + std::to_string(i) + ".zl3");
        }
    }
    ~ProjectFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    ProjectFolder(const ProjectFolder&) = delete;
    ProjectFolder& operator=(const ProjectFolder&) = delete;
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
};
