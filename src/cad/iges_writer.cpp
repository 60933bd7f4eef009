#include "cad/iges_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "config/settings.h"
#include "util/codepage.h"
#include "util/io_error.h"
#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr const char kLetters[] = "SGDPT";

// CAD colours red 1, yellow 2, green 3, cyan 4, blue 5, magenta 6, white 7 as IGES colours.
constexpr int kColourTable[16] = {0, 2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};

int LetterIndex(char letter) {
    for (int i = 0; i < 5; ++i)
        if (kLetters[i] == letter) return i;
    return 4;
}

std::vector<std::string> SplitAtComma(const std::string& text, size_t width) {
    std::vector<std::string> pieces;
    std::string rest = text;
    while (rest.size() > width) {
        size_t cut = rest.find_last_of(',', width - 2);
        cut = cut == std::string::npos ? width : cut + 1;
        pieces.push_back(rest.substr(0, cut));
        rest.erase(0, cut);
    }
    pieces.push_back(rest);
    return pieces;
}

std::string Field(const std::string& value) {
    return value.size() >= 8 ? value : std::string(8 - value.size(), ' ') + value;
}

}  // namespace

std::string IgesRecord(const std::string& content, const std::string& pointer, char letter,
                       int sequence) {
    const long blanks = 80 - static_cast<long>(content.size() + pointer.size()) - 8;
    std::string line = content;
    if (blanks > 0) line.append(static_cast<size_t>(blanks), ' ');
    return line + pointer + letter + ZeroPad(sequence, 7);
}

std::vector<std::string> SplitIgesParams(const std::string& text) {
    return SplitAtComma(text, 64);
}

std::vector<std::string> SplitIgesGlobal(const std::string& text) {
    return SplitAtComma(text, 72);
}

std::string Hollerith(const std::string& text) {
    return std::to_string(text.size()) + "H" + text;
}

int IgesLayerColor(const Settings& s, int layer) {
    int index = 0;
    if (layer == 0)
        index = 7;
    else if (layer <= 5 || layer >= 16)
        index = s.layerColor[static_cast<size_t>(layer)];
    else
        index = layer + 1;
    // Layer 15 and configured colours beyond the table get no colour: IGES knows colour
    // numbers 0 to 8 only, and 0 lets the receiving system use its default.
    if (index < 0 || index > 15) return 0;
    return kColourTable[index];
}

int IgesLayerFont(int layer) {
    return layer == 1 ? 4 : layer == 2 ? 2 : 1;
}

IgesWriter::IgesWriter(CadChannel& out, const CadOutputState& state, const Settings& settings)
    : out_(out), state_(state), settings_(settings), number_(settings.number) {
    number_.separator = 1;
}

IgesWriter::~IgesWriter() {
    if (scratch_) std::fclose(scratch_);
    if (!scratchPath_.empty()) std::remove(scratchPath_.c_str());
}

void IgesWriter::OpenScratch(const std::string& tempDir) {
    if (scratch_) std::fclose(scratch_);
    scratch_ = nullptr;
    if (!scratchPath_.empty()) std::remove(scratchPath_.c_str());
    // A unique name: two runs at once must not share their parameter data.
    std::string pattern = (tempDir.empty() ? std::string("/tmp") : tempDir) + "/zel3_iges_XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw IoError(pattern, errno);
    scratchPath_ = pattern;
    scratch_ = fdopen(fd, "w+b");
    if (!scratch_) {
        const int err = errno;
        close(fd);
        throw IoError(scratchPath_, err);
    }
}

std::string IgesWriter::Num(double x) const {
    return FormatDecimals(number_, 3, x);
}

void IgesWriter::ScratchLine(const std::string& line) {
    if (!scratch_) throw IoError(scratchPath_, EBADF);
    if (std::fputs(line.c_str(), scratch_) < 0 || std::fputc('\n', scratch_) == EOF)
        throw IoError(scratchPath_, errno);
}

void IgesWriter::WriteRecord(char letter, const std::string& content, const std::string& pointer) {
    const int i = LetterIndex(letter);
    const std::string line = IgesRecord(content, pointer, letter, ++counts_[i]);
    if (letter == 'P')
        ScratchLine(line);
    else
        out_.WriteLine(line);
}

