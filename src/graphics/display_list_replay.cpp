// The replay of the display list (the paint handler of the graphics window).

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

#include "config/settings.h"
#include "graphics/color_table.h"
#include "graphics/graphics_engine.h"
#include "graphics/screen_mapping.h"
#include "graphics/screen_replay.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr size_t kEventsEvery = 50000;
// A damaged pause record must not freeze the window for days: no pause of ours is longer.
constexpr int kMaxPauseMs = 10000;
// Nor may it ask for pens wider than any screen or page (or overflow the printer's width).
constexpr int kMaxLineWidth = 1000;

// Walks the ";"-separated fields of one record without copying it.
class Fields {
  public:
    explicit Fields(std::string_view r) : rest_(r) {}
    bool Next(std::string_view& f) {
        if (done_) return false;
        size_t p = rest_.find(';');
        if (p == std::string_view::npos) {
            f = rest_;
            done_ = true;
        } else {
            f = rest_.substr(0, p);
            rest_.remove_prefix(p + 1);
        }
        return true;
    }
    bool Int(int& v) {
        std::string_view f;
        if (!Next(f)) return false;
        while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
        auto r = std::from_chars(f.data(), f.data() + f.size(), v);
        return r.ec == std::errc() && r.ptr == f.data() + f.size();
    }
    bool Real(double& v) {
        std::string_view f;
        if (!Next(f)) return false;
        while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
        if (!f.empty() && f.front() == '+') f.remove_prefix(1);
        auto r = std::from_chars(f.data(), f.data() + f.size(), v);
        return r.ec == std::errc() && r.ptr == f.data() + f.size() && std::isfinite(v);
    }
    template <size_t N>
    bool Reals(double (&v)[N]) {
        for (size_t i = 0; i < N; ++i)
            if (!Real(v[i])) return false;
        return true;
    }
    // Everything left, ";" included (the text of a text record).
    std::string_view Rest() const { return done_ ? std::string_view() : rest_; }

  private:
    std::string_view rest_;
    bool done_ = false;
};

// Pen, brush and font colour of one canvas, applied only when they change.
struct CanvasState {
    Canvas* canvas = nullptr;
    Rgb pen{0, 0, 0};
    Rgb brush{0, 0, 0};
    Rgb font{0, 0, 0};
    PenStyle style = PenStyle::Solid;
    int width = 1;
    bool penDirty = true;
    Rgb appliedBrush{-1, -1, -1};
    bool appliedSolid = false;

    void Pen() {
        if (penDirty) {
            canvas->SetPen(pen, style, width);
            penDirty = false;
        }
    }
    void Brush(const Rgb& c, bool solid) {
        if (c != appliedBrush || solid != appliedSolid) {
            canvas->SetBrush(c, solid);
            appliedBrush = c;
            appliedSolid = solid;
        }
    }
};

}  // namespace

class DisplayListReplay {
  public:
    DisplayListReplay(GraphicsEngine& g, Canvas& screen, int width, int height,
                      const PrintPage* page, const std::function<bool()>* outdated = nullptr)
        : g_(g),
          m_(g.mapping),
          s_(g.settings_),
          page_(page),
          width_(width),
          height_(height),
          sm_(g.mapping, width, height),
          outdated_(outdated) {
        screen_.canvas = &screen;
        if (page_) printer_.canvas = &page_->canvas;
        background_ = RgbFromStored(s_.backgroundColor);
        screenInk_ = InkOn(background_);
    }

    void Run() {
        Platform& platform = g_.ui_.platform;
        platform.SetBusy(true);
        g_.lineStyle_ = 99;
        g_.lineWidth_ = 1;
        Start(screen_);
        if (page_) Start(printer_);
        Color(1);
        if (page_ && g_.print.border) Border();
        // Events handled during the replay may clear or extend the list: it is indexed anew
        // after each of them.
        const auto& records = g_.list.records();
        for (size_t i = 0; i < records.size() && !stopped_; ++i) {
            if (i % kEventsEvery == 0) {
                platform.ProcessEvents();
                if (Outdated() || i >= records.size()) break;
            }
            if (!Record(records[i])) break;
        }
        platform.SetBusy(false);
    }

