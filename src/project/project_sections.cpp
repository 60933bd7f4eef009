#include "project/project_sections.h"

#include <string>
#include <vector>

#include "util/number_text.h"

namespace zel3 {

namespace {

const std::string kChangesHeading =
    "\x8E"  // "Ä" in code page 850
    "NDERUNGEN";
const std::string kDocumentsHeading = "Dokumente";
const std::string kSectionRule(20, '-');
const std::string kEntryRule(14, '-');

// A bar inside a field of a bar-separated line would shift the fields after it.
std::string Field(const std::string& t) {
    std::string out = t;
    for (char& c : out) {
        if (c == '|') c = '/';
    }
    return out + "|";
}

}  // namespace

std::string DescriptionToLine(const std::string& description) {
    std::string out;
    for (std::size_t i = 0; i < description.size(); ++i) {
        const char c = description[i];
        if (c == '\r') {
            out += '|';
            if (i + 1 < description.size() && description[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += '|';
        } else {
            out += c;
        }
    }
    return out;
}

std::string DescriptionFromLine(const std::string& line) {
    std::string out = line;
    for (char& c : out) {
        if (c == '|') c = '\n';
    }
    return out;
}

void WriteChangeLog(LineWriter& out, const NumberFormat& nf, const DrawingInfo& info,
                    const ChangeLog& log) {
    out.WriteText(kChangesHeading);
    out.WriteInt(log.count);
    out.WriteText(kSectionRule);
    for (int i = 0; i < log.count; ++i) {
        const ChangeEntry& e = log.entries[static_cast<std::size_t>(i)];
        out.WriteText(e.designation.substr(0, kChangeDesignationLength));
        out.WriteText(e.date.substr(0, kChangeDateLength));
        out.WriteText(e.editor.substr(0, kChangeEditorLength));
        out.WriteText(DescriptionToLine(e.description));
        out.WriteText(kEntryRule);
    }
    std::string signOff;
    for (int row = kChecked; row <= kReleased; ++row) {
        signOff +=
            Field(info.signOff[static_cast<std::size_t>(row)].date.substr(0, kSignOffLength));
        signOff +=
            Field(info.signOff[static_cast<std::size_t>(row)].name.substr(0, kSignOffLength));
    }
    signOff += Field(IntToText(info.placementCount)) + Field("");
    out.WriteText(signOff);
    out.WriteText(info.signOff[kDrawnBy].date.substr(0, kSignOffLength));
    out.WriteText(info.replaces.substr(0, kReplaceLength));
    out.WriteText(info.replacedBy.substr(0, kReplaceLength));
    out.WriteText(info.signOff[kDrawnBy].name.substr(0, kSignOffLength));
    for (int i = 0; i < info.placementCount; ++i) {
        const TextPlacement& p = info.placements[static_cast<std::size_t>(i)];
        // The text keeps its bars: it is whatever stands between the numbers and the last "||".
        out.WriteText(Field(FormatValue(nf, p.x)) + Field(FormatValue(nf, p.y)) +
                      Field(FormatValue(nf, p.h)) + Field(FormatValue(nf, p.phi)) +
                      p.text.substr(0, kPlacementTextLength) + "||");
    }
}

void ReadChangeLog(ProjectLineInput& in, DrawingInfo& info, ChangeLog& log) {
    int count = 0;
    if (!in.Literal(kChangesHeading) || !in.Int(count, 0, kMaxChanges) || !in.Skip()) return;
    log.count = 0;
    for (int i = 0; i < count; ++i) {
        ChangeEntry e;
        std::string description;
        if (!in.Text(e.designation, kChangeDesignationLength) ||
            !in.Text(e.date, kChangeDateLength) || !in.Text(e.editor, kChangeEditorLength) ||
            !in.Line(description) || !in.Skip()) {
            return;
        }
        e.description = DescriptionFromLine(description);
        log.entries[static_cast<std::size_t>(i)] = std::move(e);
        log.count = i + 1;
    }

    std::string line;
    if (!in.Line(line)) return;
    const std::vector<std::string> f = SplitBars(line);
    int placements = 0;
    if (f.size() < 7 || !ParseStoredInt(f[6], placements) || placements < 0 ||
        placements > kMaxPlacements) {
        in.Fail();
        return;
    }
    for (int row = kChecked; row <= kReleased; ++row) {
        const auto k = static_cast<std::size_t>(2 * (row - kChecked));
        info.signOff[static_cast<std::size_t>(row)] = {f[k].substr(0, kSignOffLength),
                                                       f[k + 1].substr(0, kSignOffLength)};
    }
    if (!in.Text(info.signOff[kDrawnBy].date, kSignOffLength) ||
        !in.Text(info.replaces, kReplaceLength) || !in.Text(info.replacedBy, kReplaceLength) ||
        !in.Text(info.signOff[kDrawnBy].name, kSignOffLength)) {
        return;
    }
    info.placementCount = 0;
    for (int i = 0; i < placements; ++i) {
        if (!in.Line(line)) return;
        std::vector<std::string> p = SplitBars(line);
        TextPlacement t;
        if (p.size() < 5 || !ParseStoredReal(p[0], t.x) || !ParseStoredReal(p[1], t.y) ||
            !ParseStoredReal(p[2], t.h) || !ParseStoredReal(p[3], t.phi)) {
            in.Fail();
            return;
        }
        std::size_t start = 0;
        for (int bars = 0; bars < 4; ++bars) start = line.find('|', start) + 1;
        std::string text = line.substr(start);
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, "||") == 0) {
            text.resize(text.size() - 2);
        } else if (!text.empty() && text.back() == '|') {
            text.pop_back();
        }
        t.text = text.substr(0, kPlacementTextLength);
        info.placements[static_cast<std::size_t>(i)] = std::move(t);
        info.placementCount = i + 1;
    }
}

void WriteDocuments(LineWriter& out, const std::array<DocumentSlot, kDocumentSlots>& slots) {
    out.WriteText(kDocumentsHeading);
    out.WriteInt(kDocumentSlots);
    out.WriteText(kSectionRule);
    for (const DocumentSlot& s : slots) {
        out.WriteText(s.program.substr(0, kDocumentTextLength));
        out.WriteText(s.file.substr(0, kDocumentTextLength));
        out.WriteText(kEntryRule);
    }
}

void ReadDocuments(ProjectLineInput& in, std::array<DocumentSlot, kDocumentSlots>& slots) {
    int count = 0;
    if (!in.Literal(kDocumentsHeading) || !in.Int(count, 0, kDocumentSlots) || !in.Skip()) return;
    for (int i = 0; i < count; ++i) {
        DocumentSlot s;
        if (!in.Text(s.program, kDocumentTextLength) || !in.Text(s.file, kDocumentTextLength) ||
            !in.Skip()) {
            return;
        }
        slots[static_cast<std::size_t>(i)] = std::move(s);
    }
}

}  // namespace zel3
