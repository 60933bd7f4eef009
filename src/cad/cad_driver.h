#pragma once
// The CAD output driver: one set of drawing calls routed to DXF (kinds 1 and 4), IGES (2),
// the graphics window (3, blocks through block files in TempDir) or a TXT listing (5).
// Kinds 6 SVG, 7 PDF and 8 PNG draw like kind 3 and then write the picture as a file.
// The caller owns one driver per drawing run; the chosen kind is kept in the Program.
//
// Calling order: CadOpen; stop on the error flag; CadExtents; CadTables(2); optionally
// CadBeginBlocks, CadBlock ... CadEndBlock, CadEndSection; CadBeginEntities; drawing calls;
// CadEndSection; CadClose. A writer's I/O failure throws IoError.

#include <initializer_list>
#include <memory>
#include <string>

#include "cad/cad_channel.h"
#include "cad/cad_output_state.h"

namespace zel3 {

class BlockFileReader;
class IgesWriter;
class Program;
class GraphicsEngine;
struct Settings;
struct UiState;

class CadDriver {
  public:
    explicit CadDriver(Program& program);
    ~CadDriver();
    CadDriver(const CadDriver&) = delete;
    CadDriver& operator=(const CadDriver&) = delete;

    // kind 0 asks. Sets the error flag when cancelled or the kind is not available.
    // A picture that cannot be written throws IoError from CadClose.
    void CadOpen(int kind);
    void CadClose();
    void CadExtents(double xmin, double ymin, double xmax, double ymax);
    void CadTables(int layerScheme);
    void CadBeginBlocks();
    void CadBlock(const std::string& name);
    void CadEndBlock();
    void CadEndSection();
    void CadBeginEntities();

    void CadSetLayer(int layer);
    void CadSetLineStyle(int style);
    void CadSetTextStyle(int font, double angle, double height, double width);
    void CadSetLineSpacing(double factor) { state_.lineSpacing = factor; }

    void CadLine(double x1, double y1, double x2, double y2);
    void CadCircle(double x, double y, double r);
    void CadArc(double x, double y, double start, double end, double r);
    // text in code page 850.
    void CadTextOut(const std::string& text, double x, double y);
    void CadTextLine(const std::string& text);
    void CadSolid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                  double y4);
    void CadMoveTo(double x, double y);
    void CadLineTo(double x, double y);
    void CadRectangle(double x1, double y1, double x2, double y2);
    void CadRowLines(int count, double x, double ytop, double length, double step);
    void CadInsert(const std::string& name, double x, double y, double angle, double xs, double ys);

    // Set by the title block so that no logo is inserted over it.
    void SetTitleBlockDrawn() { state_.titleBlockDrawn = true; }
    const CadOutputState& state() const { return state_; }
    int kind() const { return state_.kind; }
    // "0" for 0, configured names for 1..5, the number for the rest (folded into 0..31).
    std::string LayerName(int layer) const;
    // Fixed point with the "Decimals DXF,TXT" decimals, "." as separator.
    std::string CadNumber(double x) const;

  private:
    struct Transform {
        double ox = 0, oy = 0, angle = 0, sx = 1, sy = 1;
    };
    bool Dxf() const;
    bool Iges() const { return state_.kind == kCadIges && iges_ != nullptr; }
    bool Screen() const;
    std::string PlotCommandLine() const;
    std::string TxtNumber(double x) const;
    void Txt(const std::string& keyword, std::initializer_list<double> values);
    void Error(const std::string& text);
    void ReplayBlock(const std::string& name, double x, double y, double angle, double xs,
                     double ys);
    void ReplayEntities(BlockFileReader& reader);
    void ReplayPolyline(BlockFileReader& reader);
    void TransformPoint(double x, double y, double& tx, double& ty) const;
    std::string BlockFileName(const std::string& name) const;
    void InsertLogos();
    void Footer();
    void IgesStart(double maxCoordinate);

    Program& program_;
    const Settings& settings_;
    UiState& ui_;
    GraphicsEngine& graphics_;
    CadOutputState state_;
    CadChannel channel_;  // the output file, or the block file being written
    std::unique_ptr<IgesWriter> iges_;
    std::string blockFileName_;
    Transform transform_;
    int level_ = 0;
    int blockReads_ = 0;  // block files read for the current insert
    bool stopReplay_ = false;
};

}  // namespace zel3
