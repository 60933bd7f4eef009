#include "cad/cad_driver.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "cad/block_file_reader.h"
#include "cad/cad_layers.h"
#include "cad/dxf_writer.h"
#include "cad/iges_writer.h"
#include "cad/plot_command.h"
#include "cad/plot_start.h"
#include "graphics/graphics_engine.h"
#include "project/project_files.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/date_text.h"
#include "util/file_prompts.h"
#include "util/io_error.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

const char* const kKindTexts[8] = {
    "DXF", "IGES", "Kontrollausgabe auf Bildschirm", "Ausgabe auf Laserprinter/Plotter mit KAVROT",
    "TXT", "SVG", "PDF", "PNG",
};

const char* Extension(int kind) {
    switch (kind) {
        case kCadDxf:
            return "dxf";
        case kCadIges:
            return "igs";
        case kCadSvg:
            return "svg";
        case kCadPdf:
            return "pdf";
        case kCadPng:
            return "png";
        default:
            return "txt";
    }
}

// True when the file part of path holds a ".".
bool HasExtension(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return path.find('.', slash == std::string::npos ? 0 : slash + 1) != std::string::npos;
}

}  // namespace

CadDriver::CadDriver(Program& program)
    : program_(program), settings_(program.settings), ui_(program.ui), graphics_(program.graphics) {
    state_.kind = program.cadKind;
}

CadDriver::~CadDriver() = default;

bool CadDriver::Dxf() const {
    return state_.kind == kCadDxf || state_.kind == kCadPlot ||
           (state_.kind == kCadScreen && state_.blockMode);
}

bool CadDriver::Screen() const {
    return state_.kind == kCadScreen && !state_.blockMode;
}

std::string CadDriver::PlotCommandLine() const {
    const int count =
        std::clamp(settings_.kavrotCount, 1, static_cast<int>(settings_.kavrotCommand.size()) - 1);
    const int selected =
        program_.plotCommand >= 1 && program_.plotCommand <= count ? program_.plotCommand : 1;
    return settings_.kavrotCommand[static_cast<size_t>(selected)];
}

std::string CadDriver::LayerName(int layer) const {
    return CadLayerName(settings_, layer);
}

std::string CadDriver::CadNumber(double x) const {
    return CadNumberText(x, settings_.decimalsDxf);
}

