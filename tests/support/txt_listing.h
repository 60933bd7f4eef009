#pragma once
// Reads the TXT listing of a CAD output run back into records for tests, and runs a drawing
// into such a listing in a scratch folder.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zel3::test {

struct TxtRecord {
    std::string keyword;
    std::vector<std::string> fields;

    double Num(std::size_t i) const { return std::stod(fields.at(i)); }
};

inline std::vector<TxtRecord> ReadTxtListing(const std::string& path) {
    std::vector<TxtRecord> out;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        TxtRecord r;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            const std::string part = line.substr(start, tab - start);
            if (start == 0)
                r.keyword = part;
            else
                r.fields.push_back(part);
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        out.push_back(r);
    }
    return out;
}

inline std::vector<TxtRecord> Only(const std::vector<TxtRecord>& all, const std::string& kw) {
    std::vector<TxtRecord> out;
    for (const TxtRecord& r : all)
        if (r.keyword == kw) out.push_back(r);
    return out;
}

// Records between "SECTION ENTITIES" and the end, or of one block.
inline std::vector<TxtRecord> Entities(const std::vector<TxtRecord>& all) {
    std::vector<TxtRecord> out;
    bool in = false;
    for (const TxtRecord& r : all) {
        if (r.keyword == "SECTION ENTITIES") in = true;
        if (in) out.push_back(r);
    }
    return out;
}

inline std::vector<TxtRecord> Block(const std::vector<TxtRecord>& all, const std::string& name) {
    std::vector<TxtRecord> out;
    bool in = false;
    for (const TxtRecord& r : all) {
        if (r.keyword == "BLOCK") in = r.fields.at(0) == name;
        if (in) out.push_back(r);
        if (r.keyword == "END OF BLOCK") in = false;
    }
    return out;
}

// A fresh folder below the system's temporary folder, removed by the destructor.
class ScratchDir {
  public:
    explicit ScratchDir(const std::string& tag) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("zel3_" + tag + "_XXXXXX")).string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

}  // namespace zel3::test
