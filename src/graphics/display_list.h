#pragma once
// The display list: every drawing call of the graphics window as one line of text,
// "opcode;field;field...". Repaint, zoom and print replay it.

#include <string>
#include <vector>

namespace zel3 {

enum RecordOpcode {
    kRecCircle = 3,
    kRecLine = 4,
    kRecArc = 5,
    kRecText = 6,
    kRecSolid = 7,
    kRecColor = 8,
    kRecTextStyle = 9,
    kRecWindow = 10,
    kRecLineStyle = 11,
    kRecLineWidth = 12,
    kRecSleep = 13,
};

// A float field: general format, 8 significant digits, "." as separator, "1E-5" exponents.
std::string RecordReal(double v);
// Reads a float field as RecordReal wrote it; false for anything else.
bool ParseRecordReal(const std::string& text, double& v);

class DisplayList {
  public:
    void Clear() { records_.clear(); }
    size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const std::string& operator[](size_t i) const { return records_[i]; }
    const std::vector<std::string>& records() const { return records_; }

    // Appends "opcode;" followed by the fields joined with ";".
    void Add(int opcode, const std::vector<double>& reals);
    void AddInt(int opcode, int value);
    void AddText(double x, double y, const std::string& text);
    void AddWindow(const int view[4], const double world[4]);
    // Appends a record text as it is (replays of stored lists, tests).
    void AddRaw(std::string record) { records_.push_back(std::move(record)); }

  private:
    std::vector<std::string> records_;
};

}  // namespace zel3