std::string CadDriver::TxtNumber(double x) const {
    std::string s = CadNumber(x);
    if (settings_.number.decimalComma())
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

void CadDriver::Txt(const std::string& keyword, std::initializer_list<double> values) {
    std::string line = keyword;
    for (double v : values) line += "\t" + TxtNumber(v);
    channel_.WriteLine(line);
}

void CadDriver::Error(const std::string& text) {
    if (ui_.showErrors) ui_.platform.MessageBox(BoxKind::Error, "Fehler : ", text);
}

void CadDriver::CadOpen(int kind) {
    channel_.Abandon();
    const int remembered = program_.cadKind;
    state_ = CadOutputState{};
    state_.kind = remembered;
    stopReplay_ = false;

    if (kind == 0) {
        int selected = remembered;
        SetOptionTexts(ui_, std::vector<std::string>(std::begin(kKindTexts), std::end(kKindTexts)));
        ui_.helpNumber = 2050;
        // Eight kinds are more than the radio buttons hold: the list dialog asks.
        AskChoice(ui_, "CAD-Code", static_cast<int>(std::size(kKindTexts)), selected);
        kind = selected;
        if (!ui_.errorFlag && kind == kCadPlot)
            ChoosePlotCommand(ui_, program_.settings, program_.plotCommand,
                              program_.identity.ShortName);
    }
    if (ui_.errorFlag) return;
    // Pictures need the program's picture writer (the window program has it).
    if (kind < kCadDxf || kind > kCadPng || (IsPictureKind(kind) && !program_.writePicture)) {
        ui_.errorFlag = true;
        return;
    }
    program_.cadKind = kind;
    // A picture is drawn exactly like the screen check and written at CadClose.
    state_.picture = IsPictureKind(kind) ? kind : 0;
    state_.kind = IsPictureKind(kind) ? kCadScreen : kind;

    iges_.reset();
    if (kind == kCadDxf || kind == kCadIges || kind == kCadTxt || IsPictureKind(kind)) {
        const std::string ext = Extension(kind);
        std::string name;
        if (program_.run.CadBatch) {
            name = program_.run.ProjectName + "." + ext;
        } else {
            const std::string filter = "*." + ext + "|*." + ext + "|*.*|*.*";
            // A project opened by its file name ("kugel.zl3") suggests "kugel", never the
            // project file itself.
            std::string suggested = program_.run.ProjectName;
            if (HasExtension(suggested))
                suggested = std::filesystem::path(suggested).replace_extension().string();
            if (!ui_.platform.SaveFileDialog(WithBackslash(settings_.folders.CadDir), filter,
                                             suggested, name))
                name.clear();
            if (name.empty()) {
                ui_.errorFlag = true;
                state_.fileName.clear();
                ui_.platform.SetBusy(false);
                return;
            }
        }
        if (!HasExtension(name)) name += "." + ext;
        // The dialog never saw the extension added here, and a drawing written a minute ago
        // is lost as easily as any other file. Batch runs replace their files as always.
        std::error_code ec;
        if (!program_.run.CadBatch && std::filesystem::exists(name, ec) &&
            !PrepareNewFile(ui_, name)) {
            ui_.errorFlag = true;
            ui_.platform.SetBusy(false);
            return;
        }
        state_.fileName = name;
    }
    if (kind == kCadDxf || kind == kCadIges || kind == kCadTxt) {
        const std::string& name = state_.fileName;
        if (!channel_.Create(name)) throw IoError(name, errno);
        if (kind == kCadIges) {
            iges_ = std::make_unique<IgesWriter>(channel_, state_, settings_);
            iges_->OpenScratch(settings_.folders.TempDir);
        }
    } else if (kind == kCadPlot) {
        const std::string name = WithBackslash(settings_.folders.TempDir) + "kavrot.dxf";
        state_.fileName = name;
        if (!channel_.Create(name)) throw IoError(name, errno);
    } else {
        graphics_.Clear();
        ui_.platform.SetBusy(true);
    }
    state_.lineSpacing = 1.0;
    if (state_.kind == kCadScreen) graphics_.SetLineStyle(0);
}

void CadDriver::CadClose() {
    switch (state_.kind) {
        case kCadDxf:
            if (channel_.IsOpen()) {
                DxfWriter(channel_, state_, settings_).EndOfFile();
                channel_.Close();
            }
            break;
        case kCadPlot:
            if (channel_.IsOpen()) {
                DxfWriter(channel_, state_, settings_).EndOfFile();
                channel_.Close();
                StartPlotter(ui_, PlotCommandLine());
            }
            break;
        case kCadIges:
            if (iges_ && channel_.IsOpen()) iges_->Finish();
            iges_.reset();
            break;
        case kCadScreen: {
            graphics_.ClearViewPort();
            ui_.platform.SetBusy(false);
            // Written before the block files go: a failure must not leave them behind either.
            std::optional<IoError> failed;
            if (state_.picture != 0) {
                try {
                    program_.writePicture(state_.picture, state_.fileName);
                } catch (const IoError& e) {
                    failed = e;
                }
            }
            namespace fs = std::filesystem;
            std::error_code ec;
            const std::string dir =
                settings_.folders.TempDir.empty() ? std::string(".") : settings_.folders.TempDir;
            std::vector<fs::path> blocks;
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string n = it->path().filename().string();
                if (n.size() >= 5 && n[0] == '$' && n.compare(n.size() - 4, 4, ".dx$") == 0)
                    blocks.push_back(it->path());
            }
            for (const auto& p : blocks)
                if (!fs::remove(p, ec)) break;
            if (failed) throw *failed;
            break;
        }
        case kCadTxt:
            if (channel_.IsOpen()) {
                channel_.WriteLine("EOF");
                channel_.Close();
            }
            break;
        default:
            break;
    }
}

