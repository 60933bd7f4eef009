#include "util/line_file.h"

#include "util/number_text.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

LineReader::LineReader(std::string content, bool& errorFlag)
    : data_(std::move(content)), errorFlag_(errorFlag) {
    // A DOS end-of-file mark closes the text.
    const size_t eof = data_.find('\x1A');
    if (eof != std::string::npos) data_.resize(eof);
}

LineReader LineReader::FromFile(const std::string& path, bool& errorFlag) {
    LineReader r(errorFlag);
    std::string content;
    switch (ReadWholeFile(path, kMaxFileSize, content)) {
        case FileReadResult::Ok:
            return LineReader(std::move(content), errorFlag);
        case FileReadResult::CannotOpen:
            r.open_ = false;
            return r;
        case FileReadResult::TooLarge:
        case FileReadResult::ReadError:
            errorFlag = true;
            return r;
    }
    return r;
}

bool LineReader::AtEnd() const {
    return !open_ || pos_ >= data_.size();
}

bool LineReader::NextLine(std::string& line) {
    if (AtEnd()) {
        errorFlag_.get() = true;
        return false;
    }
    size_t end = data_.find('\n', pos_);
    const size_t next = end == std::string::npos ? data_.size() : end + 1;
    if (end == std::string::npos) end = data_.size();
    size_t len = end - pos_;
    if (len > 0 && data_[pos_ + len - 1] == '\r') --len;
    const size_t start = pos_;
    pos_ = next;
    ++lineNumber_;
    if (len > kMaxLineLength || data_.find('\0', start) < start + len) {
        errorFlag_.get() = true;
        return false;
    }
    line.assign(data_, start, len);
    return true;
}

bool LineReader::SkipLine() {
    std::string line;
    return NextLine(line);
}

bool LineReader::ReadText(std::string& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = std::move(line);
    return true;
}

bool LineReader::ReadChar(char& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = line.empty() ? '\0' : line[0];
    return true;
}

bool LineReader::ReadInt(int& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = TextToInt(line);
    return true;
}

bool LineReader::ReadFloat(double& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = TryTextToFloat(ReplaceChar(line, ',', '.')).value_or(0.0);
    return true;
}

bool LineReader::ReadBoolStrict(bool& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = UpperAscii(line) == "TRUE";
    return true;
}

bool LineReader::ReadBoolLenient(bool& value) {
    std::string line;
    if (!NextLine(line)) return false;
    value = UpperAscii(line) != "FALSE";
    return true;
}

bool LineReader::ReadFourTexts(std::array<std::string, 4>& value) {
    std::string line;
    if (!NextLine(line)) return false;
    std::array<std::string, 4> parts;
    size_t k = 0;
    for (char c : line) {
        if (c == '|' && k < 3) {
            ++k;
        } else {
            parts[k] += c;
        }
    }
    value = std::move(parts);
    return true;
}

void LineWriter::WriteText(const std::string& t) {
    // A line break inside a value would shift every later line of the file.
    for (char c : t) content_ += (c == '\r' || c == '\n') ? ' ' : c;
    content_ += "\r\n";
}

void LineWriter::WriteInt(long long n) {
    WriteText(IntToText(n));
}

void LineWriter::WriteStored(const NumberFormat& nf, double x) {
    WriteText(FormatStored(nf, x));
}

void LineWriter::WriteBool(bool b) {
    WriteText(b ? "TRUE" : "FALSE");
}

}  // namespace zel3
