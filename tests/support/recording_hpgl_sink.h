#pragma once
// Records the drawing calls of the HP-GL interpreter as short texts, numbers rounded to
// three decimals, so tests compare whole drawings.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/hpgl_sink.h"

namespace zel3::test {

class RecordingHpglSink : public HpglSink {
  public:
    std::vector<std::string> calls;

    void SetColor(int color) override { calls.push_back("color " + std::to_string(color)); }
    void line(double x1, double y1, double x2, double y2) override {
        calls.push_back("line " + N(x1) + " " + N(y1) + " " + N(x2) + " " + N(y2));
    }
    void circle(double x, double y, double r) override {
        calls.push_back("circle " + N(x) + " " + N(y) + " " + N(r));
    }
    void Arc(double x, double y, double st, double end, double r) override {
        calls.push_back("arc " + N(x) + " " + N(y) + " " + N(st) + " " + N(end) + " " + N(r));
    }
    void SetTextStyle(int font, double angle, double height, double width) override {
        calls.push_back("style " + std::to_string(font) + " " + N(angle) + " " + N(height) + " " +
                        N(width));
    }
    void OutTextXY(double x, double y, const std::string& text) override {
        calls.push_back("text " + N(x) + " " + N(y) + " " + text);
    }

    // The calls without the colour changes.
    std::vector<std::string> Drawing() const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("color ", 0) != 0) out.push_back(c);
        return out;
    }

    static std::string N(double v) {
        if (std::fabs(v) < 0.0005) v = 0.0;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.3f", v);
        std::string s = buf;
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        return s;
    }
};

}  // namespace zel3::test