void CadDriver::CadExtents(double xmin, double ymin, double xmax, double ymax) {
    auto& e = state_.extents;
    e = {xmin, ymin, xmax, ymax, xmax - xmin, ymax - ymin};
    if (Dxf()) {
        DxfWriter(channel_, state_, settings_).Header(xmin, ymin, xmax, ymax);
    } else if (Iges()) {
        IgesStart(xmax > ymax ? xmax : ymax);
    } else if (state_.kind == kCadScreen) {
        graphics_.Header(xmin, ymin, xmax, ymax);
    } else if (state_.kind == kCadTxt) {
        Txt("MINMAX", {xmin, ymin, xmax, ymax});
    }
    if ((state_.kind == kCadScreen || state_.kind == kCadPlot) && settings_.screendumpBorder) {
        CadSetLayer(19);
        CadRectangle(xmin, ymin, xmax, ymax);
    }
    if (state_.kind == kCadScreen) Footer();
}

void CadDriver::IgesStart(double maxCoordinate) {
    std::string base = state_.fileName;
    const size_t slash = base.find_last_of('/');
    if (slash != std::string::npos) base.erase(0, slash + 1);
    const size_t dot = base.find_last_of('.');
    if (dot != std::string::npos) base.erase(dot);
    const LocalDateTime now = Now();
    IgesHeader h;
    h.productName = program_.identity.ProductName;
    h.versionText = program_.identity.VersionText;
    h.date = ZeroPad(now.year % 100, 2) + ZeroPad(now.month, 2) + ZeroPad(now.day, 2);
    iges_->Start(base, maxCoordinate, h);
}

void CadDriver::Footer() {
    const auto& e = state_.extents;
    const LocalDateTime now = Now();
    const std::string date = TodayText(settings_.number, now);
    const std::string time = TimeText(now);
    const auto& run = program_.run;
    const auto& id = program_.identity;
    std::string path;
    if (!run.ProjectName.empty())
        path = ShortenMiddle(ProjectFullPath(run.ProjectDir, run.ProjectName, id.ProjectExt), 120);
    CadSetTextStyle(2, 0, 0.006 * e.height, 0.0045 * e.width);
    CadSetLayer(30);
    CadTextOut(date + " " + time + " - " + "TRELLOX " + id.ProductName + " V" + id.VersionText +
                   " - " + path,
               e.xmin + 0.005 * e.width, e.ymin + 0.002 * e.height);
}

void CadDriver::CadTables(int layerScheme) {
    if (state_.kind == kCadDxf || state_.kind == kCadPlot)
        DxfWriter(channel_, state_, settings_).Tables(layerScheme);
}

void CadDriver::CadBeginBlocks() {
    if (state_.kind == kCadDxf || state_.kind == kCadPlot)
        DxfWriter(channel_, state_, settings_).BeginBlocks();
    else if (state_.kind == kCadTxt)
        channel_.WriteLine("SECTION BLOCKS");
    state_.blockMode = true;
}

std::string CadDriver::BlockFileName(const std::string& name) const {
    std::string safe = name;
    for (char& c : safe)
        if (c == '/') c = '_';
    return WithBackslash(settings_.folders.TempDir) + "$" + safe + ".dx$";
}

void CadDriver::CadBlock(const std::string& name) {
    if (ui_.errorFlag) return;
    if (state_.kind == kCadDxf || state_.kind == kCadPlot) {
        DxfWriter(channel_, state_, settings_).Block(name);
    } else if (Iges()) {
        iges_->BeginDefinition(name);
    } else if (state_.kind == kCadScreen) {
        if (!channel_.Create(BlockFileName(name))) ui_.errorFlag = true;
    } else if (state_.kind == kCadTxt) {
        channel_.WriteLine("BLOCK\t" + name);
    }
}

