#include "project/project_file_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/project_sections.h"
#include "util/line_file.h"

namespace zel3 {
namespace {

const ProjectBanner kBanner{"ZEL3  Hertz'sche Pressung", "2.7", "ZEL3"};

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t end = content.find("\r\n", pos);
        if (end == std::string::npos) {
            out.push_back(content.substr(pos));
            break;
        }
        out.push_back(content.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

std::string Write(const ContactCase& c, const NumberFormat& nf = {}) {
    LineWriter out;
    WriteProjectLines(out, nf, kBanner, c);
    return out.content();
}

int Read(const std::string& content, ContactCase& c) {
    bool flag = false;
    LineReader in(content, flag);
    return ReadProjectLines(in, c);
}

ContactCase BallInGroove() {
    ContactCase c;
    c.remarks = {"Rillenkugellager 6205", "Kugel in Innenring-Rille", ""};
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = c.body[0].ry = 3.969;
    c.body[0].materialNumber = "1.3505";
    c.body[0].materialName = "100Cr6";
    c.body[0].materialRecord = 12;
    c.body[0].Rm = 2000;
    c.body[0].Re = 1700;
    c.body[1].kind = BodyKind::Special;
    c.body[1].rx = -4.1275;
    c.body[1].ry = 15.6;
    c.body[1].mue = 0.29;
    c.F = 1250.5;
    c.principalAngle = 90;
    c.drawingName = "Lagerstelle";
    c.drawingNumber = "ZL-0815";
    c.drawingName2 = "Innenring";
    c.drawingInfo.signOff[kDrawnBy] = {"01.12.2026", "Huber"};
    c.drawingInfo.signOff[kChecked] = {"02.12.2026", "Maier"};
    c.drawingInfo.replaces = "ZL-0814";
    c.drawingInfo.placementCount = 1;
    c.drawingInfo.placements[0] = {120, 35.5, 3.5, 0,
                                   "Ma\xE1"
                                   "stab 1:1"};
    c.changes.count = 2;
    c.changes.entries[0] = {"Radius", "03.12.2026", "HU", "Rillenradius\ngeändert"};
    c.changes.entries[1] = {"Kraft", "04.12.2026", "MA", "F erhöht"};
    c.documents[0] = {"xdg-open", "/home/huber/6205.pdf"};
    return c;
}

TEST(ProjectFileFormat, LinesStandInTheirPlaces) {
    const std::vector<std::string> l = Lines(Write(BallInGroove()));
    ASSERT_EQ(l.size(), 76u);
    EXPECT_EQ(l[0], std::string(65, '-'));
    EXPECT_EQ(l[1].rfind("ZEL3  Hertz'sche Pressung", 0), 0u);
    EXPECT_EQ(l[2].rfind("Version 2.7    ", 0), 0u);
    EXPECT_EQ(l[4], std::string(65, '-'));
    EXPECT_EQ(l[5], "Rillenkugellager 6205");
    EXPECT_EQ(l[7], "");
    // Body 1: E, mue, rx, ry, record, kind, sphere d, cylinder d, cylinder L.
    const std::vector<std::string> body1(l.begin() + 8, l.begin() + 17);
    EXPECT_EQ(body1, (std::vector<std::string>{"210000.0000000", "0.3000000", "3.9690000",
                                               "3.9690000", "12", "3", "0", "0", "0"}));
    EXPECT_EQ(l[19], "-4.1275000");
    EXPECT_EQ(l[26], "90.0000000");
    EXPECT_EQ(l[27], "1250.5000000");
    EXPECT_EQ(l[28], "Lagerstelle");
    EXPECT_EQ(l[29], "ZL-0815");
    EXPECT_EQ(l[30], "Innenring");
    EXPECT_EQ(l[31],
              "\x8E"
              "NDERUNGEN");
    EXPECT_EQ(l[32], "2");
    EXPECT_EQ(l[33], std::string(20, '-'));
    EXPECT_EQ(l[34], "Radius");
    EXPECT_EQ(l[37], "Rillenradius|geändert");  // the line break of the description
    EXPECT_EQ(l[38], std::string(14, '-'));
    EXPECT_EQ(l[44], "02.12.2026|Maier|||||1||");
    EXPECT_EQ(l[45], "01.12.2026");
    EXPECT_EQ(l[46], "ZL-0814");
    EXPECT_EQ(l[47], "");
    EXPECT_EQ(l[48], "Huber");
    EXPECT_EQ(l[49], "120|35.5|3.5|0|Ma\xE1stab 1:1||");
    EXPECT_EQ(l[50], "Dokumente");
    EXPECT_EQ(l[51], "5");
    EXPECT_EQ(l[53], "xdg-open");
    EXPECT_EQ(l[54], "/home/huber/6205.pdf");
    EXPECT_EQ(l[55], std::string(14, '-'));
    EXPECT_EQ(l[68], "1.3505");
    EXPECT_EQ(l[69], "2000.0000000");
    EXPECT_EQ(l[70], "1700.0000000");
    EXPECT_EQ(l[74], "100Cr6");
    EXPECT_EQ(l[75], "");
}

TEST(ProjectFileFormat, EmptyChangeLogAndStoredNumbers) {
    ContactCase c;
    c.body[0].rx = 0.5;
    c.body[0].ry = -2;
    c.body[1].rx = 1;
    c.body[1].ry = 1e-12;
    const std::vector<std::string> l = Lines(Write(c));
    EXPECT_EQ(l[10], "0.5000000");
    EXPECT_EQ(l[11], "-2");
    EXPECT_EQ(l[19], "1.0000000");
    EXPECT_EQ(l[20], "0");
    EXPECT_EQ(l[27], "0");  // F
    EXPECT_EQ(l[31],
              "\x8E"
              "NDERUNGEN");
    EXPECT_EQ(l[32], "0");
    EXPECT_EQ(l[33], std::string(20, '-'));
    EXPECT_EQ(l[34], "||||||0||");
}

TEST(ProjectFileFormat, WrittenFilesReadBackAndSaveAgainByteForByte) {
    for (int separator : {1, 2}) {
        NumberFormat nf;
        nf.separator = separator;
        const ContactCase original = BallInGroove();
        const std::string first = Write(original, nf);
        if (separator == 2) {
            EXPECT_NE(first.find("1250,5000000"), std::string::npos);
        }
        ContactCase loaded;
        EXPECT_EQ(Read(first, loaded), 0);
        EXPECT_EQ(Write(loaded, nf), first);
        EXPECT_DOUBLE_EQ(loaded.F, 1250.5);
        EXPECT_DOUBLE_EQ(loaded.body[1].rx, -4.1275);
        EXPECT_DOUBLE_EQ(loaded.body[1].mue, 0.29);
        EXPECT_EQ(loaded.body[0].kind, BodyKind::Special);
        EXPECT_EQ(loaded.body[0].materialRecord, 12);
        EXPECT_EQ(loaded.body[0].materialName, "100Cr6");
        EXPECT_EQ(loaded.changes.count, 2);
        EXPECT_EQ(loaded.changes.entries[0].description, "Rillenradius\ngeändert");
        EXPECT_EQ(loaded.drawingInfo.signOff[kChecked].name, "Maier");
        EXPECT_EQ(loaded.drawingInfo.replaces, "ZL-0814");
        EXPECT_EQ(loaded.drawingInfo.placementCount, 1);
        EXPECT_EQ(loaded.drawingInfo.placements[0].text, "Ma\xE1stab 1:1");
        EXPECT_DOUBLE_EQ(loaded.drawingInfo.placements[0].y, 35.5);
        EXPECT_EQ(loaded.documents[0].file, "/home/huber/6205.pdf");
        EXPECT_EQ(loaded.documents[4].program, "xdg-open");
    }
}

TEST(ProjectFileFormat, TextsAreCutAndLineBreaksStayOnOneLine) {
    ContactCase c;
    c.body[0].materialName = std::string(20, 'W');  // longer than a name may be
    c.drawingName = "Zeile\r\nzwei";
    c.changes.count = 1;
    c.changes.entries[0].description = "eins\r\nzwei\rdrei";
    c.drawingInfo.placementCount = 1;
    c.drawingInfo.placements[0].text = "a|b";
    c.drawingInfo.signOff[kStandards].name = "x|y";
    const std::string text = Write(c);
    ContactCase loaded;
    ASSERT_EQ(Read(text, loaded), 0);
    EXPECT_EQ(loaded.body[0].materialName, std::string(18, 'W'));
    EXPECT_EQ(loaded.drawingName, "Zeile  zwei");
    EXPECT_EQ(loaded.changes.entries[0].description, "eins\nzwei\ndrei");
    EXPECT_EQ(loaded.drawingInfo.placements[0].text, "a|b");
    EXPECT_EQ(loaded.drawingInfo.signOff[kStandards].name, "x/y");
    EXPECT_EQ(Write(loaded), text);
}

// A file cut after any line keeps the built-in defaults of everything after the cut.
TEST(ProjectFileFormat, FilesEndingEarlyKeepDefaultsFromTheCutOn) {
    const std::string full = Write(BallInGroove());
    const std::vector<std::string> lines = Lines(full);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string part;
        for (std::size_t i = 0; i < n; ++i) part += lines[i] + "\r\n";
        ContactCase c;
        const int bad = Read(part, c);
        SCOPED_TRACE(n);
        EXPECT_EQ(bad, static_cast<int>(n) + 1);
        if (n < 28) {
            EXPECT_DOUBLE_EQ(c.F, 0);
        }
        if (n < 9) {
            EXPECT_DOUBLE_EQ(c.body[0].E, 210000);
        }
        EXPECT_EQ(c.body[1].materialName, "");
    }
}

TEST(ProjectFileFormat, DamagedFilesAreRefusedWhereTheDamageIs) {
    std::vector<std::string> lines = Lines(Write(BallInGroove()));
    auto join = [](const std::vector<std::string>& l) {
        std::string s;
        for (const std::string& x : l) s += x + "\r\n";
        return s;
    };
    {
        std::vector<std::string> l = lines;
        l[27] = "zwölf";  // text where F belongs
        ContactCase c;
        EXPECT_EQ(Read(join(l), c), 28);
        EXPECT_DOUBLE_EQ(c.F, 0);
        EXPECT_DOUBLE_EQ(c.principalAngle, 90);  // read before the damage
        EXPECT_EQ(c.body[1].kind, BodyKind::Special);
        EXPECT_EQ(c.drawingName, "");
    }
    {
        std::vector<std::string> l = lines;
        l[13] = "4";  // a plane is no body 1
        ContactCase c;
        EXPECT_EQ(Read(join(l), c), 14);
        EXPECT_EQ(c.body[0].kind, BodyKind::Sphere);
    }
    {
        std::vector<std::string> l = lines;
        l[32] = "26";  // more changes than there is room for
        ContactCase c;
        EXPECT_EQ(Read(join(l), c), 33);
        EXPECT_EQ(c.changes.count, 0);
    }
    {
        std::vector<std::string> l = lines;
        l[5] = std::string(100000, 'x');  // absurdly long line
        ContactCase c;
        EXPECT_EQ(Read(join(l), c), 6);
        EXPECT_EQ(c.remarks[0], "");
    }
    {
        std::vector<std::string> l = lines;
        l[44] = "no bars here";
        ContactCase c;
        EXPECT_EQ(Read(join(l), c), 45);
        EXPECT_EQ(c.changes.count, 2);  // read before the damage
        EXPECT_EQ(c.drawingInfo.replaces, "");
    }
    {
        std::string binary;
        for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) % 256);
        ContactCase c;
        EXPECT_GT(Read(binary, c), 0);
        EXPECT_DOUBLE_EQ(c.body[0].E, 210000);
        EXPECT_EQ(c.body[0].kind, BodyKind::Sphere);
    }
    {
        ContactCase c;
        EXPECT_EQ(Read("", c), 1);
    }
}

TEST(ProjectFileFormat, ValuesJustBelowAWholeNumberSaveAgainTheSame) {
    ContactCase c;
    c.body[0].mue = 0.99999999999;
    c.body[1].rx = -0.99999999999;
    const std::string first = Write(c);
    ContactCase loaded;
    ASSERT_EQ(Read(first, loaded), 0);
    EXPECT_EQ(Write(loaded), first);
    EXPECT_NEAR(loaded.body[0].mue, 1, 1e-7);
}

TEST(ProjectFileFormat, ChangeDescriptionsKeepTheirLineBreaks) {
    EXPECT_EQ(DescriptionToLine("a\r\nb"), "a|b");
    EXPECT_EQ(DescriptionToLine("a\nb\rc"), "a|b|c");
    EXPECT_EQ(DescriptionFromLine("a|b"), "a\nb");
}

}  // namespace
}  // namespace zel3
