#include "report/message_descriptions.h"

#include <vector>

#include "util/io_error.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr size_t kKeyLength = 14;
// Far above any description file; a larger file is not one.
constexpr size_t kMaxFileSize = 4 * 1024 * 1024;

struct Line {
    size_t begin = 0;
    size_t end = 0;   // end of the text, before CR LF
    size_t next = 0;  // start of the following line
};

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < data.size()) {
        Line l;
        l.begin = pos;
        const size_t lf = data.find('\n', pos);
        l.next = lf == std::string::npos ? data.size() : lf + 1;
        l.end = lf == std::string::npos ? data.size() : lf;
        if (l.end > l.begin && data[l.end - 1] == '\r') --l.end;
        lines.push_back(l);
        pos = l.next;
    }
    return lines;
}

std::string TextOf(const std::string& data, const Line& l) {
    return data.substr(l.begin, l.end - l.begin);
}

// Index of the entry line of message, or -1.
long FindEntry(const std::string& data, const std::vector<Line>& lines,
               const std::string& message) {
    const std::string key = message.substr(0, kKeyLength);
    if (key.empty()) return -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const size_t n = std::min(l.end - l.begin, kKeyLength);
        if (n == key.size() && data.compare(l.begin, n, key) == 0) return static_cast<long>(i);
    }
    return -1;
}

}  // namespace

std::string MessageDescriptionFile(const Folders& folders, const std::string& programDataDir,
                                   const std::string& shortName) {
    const std::string dir = Trim(folders.PltDir).empty() ? programDataDir : folders.PltDir;
    return WithBackslash(dir) + shortName + ".err";
}

MessageDescription FindMessageDescription(const std::string& file, const std::string& message) {
    MessageDescription d;
    std::string data;
    if (ReadWholeFile(file, kMaxFileSize, data) != FileReadResult::Ok) return d;
    d.status = DescriptionStatus::NoEntry;
    const std::vector<Line> lines = SplitLines(data);
    const long entry = FindEntry(data, lines, message);
    if (entry < 0) return d;
    d.status = DescriptionStatus::Found;
    const size_t k = static_cast<size_t>(entry);
    if (k + 1 < lines.size()) d.cause = TextOf(data, lines[k + 1]);
    if (k + 2 < lines.size()) d.remedy = TextOf(data, lines[k + 2]);
    return d;
}

std::string MessageCause(const std::string& file, const std::string& message) {
    const MessageDescription d = FindMessageDescription(file, message);
    switch (d.status) {
        case DescriptionStatus::NoFile:
            return {};
        case DescriptionStatus::NoEntry:
            return kNoDescription;
        case DescriptionStatus::Found:
            break;
    }
    return d.cause;
}

std::string MessageRemedy(const std::string& file, const std::string& message) {
    return FindMessageDescription(file, message).remedy;
}

std::string MessageCause(const std::string& file, const MessageList& list, int i) {
    if (i < 1 || i > list.MessageCount()) return {};
    return MessageCause(file, list.MessageText(i));
}

std::string MessageRemedy(const std::string& file, const MessageList& list, int i) {
    if (i < 1 || i > list.MessageCount()) return {};
    return MessageRemedy(file, list.MessageText(i));
}

DescriptionWrite WriteMessageDescription(const std::string& file, const std::string& message,
                                         const std::string& cause, const std::string& remedy) {
    std::string data;
    if (ReadWholeFile(file, kMaxFileSize, data) != FileReadResult::Ok)
        return DescriptionWrite::Failed;
    const std::vector<Line> lines = SplitLines(data);
    const long entry = FindEntry(data, lines, message);
    if (entry < 0) return DescriptionWrite::NoEntry;
    const size_t k = static_cast<size_t>(entry);

    // Keep the file's own line end; a file ending inside the entry gets the missing lines.
    const Line& head = lines[k];
    std::string eol = data.substr(head.end, head.next - head.end);
    if (eol.empty()) eol = "\r\n";
    std::string out = data.substr(0, head.next);
    if (head.next == head.end) out += eol;
    const std::string* texts[2] = {&cause, &remedy};
    size_t rest = head.next;
    for (size_t j = 0; j < 2; ++j) {
        out += *texts[j];
        if (k + 1 + j < lines.size()) {
            const Line& old = lines[k + 1 + j];
            out += data.substr(old.end, old.next - old.end);
            if (old.next == old.end) out += eol;
            rest = old.next;
        } else {
            out += eol;
        }
    }
    out += data.substr(rest);
    try {
        WriteFileReplacing(file, out);
    } catch (const IoError&) {
        return DescriptionWrite::Failed;
    }
    return DescriptionWrite::Written;
}

}  // namespace zel3