void CadDriver::CadEndBlock() {
    if (ui_.errorFlag) {
        ui_.errorFlag = false;
        if (state_.kind == kCadScreen) channel_.Abandon();
        return;
    }
    if (state_.kind == kCadDxf || state_.kind == kCadPlot) {
        DxfWriter(channel_, state_, settings_).EndBlock();
    } else if (Iges()) {
        iges_->EndDefinition();
    } else if (state_.kind == kCadScreen) {
        if (channel_.IsOpen()) {
            DxfWriter(channel_, state_, settings_).EndOfFile();
            channel_.Close();
        }
    } else if (state_.kind == kCadTxt) {
        channel_.WriteLine("END OF BLOCK");
    }
}

void CadDriver::CadEndSection() {
    if (state_.kind == kCadDxf || state_.kind == kCadPlot)
        DxfWriter(channel_, state_, settings_).EndSection();
    state_.blockMode = false;
}

void CadDriver::CadBeginEntities() {
    if (state_.kind == kCadDxf || state_.kind == kCadPlot) {
        DxfWriter(channel_, state_, settings_).BeginEntities();
    } else if (state_.kind == kCadScreen) {
        graphics_.ClearViewPort();
        graphics_.SetLineStyle(0);
    } else if (state_.kind == kCadTxt) {
        channel_.WriteLine("SECTION ENTITIES");
    }
    InsertLogos();
}

void CadDriver::InsertLogos() {
    if (state_.titleBlockDrawn) return;
    if (state_.kind != kCadScreen && state_.kind != kCadPlot) return;
    const auto e = state_.extents;
    const struct {
        const char* name;
        double f;
    } logos[2] = {{"LOGO_2", 0.01}, {"LOGO_3", 0.96}};
    for (const auto& l : logos) {
        BlockFileReader probe;
        if (!probe.Open(BlockFileName(l.name))) continue;
        probe.Close();
        CadInsert(l.name, e.xmin + 0.91 * e.width, e.ymin + l.f * e.height, 0, e.width / 480,
                  e.height / 360);
    }
}

void CadDriver::CadSetLayer(int layer) {
    layer = FoldCadLayer(layer);
    state_.layer = layer;
    state_.layerName = CadLayerName(settings_, layer);
    if (Iges()) iges_->SetLayer(layer);
    if (!Screen()) return;
    graphics_.SetLineStyle(CadLayerScreenStyle(layer));
    if (layer <= 5 || layer >= 16) graphics_.SetColorAcad(CadLayerColor(settings_, layer));
    graphics_.SetLineWidth(CadLayerScreenWidth(settings_, layer));
}

void CadDriver::CadSetLineStyle(int style) {
    if (Screen()) graphics_.SetLineStyle(style);
}

void CadDriver::CadSetTextStyle(int font, double angle, double height, double width) {
    state_.text.height = height;
    // A zero height has no width ratio; it keeps the default narrow factor.
    const double ratio = (width == 0 || height == 0) ? 0.7 : width / height;
    state_.text.widthFactor = ratio * settings_.cadTextWidthFactor;
    state_.text.angle = angle;
    state_.text.oblique = settings_.cadTextAngle;
    if (Screen()) graphics_.SetTextStyle(font, angle, height, 0.95 * width);
}

void CadDriver::CadLine(double x1, double y1, double x2, double y2) {
    if (Dxf())
        DxfWriter(channel_, state_, settings_).Line(x1, y1, x2, y2);
    else if (Iges())
        iges_->Line(x1, y1, x2, y2);
    else if (Screen())
        graphics_.line(x1, y1, x2, y2);
    else if (state_.kind == kCadTxt)
        Txt("LINE", {x1, y1, x2, y2});
}

void CadDriver::CadCircle(double x, double y, double r) {
    if (Dxf())
        DxfWriter(channel_, state_, settings_).Circle(x, y, r);
    else if (Iges())
        iges_->Arc(x, y, x + r, y, x + r, y);
    else if (Screen())
        graphics_.circle(x, y, r);
    else if (state_.kind == kCadTxt)
        Txt("CIRCLE", {x, y, r});
}