void IgesWriter::WriteParams(const std::string& text) {
    for (const std::string& piece : SplitIgesParams(text)) {
        WriteRecord('P', piece, std::to_string(pointer_));
        ++paramLines_;
    }
}

void IgesWriter::Start(const std::string& baseName, double maxCoordinate, const IgesHeader& h) {
    for (int& c : counts_) c = 0;
    pointer_ = -1;
    nextParam_ = 1;
    paramLines_ = 0;
    inDefinition_ = false;
    members_.clear();
    // Definitions belong to this file: a name left from an earlier drawing must not give
    // an instance a pointer into a file that does not hold it.
    definitions_.clear();

    for (const std::string& s :
         {"IGES-Datei generiert von " + h.productName,
          std::string("Uebersetzer von TRELLOX GMBH, Uebersetzerversion 3.1"), h.installation})
        for (const std::string& piece : SplitIgesGlobal(s)) WriteRecord('S', piece, "");

    std::string maxText = FormatValue(number_, maxCoordinate);
    // A real parameter needs its decimal point.
    if (maxText.find('.') == std::string::npos) maxText += ".0";
    const std::string global[] = {
        ",," + Hollerith("FILE") + "," + Hollerith(baseName) + "," +
            Hollerith(h.productName + " V" + h.versionText) + "," + Hollerith(h.installation) + ",",
        "16,38,6,99,15,",
        Hollerith(baseName) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,",
        Hollerith(h.date + ".081107") + ",1.0D-8," + maxText + ",",
        Hollerith("Pallek") + "," + Hollerith(h.organisation) + ",4,0;",
    };
    for (const std::string& g : global)
        for (const std::string& piece : SplitIgesGlobal(g)) WriteRecord('G', piece, "");
}

void IgesWriter::SetLayer(int layer) {
    colour_ = IgesLayerColor(settings_, layer);
    lineFont_ = IgesLayerFont(layer);
}

void IgesWriter::BeginEntity(bool member) {
    paramLines_ = 0;
    pointer_ += 2;
    if (member && inDefinition_) members_.push_back(pointer_);
}

void IgesWriter::Directory(const Entry& e) {
    const std::string type = std::to_string(e.type);
    const std::string colour = std::to_string(colour_);
    std::string first = Field(type) + Field(std::to_string(nextParam_)) + Field("1") +
                        Field(std::to_string(lineFont_)) + Field(colour) + Field("") +
                        Field(e.matrix) + Field("");
    WriteRecord('D', first, e.status);
    std::string second = Field(type) + Field("") + Field(colour) +
                         Field(std::to_string(paramLines_)) + Field(e.form) + Field("") +
                         Field("") + Field(e.label);
    WriteRecord('D', second, Field(""));
    nextParam_ += paramLines_;
}

void IgesWriter::Line(double x1, double y1, double x2, double y2) {
    BeginEntity();
    WriteParams("110," + Num(x1) + "," + Num(y1) + ",0.0," + Num(x2) + "," + Num(y2) + ",0.0;");
    Entry e;
    e.type = 110;
    e.status = inDefinition_ ? "00010000" : "00000000";
    Directory(e);
}

void IgesWriter::Arc(double cx, double cy, double sx, double sy, double ex, double ey) {
    BeginEntity();
    WriteParams("100,0.0," + Num(cx) + "," + Num(cy) + "," + Num(sx) + "," + Num(sy) + "," +
                Num(ex) + "," + Num(ey) + ";");
    Entry e;
    e.type = 100;
    e.matrix = "0";
    e.status = inDefinition_ ? "00010000" : "00000000";
    Directory(e);
}

void IgesWriter::Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4) {
    BeginEntity();
    WriteParams("106,1,5,0.0," + Num(x1) + "," + Num(y1) + ",");
    WriteParams(Num(x4) + "," + Num(y4) + ",");
    WriteParams(Num(x3) + "," + Num(y3) + ",");
    WriteParams(Num(x2) + "," + Num(y2) + ",");
    WriteParams(Num(x1) + "," + Num(y1) + ";");
    Entry e;
    e.type = 106;
    e.matrix = "0";
    e.form = "11";
    e.status = inDefinition_ ? "00010000" : "00000000";
    Directory(e);
}

