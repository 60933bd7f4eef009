#include "graphics/help_file.h"

#include <cctype>
#include <optional>
#include <sstream>

#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Help lines are short; a file without line ends is read in pieces of this length.
constexpr size_t kMaxLineBytes = 2000;
constexpr size_t kMaxHelpFileBytes = 8 * 1024 * 1024;

class LineSource {
  public:
    explicit LineSource(std::istream& in) : in_(in) {}

    bool Next(std::string& line) {
        if (pending_) {
            line = std::move(*pending_);
            pending_.reset();
            return true;
        }
        line.clear();
        std::istream::int_type c = in_.get();
        if (c == std::istream::traits_type::eof()) return false;
        while (c != std::istream::traits_type::eof() && c != '\n') {
            if (line.size() < kMaxLineBytes)
                line += static_cast<char>(c);
            else
                break;
            c = in_.get();
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    void PutBack(std::string line) { pending_ = std::move(line); }

  private:
    std::istream& in_;
    std::optional<std::string> pending_;
};

}  // namespace

std::string HelpFileName(int number, const std::string& shortName) {
    return number < 4000 ? "trellox.hlp" : LowerAscii(shortName) + ".hlp";
}

bool HelpLineNumber(const std::string& line, int& number) {
    std::string head = line.substr(0, 4);
    size_t i = 0;
    while (i < head.size() && head[i] == ' ') ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '+' || head[i] == '-')) negative = head[i++] == '-';
    if (i >= head.size()) return false;
    int value = 0;
    for (; i < head.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(head[i]))) return false;
        value = value * 10 + (head[i] - '0');
    }
    number = negative ? -value : value;
    return true;
}

HelpEntry FindHelpEntry(std::istream& in, int number) {
    HelpEntry result;
    result.fileFound = true;
    LineSource src(in);
    std::string header;
    while (src.Next(header)) {
        HelpEntry entry;
        int entryNumber = 0;
        // A header that is no number is a text line of an entry nobody can ask for.
        bool numbered = HelpLineNumber(header, entryNumber);
        entry.picture = "NULL";
        if (numbered) {
            size_t colon = header.find(':');
            if (colon != std::string::npos) entry.picture = Trim(header.substr(colon + 1));
            std::string first;
            if (src.Next(first)) entry.lines.push_back(first);
        } else {
            entry.lines.push_back(header);
        }
        for (int pos = 1; pos <= 4; ++pos) {
            std::string line;
            if (!src.Next(line)) break;
            int k = 0;
            if (!HelpLineNumber(line, k)) {
                entry.lines.push_back(line);
                continue;
            }
            if (k % 5 == 0) {
                src.PutBack(std::move(line));
                break;
            }
            std::string text;
            if (!src.Next(text)) break;
            if (numbered && k == entryNumber + pos) entry.lines.push_back(text);
        }
        if (numbered && entryNumber == number) {
            entry.fileFound = true;
            entry.found = true;
            return entry;
        }
    }
    return result;
}

HelpEntry ReadHelpEntry(const std::string& folder, int number, const std::string& shortName) {
    std::string content;
    if (ReadWholeFile(folder + HelpFileName(number, shortName), kMaxHelpFileBytes, content) !=
        FileReadResult::Ok)
        return HelpEntry{};
    std::istringstream in(content);
    return FindHelpEntry(in, number);
}

bool HasHelpPicture(const HelpEntry& entry) {
    return entry.found && !entry.picture.empty() && UpperAscii(entry.picture) != "NULL";
}

}  // namespace zel3