  private:
    static Rgb InkOn(const Rgb& background) {
        const int luma = 299 * background.r + 587 * background.g + 114 * background.b;
        return luma < 128 * 1000 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    }

    void Start(CanvasState& c) {
        c.pen = c.font = Rgb{0, 0, 0};
        c.brush = background_;
        c.style = PenStyle::Solid;
        c.width = 1;
        c.penDirty = true;
    }

    int Sx(double x) const { return sm_.px(x); }
    int Sy(double y) const { return sm_.py(y); }
    // A newer picture or view was asked for while this screen replay waited: it stops.
    bool Outdated() {
        if (!page_ && outdated_ && *outdated_ && (*outdated_)()) stopped_ = true;
        return stopped_;
    }
    int Px(double x) const {
        double pw = page_->width;
        return RoundEven(pw * g_.print.originX / 210) +
               RoundEven(pw * ((x - m_.ShownX1) * m_.ScaleX + m_.ViewX1) * g_.print.scaleX /
                         m_.MaxX);
    }
    int Py(double y) const {
        return RoundEven(double(page_->width) * g_.print.originY / 210) +
               RoundEven(double(page_->height) * (m_.ViewY2 - (y - m_.ShownY1) * m_.ScaleY) *
                         g_.print.scaleY / m_.MaxY);
    }
    int PLenX(double l) const {
        return RoundEven(double(page_->width) * l * m_.ScaleX * g_.print.scaleX / m_.MaxX);
    }
    int PLenY(double l) const {
        return RoundEven(double(page_->height) * l * m_.ScaleY * g_.print.scaleY / m_.MaxY);
    }

    void Border() {
        CanvasState& c = printer_;
        c.pen = s_.colorGraphics ? TableColor(11) : Rgb{0, 0, 0};
        c.penDirty = true;
        c.Pen();
        int x1 = Px(m_.WorldX1), y1 = Py(m_.WorldY1), x2 = Px(m_.WorldX2), y2 = Py(m_.WorldY2);
        c.canvas->Line(x1, y1, x2, y1);
        c.canvas->Line(x2, y1, x2, y2);
        c.canvas->Line(x2, y2, x1, y2);
        c.canvas->Line(x1, y2, x1, y1);
        c.pen = Rgb{0, 0, 0};
        c.penDirty = true;
    }

    // False ends the replay.
    bool Record(const std::string& rec) {
        Fields f(rec);
        int op = 0;
        if (!f.Int(op)) return true;  // not a record: skipped
        switch (op) {
            case kRecCircle: {
                double v[3];
                if (f.Reals(v)) Circle(v[0], v[1], v[2]);
                return true;
            }
            case kRecLine: {
                double v[4];
                if (f.Reals(v)) Line(v);
                return true;
            }
            case kRecArc: {
                double v[8];
                if (f.Reals(v)) ArcRec(v);
                return true;
            }
            case kRecText: {
                double x, y;
                if (f.Real(x) && f.Real(y)) Text(x, y, std::string(f.Rest()));
                return true;
            }
            case kRecSolid: {
                double v[8];
                if (f.Reals(v)) SolidRec(v);
                return true;
            }
            case kRecColor: {
                int n;
                if (f.Int(n)) Color(n);
                return !stopped_;
            }
            case kRecTextStyle: {
                double v[4];
                if (f.Reals(v)) {
                    textH_ = v[0] * 1.6 * s_.textHeightFactor;
                    textW_ = v[1] * 1.1 * s_.graphicsTextWidthFactor;
                    textAngle_ = v[3];
                }
                return true;
            }
            case kRecWindow:
                return Window(f);
            case kRecLineStyle: {
                int n;
                if (f.Int(n)) {
                    PenStyle st = n == 1   ? PenStyle::Dotted
                                  : n == 2 ? PenStyle::DashDot
                                  : n == 3 ? PenStyle::Dashed
                                           : PenStyle::Solid;
                    screen_.style = st;
                    screen_.penDirty = true;
                    if (page_) {
                        printer_.style = st;
                        printer_.penDirty = true;
                    }
                }
                return true;
            }
            case kRecLineWidth: {
                int w;
                if (f.Int(w)) {
                    w = std::clamp(w, 0, kMaxLineWidth);
                    screen_.width = w;
                    screen_.penDirty = true;
                    if (page_) {
                        printer_.width = 4 * w;
                        printer_.penDirty = true;
                    }
                }
                return true;
            }
            case kRecSleep: {
                int ms;
                if (f.Int(ms) && !page_) {
                    g_.ui_.platform.PauseMs(std::min(ms, kMaxPauseMs));
                    return !Outdated();
                }
                return true;
            }
            default:
                return true;  // unknown opcodes are skipped
        }
    }