void CadDriver::CadArc(double x, double y, double start, double end, double r) {
    if (r == 0) return;
    if (Dxf()) {
        DxfWriter(channel_, state_, settings_).Arc(x, y, start, end, r);
    } else if (Iges()) {
        const double s = start * kPi / 180, e = end * kPi / 180;
        iges_->Arc(x, y, x + r * std::cos(s), y + r * std::sin(s), x + r * std::cos(e),
                   y + r * std::sin(e));
    } else if (Screen()) {
        graphics_.Arc(x, y, start, end, r);
    } else if (state_.kind == kCadTxt) {
        if (CadArcIsFullCircle(start, end))
            Txt("CIRCLE", {x, y, r});
        else
            Txt("ARC", {x, y, r, start, end});
    }
}

void CadDriver::CadTextOut(const std::string& text, double x, double y) {
    if (text.empty()) return;
    if (Dxf()) {
        DxfWriter(channel_, state_, settings_).Text(text, x, y);
    } else if (Iges()) {
        iges_->Text(text, x, y);
    } else if (Screen()) {
        graphics_.OutTextXY(x, y, OemToDisplay(settings_.text, text));
    } else if (state_.kind == kCadTxt) {
        channel_.WriteLine("TEXT\t" + TxtNumber(x) + "\t" + TxtNumber(y) + "\t" +
                           CadText(settings_.text, text));
    }
}

void CadDriver::CadTextLine(const std::string& text) {
    if (text.empty()) return;
    CadTextOut(text, state_.curX, state_.curY);
    state_.curY -= 1.6 * state_.text.height * state_.lineSpacing;
}

void CadDriver::CadSolid(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4) {
    if (Dxf())
        DxfWriter(channel_, state_, settings_).Solid(x1, y1, x2, y2, x3, y3, x4, y4);
    else if (Iges())
        iges_->Solid(x1, y1, x2, y2, x3, y3, x4, y4);
    else if (Screen())
        graphics_.Solid(x1, y1, x2, y2, x4, y4, x3, y3);
    else if (state_.kind == kCadTxt)
        Txt("SOLID", {x1, y1, x2, y2, x3, y3, x4, y4});
}

void CadDriver::CadMoveTo(double x, double y) {
    state_.curX = x;
    state_.curY = y;
}

void CadDriver::CadLineTo(double x, double y) {
    CadLine(state_.curX, state_.curY, x, y);
    CadMoveTo(x, y);
}

void CadDriver::CadRectangle(double x1, double y1, double x2, double y2) {
    CadMoveTo(x1, y1);
    CadLineTo(x1, y2);
    CadLineTo(x2, y2);
    CadLineTo(x2, y1);
    CadLineTo(x1, y1);
}

void CadDriver::CadRowLines(int count, double x, double ytop, double length, double step) {
    for (int i = 1; i <= count; ++i) CadLine(x, ytop - i * step, x + length, ytop - i * step);
}

void CadDriver::CadInsert(const std::string& name, double x, double y, double angle, double xs,
                          double ys) {
    if (Dxf()) {
        DxfWriter(channel_, state_, settings_).Insert(name, x, y, angle, xs, ys);
    } else if (Iges()) {
        if (!iges_->Instance(name, x, y, angle))
            program_.messages.AddMessage("Blockname " + name + " not found !");
    } else if (Screen()) {
        transform_ = Transform{};
        level_ = 0;
        blockReads_ = 0;
        stopReplay_ = false;
        ReplayBlock(name, x, y, angle, xs, ys);
    } else if (state_.kind == kCadTxt) {
        std::string line = "INSERT\t" + name;
        for (double v : {x, y, angle, xs, ys}) line += "\t" + TxtNumber(v);
        channel_.WriteLine(line);
    }
}

}  // namespace zel3
