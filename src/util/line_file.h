#pragma once
// Line files: one value per line, CR LF line ends, read back in the same order. The project
// file and the configuration files are written and read with these.

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "util/number_format.h"

namespace zel3 {

// Reads a line file from memory or from a file. Every read takes one whole line (LF or CR LF).
// A failed read (past the end, a line that is too long or holds NUL bytes) sets the error flag
// and leaves the value as it was, so defaults survive a short or damaged file.
class LineReader {
  public:
    static constexpr std::size_t kMaxLineLength = 4096;
    static constexpr std::size_t kMaxFileSize = 8 * 1024 * 1024;

    LineReader(std::string content, bool& errorFlag);
    // A file that cannot be opened gives a reader that is not open (the flag is not touched);
    // one that cannot be read or is too large sets the flag and reads nothing.
    static LineReader FromFile(const std::string& path, bool& errorFlag);

    bool isOpen() const { return open_; }
    // True when no line is left.
    bool AtEnd() const;
    int lineNumber() const { return lineNumber_; }

    bool SkipLine();
    bool ReadText(std::string& value);
    // The first character of the line; '\0' for an empty line.
    bool ReadChar(char& value);
    // 0 when the line is no number.
    bool ReadInt(int& value);
    // Every "," counts as a point; 0 when the line is no number.
    bool ReadFloat(double& value);
    // True only for "TRUE" in any letter case.
    bool ReadBoolStrict(bool& value);
    // False only for "FALSE" in any letter case.
    bool ReadBoolLenient(bool& value);
    // Four texts joined by "|" on one line; missing parts are empty.
    bool ReadFourTexts(std::array<std::string, 4>& value);

  private:
    explicit LineReader(bool& errorFlag) : errorFlag_(errorFlag) {}
    bool NextLine(std::string& line);

    std::string data_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
    bool open_ = true;
    std::reference_wrapper<bool> errorFlag_;
};

// Collects the lines of a line file; WriteFileReplacing (safe_file.h) stores them.
class LineWriter {
  public:
    void WriteText(const std::string& t);
    void WriteInt(long long n);
    void WriteStored(const NumberFormat& nf, double x);
    void WriteBool(bool b);

    const std::string& content() const { return content_; }

  private:
    std::string content_;
};

}  // namespace zel3