    bool Window(Fields& f) {
        double v[8];
        if (!f.Reals(v)) return true;
        m_.ViewX1 = RoundEven(v[0]);
        m_.ViewY1 = RoundEven(v[1]);
        m_.ViewX2 = RoundEven(v[2]);
        m_.ViewY2 = RoundEven(v[3]);
        m_.WorldX1 = v[4];
        m_.WorldY1 = v[5];
        m_.WorldX2 = v[6];
        m_.WorldY2 = v[7];
        if (m_.WorldDegenerate()) {
            g_.ui_.errorFlag = true;
            return false;
        }
        m_.SetScale(m_.ZoomX1, m_.ZoomY1, m_.ZoomX2, m_.ZoomY2);
        sm_ = ScreenMapping(m_, width_, height_);
        return true;
    }

    void Circle(double x, double y, double r) {
        Box(screen_, Sx(x - r), Sy(y - r), Sx(x + r), Sy(y + r));
        if (page_) Box(printer_, Px(x - r), Py(y - r), Px(x + r), Py(y + r));
    }
    static void Box(CanvasState& c, int x1, int y1, int x2, int y2) {
        c.Pen();
        c.Brush(c.brush, false);
        c.canvas->Ellipse(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    }

    void Line(const double* v) {
        screen_.Pen();
        screen_.canvas->Line(Sx(v[0]), Sy(v[1]), Sx(v[2]), Sy(v[3]));
        if (page_) {
            printer_.Pen();
            printer_.canvas->Line(Px(v[0]), Py(v[1]), Px(v[2]), Py(v[3]));
        }
    }

    void ArcRec(const double* v) {
        ArcOn(screen_, Sx(v[0]), Sy(v[3]), Sx(v[2]), Sy(v[1]), {Sx(v[4]), Sy(v[5])},
              {Sx(v[6]), Sy(v[7])});
        if (page_)
            ArcOn(printer_, Px(v[0]), Py(v[3]), Px(v[2]), Py(v[1]), {Px(v[4]), Py(v[5])},
                  {Px(v[6]), Py(v[7])});
    }
    static void ArcOn(CanvasState& c, int l, int t, int r, int b, PixelPoint s, PixelPoint e) {
        c.Pen();
        c.canvas->Arc(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b), s, e);
    }

    void SolidRec(const double* v) {
        const bool mono = !s_.colorGraphics;
        std::array<PixelPoint, 4> p;
        for (int i = 0; i < 4; ++i) p[i] = {Sx(v[2 * i]), Sy(v[2 * i + 1])};
        screen_.Pen();
        screen_.Brush(mono ? screenInk_ : screen_.brush, true);
        screen_.canvas->Polygon(p);
        if (page_) {
            for (int i = 0; i < 4; ++i) p[i] = {Px(v[2 * i]), Py(v[2 * i + 1])};
            printer_.Pen();
            printer_.Brush(mono ? Rgb{0, 0, 0} : printer_.brush, true);
            printer_.canvas->Polygon(p);
        }
    }

    void Color(int n) {
        color_ = n;
        if (n == 0) {
            if (g_.animationMode && !page_) {
                if (!g_.ui_.platform.AnimationStep()) g_.animationMode = false;
                Outdated();
            }
            SetColors(screen_, background_, background_, background_);
            if (page_) SetColors(printer_, background_, background_, background_);
        } else if (n >= 1 && n <= kMaxColorNumber) {
            const Rgb c = TableColor(n);
            const Rgb black{0, 0, 0};
            if (s_.colorGraphics)
                SetColors(screen_, c, c, c);
            else
                SetColors(screen_, screenInk_, background_, screenInk_);
            if (page_) {
                if (g_.print.colorMode == 2)
                    SetColors(printer_, c, c, c);
                else
                    SetColors(printer_, black, background_, black);
            }
        }
    }
    static void SetColors(CanvasState& c, const Rgb& pen, const Rgb& brush, const Rgb& font) {
        if (pen != c.pen) c.penDirty = true;
        c.pen = pen;
        c.brush = brush;
        c.font = font;
    }

