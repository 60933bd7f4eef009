#pragma once
// Character and number reading of HP-GL plotter files: blanks and line ends are skipped
// everywhere (inside label text only the line ends), a parameter is the text up to the next
// "," or ";", and ";" ends the instruction. Never reads past the input.

#include <string>
#include <string_view>

namespace zel3 {

struct HpglNumber {
    double value = 0.0;  // 0 for an empty or unreadable parameter
    bool empty = true;   // no character before the separator
    bool ended = false;  // closed by ";" or by the end of the input
};

class HpglReader {
  public:
    explicit HpglReader(std::string_view data) : data_(data) {}

    static constexpr int kEnd = -1;

    bool AtEnd() const { return pos_ >= data_.size(); }
    // The next byte, blanks and line ends skipped; kEnd at the end.
    int Next();
    // The next byte of label text, line ends skipped; kEnd at the end.
    int NextInLabel();
    // The next byte as it stands; kEnd at the end.
    int NextRaw();
    // Looks at the next byte without taking it (blanks and line ends skipped).
    int Peek();

    // One parameter. With ignorePA the letters P and A are dropped (coordinates, radii, the
    // character set number). Values are limited to the plotter range so that nothing overflows.
    HpglNumber ReadNumber(bool ignorePA);
    // Skips up to and including the next ";".
    void SkipInstruction();

  private:
    std::string_view data_;
    size_t pos_ = 0;
};

// The value of a parameter text: its leading number, 0 when there is none.
double HpglNumberValue(const std::string& text);

// The largest magnitude of a coordinate (2^30 plotter units), applied to every parameter.
constexpr double kHpglLimit = 1073741824.0;

}  // namespace zel3
