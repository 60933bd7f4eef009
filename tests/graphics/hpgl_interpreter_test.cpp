#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/hpgl_interpreter.h"
#include "graphics/hpgl_reader.h"
#include "support/recording_hpgl_sink.h"

namespace zel3 {
namespace {

using Calls = std::vector<std::string>;

Calls Play(const std::string& data, HpglState& state) {
    test::RecordingHpglSink sink;
    PlayHpgl(data, state, sink);
    return sink.Drawing();
}

Calls Play(const std::string& data) {
    HpglState state;
    return Play(data, state);
}

// 8-bit encoding of one PE coordinate (plotter units).
std::string Encode8(long v) {
    unsigned long s = v >= 0 ? 2ul * v : 2ul * static_cast<unsigned long>(-v) + 1;
    std::string out;
    while (s >= 64) {
        out += static_cast<char>(63 + (s & 63));
        s >>= 6;
    }
    out += static_cast<char>(191 + s);
    return out;
}

std::string Encode7(long v) {
    unsigned long s = v >= 0 ? 2ul * v : 2ul * static_cast<unsigned long>(-v) + 1;
    std::string out;
    while (s >= 32) {
        out += static_cast<char>(63 + (s & 31));
        s >>= 5;
    }
    out += static_cast<char>(95 + s);
    return out;
}

TEST(HpglInterpreter, PenMovesDrawLinesInMillimetres) {
    EXPECT_EQ(Play("PU;PD;"), Calls{});
    EXPECT_EQ(Play("PU0,0;PD100,0,100,100;"), (Calls{"line 0 0 2.5 0", "line 2.5 0 2.5 2.5"}));
    // Blanks and line ends anywhere, lower-case mnemonics, P and A inside coordinates.
    EXPECT_EQ(Play("pu 40 ,\r\n 40;p d80,40 ;PA 80,P80;"), (Calls{"line 1 1 2 1", "line 2 1 2 2"}));
    // A pen-down move straight after the start draws from the undefined point.
    EXPECT_EQ(Play("PD40,0;"), Calls{"line -999 -999 1 0"});
}

TEST(HpglInterpreter, CurrentPointRestartsWithEveryPicture) {
    HpglState state;
    Play("PU400,400;", state);
    EXPECT_DOUBLE_EQ(state.x, 10.0);
    EXPECT_EQ(Play("PD0,0;", state), Calls{"line -999 -999 0 0"});
    // The pen starts up in every picture.
    EXPECT_EQ(Play("PA40,0;", state), Calls{});
    EXPECT_DOUBLE_EQ(state.x, 1.0);
}

TEST(HpglInterpreter, PensBecomeWindowColours) {
    test::RecordingHpglSink sink;
    HpglState state;
    PlayHpgl("SP2;PU0,0;PD40,0;SP9;PD0,0;SP;PD40,0;SP300;CI4;", state, sink);
    EXPECT_EQ(sink.calls, (Calls{"color 14", "line 0 0 1 0", "color 9", "line 1 0 0 0", "color 12",
                                 "line 0 0 1 0", "color 255", "circle 1 0 0.1"}));
    EXPECT_EQ(HpglPenColor(1), 12);
    EXPECT_EQ(HpglPenColor(7), 15);
    EXPECT_EQ(HpglPenColor(8), 8);
    EXPECT_EQ(HpglPenColor(0), 0);
}

TEST(HpglInterpreter, PenSizeDirectionAndCharacterSetCarryOver) {
    HpglState state;
    Play("SP3;SI0.2,0.3;DI0,1;CS3;PU100,100;", state);
    EXPECT_EQ(Play("LBab\x03", state), (Calls{"style 2 90 3 2", "text -999 -999 ab"}));
    EXPECT_EQ(state.pen, 3);
    EXPECT_EQ(state.charSet, 3);
}

TEST(HpglInterpreter, CirclesSkipTheChordAngle) {
    EXPECT_EQ(Play("PU40,80;CI40,5;PD0,0;"), (Calls{"circle 1 2 1", "line 1 2 0 0"}));
    EXPECT_EQ(Play("PU0,0;CI-40;"), Calls{"circle 0 0 1"});
}

TEST(HpglInterpreter, LabelsUseSizeDirectionAndStayAtThePoint) {
    HpglState state;
    EXPECT_EQ(Play("PU40,40;LBHallo Welt\r\n!\x03PD80,40;", state),
              (Calls{"style 2 0 50 50", "text 1 1 Hallo Welt!", "line 1 1 2 1"}));
    EXPECT_EQ(Play("SI0.15,0.25;DI-1,0;PU0,0;LBx\x03;", state),
              (Calls{"style 2 180 2.5 1.5", "text 0 0 x"}));
    // Size without parameters keeps the size, direction without them is horizontal.
    EXPECT_EQ(Play("SI;DI;LBy\x03", state), (Calls{"style 2 0 2.5 1.5", "text -999 -999 y"}));
}

TEST(HpglInterpreter, CharacterSetThreeWritesUmlauts) {
    EXPECT_EQ(Play("CS3;PU0,0;LBA}rger\x03"), (Calls{"style 2 0 50 50", "text 0 0 \x8Erger"}));
    EXPECT_EQ(Play("CS3;PU0,0;LBO}U}a}o}u}x}}\x03").back(), "text 0 0 \x99\x9A\x84\x94\x81x");
    // Other character sets keep the brace.
    EXPECT_EQ(Play("CS0;PU0,0;LBA}\x03").back(), "text 0 0 A}");
}

TEST(HpglInterpreter, AbsoluteArcs) {
    // Clockwise quarter from (1, 0) to (0, -1): drawn counter-clockwise from -90 to 0.
    HpglState state;
    EXPECT_EQ(Play("PU40,0;PD;AA0,0,-90;", state), Calls{"arc 0 0 -90 0 1"});
    EXPECT_NEAR(state.x, 0.0, 1e-9);
    EXPECT_NEAR(state.y, -1.0, 1e-9);
    EXPECT_EQ(Play("PU40,0;PD;AA0,0,90,5;PD0,0;"), (Calls{"arc 0 0 0 90 1", "line 0 1 0 0"}));
    EXPECT_EQ(Play("PU40,0;PD;AA0,0,360;"), Calls{"circle 0 0 1"});
    // Pen up: the point moves, nothing is drawn.
    EXPECT_EQ(Play("PU40,0;AA0,0,180;PD0,0;"), Calls{"line -1 0 0 0"});
}

TEST(HpglInterpreter, ZeroSweepArcIsTheWholeCircle) {
    HpglState state;
    EXPECT_EQ(Play("PU80,0;PD;AA0,0,0;", state), Calls{"circle 0 0 2"});
    // The pen stays where it was, on the circle.
    EXPECT_NEAR(state.x, 2.0, 1e-9);
    EXPECT_NEAR(state.y, 0.0, 1e-9);
    // An empty angle reads as 0; with the pen up nothing is drawn.
    EXPECT_EQ(Play("PU0,40;PD;AA0,0,;"), Calls{"circle 0 0 1"});
    EXPECT_EQ(Play("PU0,40;AA0,0,0;"), Calls{});
}

TEST(HpglInterpreter, EncodedPolylinesInBothModes) {
    std::string pe8 = "PU40,40;PE" + Encode8(40) + Encode8(0) + "<" + Encode8(0) + Encode8(40) +
                      Encode8(-40) + Encode8(0) + "=" + Encode8(0) + Encode8(0) + ";";
    EXPECT_EQ(Play(pe8), (Calls{"line 1 1 2 1", "line 2 2 1 2", "line 1 2 0 0"}));
    std::string pe7 = "PU0,0;PE7" + Encode7(-1000) + Encode7(123456) + ";";
    EXPECT_EQ(Play(pe7), Calls{"line 0 0 -25 3086.4"});
    // Pen select takes the next character's code, limited to 1..15; ">" skips one character.
    test::RecordingHpglSink sink;
    HpglState state;
    PlayHpgl("PU0,0;PE:\x02>x" + Encode8(40) + Encode8(40) + ";", state, sink);
    EXPECT_EQ(sink.calls, (Calls{"color 14", "line 0 0 1 1"}));
    EXPECT_EQ(state.pen, 2);
}

TEST(HpglInterpreter, UnknownInstructionsAreSkippedWithTheirParameters) {
    EXPECT_EQ(Play("IN;IP0,0,4000,4000;SC0,100,0,100;LT2,4;PR40,40;PU0,0;VS10;PD40,0;"),
              Calls{"line 0 0 1 0"});
    // A one-letter stray before ";" swallows nothing.
    EXPECT_EQ(Play("X;PU0,0;PD40,0;"), Calls{"line 0 0 1 0"});
}

TEST(HpglInterpreter, BadInputEndsQuietly) {
    // A label without its end character draws nothing and ends the picture.
    EXPECT_EQ(Play("PU0,0;PD40,0;LBno end;PD0,0;"), Calls{"line 0 0 1 0"});
    // Truncated encoded polylines: the incomplete point is dropped.
    EXPECT_EQ(Play("PU0,0;PE" + Encode8(40) + Encode8(40) + Encode8(4000).substr(0, 1)),
              Calls{"line 0 0 1 1"});
    EXPECT_EQ(Play("PU0,0;PE" + Encode8(40) + ";PD40,0;"), Calls{"line 0 0 1 0"});
    // A coordinate list cut after the x value.
    EXPECT_EQ(Play("PU0,0;PD40,"), Calls{});
    // Huge, negative and unreadable numbers stay finite.
    Calls huge = Play("PU0,0;PD1e999,-99999999999999;PDx,y;");
    ASSERT_EQ(huge.size(), 2u);
    EXPECT_EQ(huge[0], "line 0 0 26843545.6 -26843545.6");
    EXPECT_EQ(huge[1], "line 26843545.6 -26843545.6 0 0");
    std::string digits(5000, 'A');  // an endless continuation string saturates
    Calls longPe = Play("PU0,0;PE" + digits + "\xC0" + Encode8(0) + ";");
    ASSERT_EQ(longPe.size(), 1u);
    EXPECT_EQ(longPe[0], "line 0 0 26843545.6 0");
    EXPECT_DOUBLE_EQ(HpglNumberValue("nan"), 0.0);
    EXPECT_DOUBLE_EQ(HpglNumberValue("-1e-999"), 0.0);
}

TEST(HpglInterpreter, GarbageNeverCrashesOrLoops) {
    // Every byte value, in every position of a short instruction stream.
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    for (const char* prefix : {"", "PE", "PE7", "LB", "AA", "PD", "CS3;LB", "SP", "CI"}) {
        Play(prefix + all);
        Play(prefix + all + all);
    }
    std::string noise;
    unsigned x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        noise += static_cast<char>(x >> 16);
    }
    Play(noise);
    Play("PE" + noise);
    SUCCEED();
}

}  // namespace
}  // namespace zel3
