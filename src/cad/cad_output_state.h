#pragma once
// The state of one CAD output run: kind, file, layer, text style, current point, extents.

#include <string>

namespace zel3 {

enum CadKind {
    kCadDxf = 1,
    kCadIges = 2,
    kCadScreen = 3,
    kCadPlot = 4,
    kCadTxt = 5,
    kCadSvg = 6,  // pictures: drawn like the screen check, then written as a file
    kCadPdf = 7,
    kCadPng = 8,
};

inline bool IsPictureKind(int kind) {
    return kind >= kCadSvg && kind <= kCadPng;
}

struct CadTextStyle {
    double height = 5.0;
    double widthFactor = 1.0;
    double angle = 0.0;    // rotation, degrees
    double oblique = 0.0;  // degrees
};

struct CadExtentsBox {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    double width = 0, height = 0;
};

struct CadOutputState {
    int kind = kCadScreen;
    int picture = 0;       // kCadSvg..kCadPng while a picture is drawn on the screen (kind 3)
    std::string fileName;  // empty when there is none
    bool blockMode = false;
    int layer = 0;
    std::string layerName = "0";
    CadTextStyle text;
    double curX = 0, curY = 0;
    double lineSpacing = 1.0;
    CadExtentsBox extents;
    bool titleBlockDrawn = false;
};

}  // namespace zel3