void IgesWriter::Text(const std::string& text, double x, double y) {
    const std::string t = CadText(settings_.text, text);
    const double h = state_.text.height;
    const double n = static_cast<double>(t.size());
    BeginEntity();
    WriteParams("212,1," + std::to_string(t.size()) + "," + Num(n * h * state_.text.widthFactor) +
                "," + Num(h) + ",1,," + FormatDecimals(number_, 6, state_.text.angle * kPi / 180) +
                ",0,0," + Num(x) + "," + Num(y) + ",0.0,");
    WriteParams(Hollerith(t) + ";");
    Entry e;
    e.type = 212;
    e.matrix = "0";
    e.status = inDefinition_ ? "00010000" : "00000000";
    Directory(e);
}

void IgesWriter::BeginDefinition(const std::string& name) {
    inDefinition_ = true;
    members_.clear();
    definitions_.push_back({name.substr(0, 8), 0});
}

void IgesWriter::EndDefinition() {
    inDefinition_ = false;
    if (definitions_.empty()) return;
    Definition& d = definitions_.back();
    d.pointer = counts_[2] + 1;
    paramLines_ = 0;
    pointer_ += 2;
    const std::string head = "308,0," + Hollerith(d.name) + ",";
    if (members_.empty()) {
        WriteParams(head + "0;");
    } else {
        WriteParams(head + std::to_string(members_.size()) + ",");
        for (size_t i = 0; i < members_.size(); i += 12) {
            std::string group;
            for (size_t j = i; j < members_.size() && j < i + 12; ++j)
                group += std::to_string(members_[j]) + ",";
            if (i + 12 >= members_.size()) group.back() = ';';
            WriteParams(group);
        }
    }
    Entry e;
    e.type = 308;
    e.label = d.name;
    Directory(e);
    members_.clear();
}

bool IgesWriter::Instance(const std::string& name, double x, double y, double angle) {
    int definition = 0;
    bool found = false;
    for (const Definition& d : definitions_)
        if (d.name == name) {
            definition = d.pointer;
            found = true;
            break;
        }
    const std::string def = std::to_string(definition);
    Entry e;
    e.type = 408;
    if (angle == 0) {
        BeginEntity();
        WriteParams("408," + def + "," + Num(x) + "," + Num(y) + ",0.0,1.0;");
    } else {
        const double a = angle * kPi / 180;
        auto m = [&](double v) { return FormatFixed(number_, 0, 6, v); };
        BeginEntity(false);
        WriteParams("124," + m(std::cos(a)) + "," + m(-std::sin(a)) + ",0.0," + Num(x) + ",");
        WriteParams(m(std::sin(a)) + "," + m(std::cos(a)) + ",0.0," + Num(y) + ",");
        WriteParams("0.0,0.0,1.0,0.0;");
        Entry t;
        t.type = 124;
        t.status = "00010000";
        t.form = "0";
        Directory(t);
        e.matrix = std::to_string(counts_[2] - 1);
        BeginEntity();
        WriteParams("408," + def + ",0.0,0.0,0.0,1.0;");
    }
    e.status = inDefinition_ ? "00010000" : "00000000";
    Directory(e);
    return found;
}

void IgesWriter::Finish() {
    if (!scratch_) throw IoError(scratchPath_, EBADF);
    if (std::fflush(scratch_) != 0 || std::fseek(scratch_, 0, SEEK_SET) != 0)
        throw IoError(scratchPath_, errno);
    std::string line;
    for (int c; (c = std::fgetc(scratch_)) != EOF;) {
        if (c == '\n') {
            out_.WriteLine(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (std::ferror(scratch_)) throw IoError(scratchPath_, errno);
    if (!line.empty()) out_.WriteLine(line);
    WriteRecord('T',
                "S" + ZeroPad(counts_[0], 7) + "G" + ZeroPad(counts_[1], 7) + "D" +
                    ZeroPad(counts_[2], 7) + "P" + ZeroPad(counts_[3], 7),
                "");
    out_.Close();
    std::fclose(scratch_);
    scratch_ = nullptr;
    std::remove(scratchPath_.c_str());
    scratchPath_.clear();
}

}  // namespace zel3
