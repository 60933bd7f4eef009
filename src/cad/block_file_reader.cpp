#include "cad/block_file_reader.h"

#include <charconv>

namespace zel3 {

namespace {
constexpr size_t kMaxLine = 4096;
}

BlockFileReader::~BlockFileReader() {
    Close();
}

bool BlockFileReader::Open(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    ended_ = file_ == nullptr;
    pushedBack_ = false;
    return file_ != nullptr;
}

void BlockFileReader::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool BlockFileReader::ReadLine(std::string& line) {
    line.clear();
    if (!file_) return false;
    int c;
    bool any = false;
    while ((c = std::fgetc(file_)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (line.size() >= kMaxLine) return false;  // not a text file of ours
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool BlockFileReader::ReadGroup(int& code, std::string& value) {
    if (pushedBack_) {
        pushedBack_ = false;
        if (ended_) return false;
        code = code_;
        value = value_;
        return true;
    }
    if (ended_) return false;
    std::string codeLine;
    if (!ReadLine(codeLine) || !ReadLine(value_)) {
        ended_ = true;
        return false;
    }
    size_t b = codeLine.find_first_not_of(' ');
    size_t e = codeLine.find_last_not_of(' ');
    if (b == std::string::npos) {
        ended_ = true;
        return false;
    }
    const char* first = codeLine.data() + b;
    const char* last = codeLine.data() + e + 1;
    auto r = std::from_chars(first, last, code_);
    if (r.ec != std::errc() || r.ptr != last) {
        ended_ = true;
        return false;
    }
    code = code_;
    value = value_;
    return true;
}

}  // namespace zel3
