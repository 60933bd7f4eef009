#include "graphics/hpgl_interpreter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "graphics/hpgl_encoded.h"
#include "graphics/hpgl_reader.h"

namespace zel3 {

namespace {

constexpr int kEndOfText = 3;
// The facade drops texts of 255 characters or more; longer labels are cut to this.
constexpr size_t kMaxLabel = 254;
constexpr double kPi = 3.14159265358979323846;

double Degrees(double rad) {
    return rad * 180.0 / kPi;
}

int ToInt(double v, int low, int high) {
    return static_cast<int>(
        std::clamp(std::trunc(v), static_cast<double>(low), static_cast<double>(high)));
}

// Character set 3 writes an umlaut as the letter followed by "}".
char Umlaut(char c) {
    switch (c) {
        case 'A':
            return static_cast<char>(142);
        case 'O':
            return static_cast<char>(153);
        case 'U':
            return static_cast<char>(154);
        case 'a':
            return static_cast<char>(132);
        case 'o':
            return static_cast<char>(148);
        case 'u':
            return static_cast<char>(129);
        default:
            return c;
    }
}

class Interpreter {
  public:
    Interpreter(std::string_view data, HpglState& state, HpglSink& sink)
        : r_(data), s_(state), sink_(sink) {}

    void Run() {
        s_.x = kHpglNoPoint;
        s_.y = kHpglNoPoint;
        s_.penDown = false;
        for (;;) {
            int c1 = r_.Next();
            if (c1 == ';') continue;
            if (c1 == HpglReader::kEnd) return;
            int c2 = r_.Next();
            if (c2 == HpglReader::kEnd) return;
            if (c2 == ';') continue;  // a one-letter instruction: nothing to skip
            Dispatch(Upper(c1), Upper(c2));
        }
    }

  private:
    static int Upper(int c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

    void Dispatch(int a, int b) {
        auto is = [a, b](const char* m) { return a == m[0] && b == m[1]; };
        if (is("PU")) {
            s_.penDown = false;
            CoordinateList();
        } else if (is("PD")) {
            s_.penDown = true;
            CoordinateList();
        } else if (is("PA")) {
            CoordinateList();
        } else if (is("SP")) {
            SelectPen();
        } else if (is("CI")) {
            Circle();
        } else if (is("SI")) {
            CharacterSize();
        } else if (is("DI")) {
            Direction();
        } else if (is("LB")) {
            Label();
        } else if (is("AA")) {
            ArcAbsolute();
        } else if (is("PE")) {
            HpglEncodedPolyline pe{r_, s_, sink_};
            pe.Run();
        } else if (is("CS")) {
            HpglNumber n = r_.ReadNumber(true);
            if (!n.ended) r_.SkipInstruction();
            s_.charSet = ToInt(n.value, -32768, 32767);
        } else {
            r_.SkipInstruction();
        }
    }

    void UsePenColor() { sink_.SetColor(HpglPenColor(s_.pen)); }

    void CoordinateList() {
        for (;;) {
            HpglNumber x = r_.ReadNumber(true);
            if (x.ended) return;
            HpglNumber y = r_.ReadNumber(true);
            if (y.empty && r_.AtEnd()) return;  // cut off after the x value
            double nx = kHpglUnit * x.value;
            double ny = kHpglUnit * y.value;
            if (s_.penDown) {
                UsePenColor();
                sink_.line(s_.x, s_.y, nx, ny);
            }
            s_.x = nx;
            s_.y = ny;
            if (y.ended) return;
        }
    }

    void SelectPen() {
        HpglNumber n = r_.ReadNumber(false);
        if (!n.ended) r_.SkipInstruction();
        s_.pen = n.empty ? 1 : ToInt(n.value, 0, 255);
    }

    void Circle() {
        HpglNumber rad = r_.ReadNumber(true);
        if (!rad.ended) r_.SkipInstruction();  // chord angle
        UsePenColor();
        sink_.circle(s_.x, s_.y, std::fabs(rad.value) * kHpglUnit);
    }

    // Reads two parameters; false when there were none at all.
    bool Pair(double& a, double& b) {
        HpglNumber first = r_.ReadNumber(false);
        if (first.ended && first.empty) return false;
        a = first.value;
        if (first.ended) return true;
        HpglNumber second = r_.ReadNumber(false);
        b = second.value;
        if (!second.ended) r_.SkipInstruction();
        return true;
    }

    void CharacterSize() {
        // Without parameters the size stays: text of height 0 would vanish.
        double w = s_.charWidth, h = s_.charHeight;
        if (!Pair(w, h)) return;
        s_.charWidth = w;
        s_.charHeight = h;
    }

    void Direction() {
        double run = 1.0, rise = 0.0;
        Pair(run, rise);
        s_.run = run;
        s_.rise = rise;
    }

    void Label() {
        std::string text;
        bool lastKept = false;
        for (;;) {
            int c = r_.NextInLabel();
            if (c == HpglReader::kEnd) return;  // never terminated: nothing to draw
            if (c == kEndOfText) break;
            if (s_.charSet == 3 && c == '}') {
                if (lastKept) text.back() = Umlaut(text.back());
                continue;
            }
            lastKept = text.size() < kMaxLabel;
            if (lastKept) text += static_cast<char>(c);
        }
        UsePenColor();
        double angle =
            (s_.run == 0.0 && s_.rise == 0.0) ? 0.0 : Degrees(std::atan2(s_.rise, s_.run));
        sink_.SetTextStyle(2, angle, 10.0 * s_.charHeight, 10.0 * s_.charWidth);
        sink_.OutTextXY(s_.x, s_.y, text);
    }

    void ArcAbsolute() {
        HpglNumber x = r_.ReadNumber(true);
        if (x.ended) return;
        HpglNumber y = r_.ReadNumber(true);
        if (y.ended) return;
        HpglNumber sweep = r_.ReadNumber(false);
        if (!sweep.ended) r_.SkipInstruction();  // chord angle
        double cx = kHpglUnit * x.value;
        double cy = kHpglUnit * y.value;
        double dx = s_.x - cx;
        double dy = s_.y - cy;
        double radius = std::hypot(dx, dy);
        double turn = sweep.value * kPi / 180.0;
        double ex = cx + dx * std::cos(turn) - dy * std::sin(turn);
        double ey = cy + dx * std::sin(turn) + dy * std::cos(turn);
        double start = Degrees(std::atan2(dy, dx));
        double end = Degrees(std::atan2(ey - cy, ex - cx));
        if (s_.penDown) {
            UsePenColor();
            // No sweep at all is the whole circle, as is a full turn.
            if (sweep.value == 0.0 || std::fabs(sweep.value) >= 360.0)
                sink_.circle(cx, cy, radius);
            else if (sweep.value > 0.0)
                sink_.Arc(cx, cy, start, end, radius);
            else
                sink_.Arc(cx, cy, end, start, radius);
        }
        s_.x = ex;
        s_.y = ey;
    }

    HpglReader r_;
    HpglState& s_;
    HpglSink& sink_;
};

}  // namespace

int HpglPenColor(int pen) {
    static constexpr int kBright[8] = {0, 12, 14, 10, 11, 9, 13, 15};
    return (pen >= 1 && pen <= 7) ? kBright[pen] : pen;
}

void PlayHpgl(std::string_view data, HpglState& state, HpglSink& sink) {
    Interpreter(data, state, sink).Run();
}

}  // namespace zel3