    void Text(double x, double y, const std::string& text) {
        if (color_ == 0) {
            textColor_ = background_;
        } else if (page_ && (!s_.colorGraphics || g_.print.colorMode == 1)) {
            textColor_ = Rgb{0, 0, 0};
        } else if (!s_.colorGraphics) {
            textColor_ = screenInk_;
        } else if (color_ >= 1 && color_ <= 15) {
            textColor_ = TableColor(color_);
        }
        const double h = textH_;
        double tx = x, ty = y + 0.75 * h;
        if (textAngle_ != 0) {
            double a = textAngle_ * kPi / 180;
            tx = x - std::sin(a) * 0.7 * h;
            ty = y + std::cos(a) * 0.75 * h;
        }
        FontSpec font;
        font.face = s_.graphicsTextStyle;
        font.escapement = RoundEven(10 * textAngle_);
        const int style = s_.textStyleGraphics;
        font.weight = (style & 1) ? 700 : 100;
        font.italic = (style & 2) != 0;
        font.underline = (style & 4) != 0;
        font.strikeOut = (style & 8) != 0;
        if (page_ && textAngle_ == 0) {
            font.height = PLenY(h);
            font.width = PLenX(textW_);
            page_->canvas.Text(Px(tx), Py(ty), text, font, textColor_);
        } else if (page_) {
            // The page's scales differ across and down: a turned text takes its height and
            // width in its own directions, or the margin's upright lines run into each other.
            const double sx = double(page_->width) * m_.ScaleX * g_.print.scaleX / m_.MaxX;
            const double sy = double(page_->height) * m_.ScaleY * g_.print.scaleY / m_.MaxY;
            font.height = RoundEven(DirectedLength(h, textAngle_ + 90, sx, sy));
            font.width = RoundEven(DirectedLength(textW_, textAngle_, sx, sy));
            page_->canvas.Text(Px(tx), Py(ty), text, font, textColor_);
        } else {
            font.height = RoundEven(DirectedLength(h, textAngle_ + 90, sm_.ScaleX(), sm_.ScaleY()));
            font.width = RoundEven(DirectedLength(textW_, textAngle_, sm_.ScaleX(), sm_.ScaleY()));
            screen_.canvas->Text(Sx(tx), Sy(ty), text, font, textColor_);
        }
    }

    // A world length running at angle degrees, in pixels of a device with these scales.
    static double DirectedLength(double l, double angle, double sx, double sy) {
        const double a = angle * kPi / 180;
        return l * std::hypot(std::cos(a) * sx, std::sin(a) * sy);
    }

    GraphicsEngine& g_;
    WorldMapping& m_;
    const Settings& s_;
    const PrintPage* page_;
    const int width_;
    const int height_;
    ScreenMapping sm_;
    const std::function<bool()>* outdated_;
    bool stopped_ = false;
    CanvasState screen_;
    CanvasState printer_;
    Rgb background_;
    // Monochrome screen graphics draw in black, or in white on a dark background, where black
    // would not show; paper always gets black.
    Rgb screenInk_;
    int color_ = 1;
    double textH_ = 3.5;
    double textW_ = 3.5;
    double textAngle_ = 0;
    Rgb textColor_{0, 0, 0};
};

void GraphicsEngine::FormPaint(Canvas& screen, const PrintPage* page) {
    DisplayListReplay(*this, screen, 0, 0, page).Run();
}

void PaintScreen(GraphicsEngine& g, Canvas& screen, int width, int height,
                 const std::function<bool()>& outdated) {
    DisplayListReplay(g, screen, width, height, nullptr, &outdated).Run();
}

void GraphicsEngine::PrintPicture(Canvas& screen, const PrintPage& page, bool fit) {
    if (fit) {
        RestoreLimit();
        ResetZoom();
        ReSetWindow();
        ClearViewPort();
    }
    FormPaint(screen);
    FormPaint(screen, &page);
}

}  // namespace zel3
