#pragma once
// The graphics window's engine (the logic behind TFTrelgra): world window, zoom and pan,
// the drawing operations that append draw records, and the replay of the display list onto
// a Canvas. The window itself only forwards paint, key and mouse events here.

#include <string>

#include "graphics/canvas.h"
#include "graphics/display_list.h"
#include "graphics/world_mapping.h"

namespace zel3 {

struct Settings;
struct UiState;
struct ScreenInfo;

// Set by the print settings; the print pass only reads them.
struct PrintParameters {
    double scaleX = 1.0;
    double scaleY = 1.0;
    int originX = 0;  // millimetres
    int originY = 0;
    int colorMode = 1;  // 1 monochrome, 2 colour
    bool border = false;
};

// The printer page of a print pass.
struct PrintPage {
    Canvas& canvas;
    int width;   // dots
    int height;  // dots
};

class GraphicsEngine {
  public:
    GraphicsEngine(UiState& ui, const Settings& settings);

    // Drawing-area size (0 in the settings: the screen minus the window frame) and the zoom
    // and pan steps from the settings.
    void ApplySettings(const ScreenInfo& screen);

    // World window and zoom.
    void SetWindow(bool keepAspect, bool border, double vx1, double vy1, double vx2, double vy2,
                   double x1, double y1, double x2, double y2);
    void Header(double x1, double y1, double x2, double y2);
    void SetScale(int x1, int y1, int x2, int y2) { mapping.SetScale(x1, y1, x2, y2); }
    void ResetZoom() { mapping.ResetZoom(); }
    void SaveLimit();
    void RestoreLimit();
    void SaveViewPort();
    void RetrieveViewPort();
    void ReSetWindow();
    void Regen();
    double EinX(double f) const { return f * (mapping.WorldX2 - mapping.WorldX1); }
    double EinY(double f) const { return f * (mapping.WorldY2 - mapping.WorldY1); }
    void Clear();
    void ClearViewPort();
    void SleepMs(int ms);
    void SetWaitCursor();
    void SetOldCursor();
    void SetTextSizeMode(int mode) { textSizeMode_ = mode; }

    // Keys and mouse. processKey takes a Windows virtual key code; true when it changed the
    // view (a replay has been requested).
    bool processKey(int virtualKey);
    void RightButtonReset();
    void DoubleClickReset();
    void RubberBandZoom(int xa, int ya, int xb, int yb, int clientWidth, int clientHeight);

    // Drawing operations (world coordinates, degrees).
    void line(double x1, double y1, double x2, double y2);
    void Rectangle(double x1, double y1, double x2, double y2);
    void circle(double x, double y, double r);
    void Arc(double x, double y, double stAngle, double endAngle, double r);
    void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
               double y4);
    // text is in the display code page (UTF-8).
    void OutTextXY(double x, double y, const std::string& text);
    void SetTextStyle(int font, double angle, double height, double width);
    void SetColor(int color);
    int GetColor() const { return color_; }
    void SetColorAcad(int cadColor);
    void SetLineStyle(int style);
    void SetLineStyleName(const std::string& name) { SetLineStyle(LineStyleFromName(name)); }
    void SetLineWidth(int width);
    void DrawTrelloxLogo();

    static int GetColorTurbo(int cadColor);
    static int LineStyleFromName(const std::string& name);
    static bool GetDirection(double angle);

    // Replays the display list onto the screen canvas; with a page, the print pass: drawing
    // records go to both, text to the page only, pauses are skipped.
    void FormPaint(Canvas& screen, const PrintPage* page = nullptr);
    // Puts the picture on a printer page whose document the caller has begun: with fit the
    // whole world window is shown first; then one screen replay and the print pass.
    void PrintPicture(Canvas& screen, const PrintPage& page, bool fit);

    WorldMapping mapping;
    DisplayList list;
    PrintParameters print;
    bool animationMode = false;

  private:
    friend class DisplayListReplay;

    UiState& ui_;
    const Settings& settings_;
    int color_ = -1;
    int lineStyle_ = 99;
    int lineWidth_ = 1;
    int textSizeMode_ = 0;
};

}  // namespace zel3
