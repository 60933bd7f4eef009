#pragma once
// Reads the groups of a block file (a code line, then the value line). Survives truncated and
// garbage files: a code line that is no number, an over-long line or the end of the file all
// end the reading as if "EOF" had been read.

#include <cstdio>
#include <string>

namespace zel3 {

class BlockFileReader {
  public:
    BlockFileReader() = default;
    ~BlockFileReader();
    BlockFileReader(const BlockFileReader&) = delete;
    BlockFileReader& operator=(const BlockFileReader&) = delete;

    bool Open(const std::string& path);
    void Close();
    // False at the end of the readable groups.
    bool ReadGroup(int& code, std::string& value);
    // The next ReadGroup returns the last group again.
    void Unread() { pushedBack_ = true; }

  private:
    bool ReadLine(std::string& line);

    std::FILE* file_ = nullptr;
    bool pushedBack_ = false;
    bool ended_ = false;
    int code_ = 0;
    std::string value_;
};

}  // namespace zel3
