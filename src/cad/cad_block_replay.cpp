// The check on screen of block inserts: the block file written at the block's definition is
// read back and its entities are drawn again through the driver, transformed by the insert.

#include <cmath>

#include "cad/block_file_reader.h"
#include "cad/cad_driver.h"
#include "cad/cad_layers.h"
#include "graphics/plane_geometry.h"
#include "shell/program.h"
#include "util/number_text.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxNesting = 4;
// Four levels of a block inserting others many times each would read files without end; no
// drawing of ours comes near this many block reads for one insert.
constexpr int kMaxBlockReads = 2000;

// Reads the groups of one entity up to (not including) the next code-0 group.
template <typename Fn>
void ReadEntityGroups(BlockFileReader& r, Fn&& onGroup) {
    int code;
    std::string value;
    while (r.ReadGroup(code, value)) {
        if (code == 0) {
            r.Unread();
            return;
        }
        onGroup(code, value);
    }
}

}  // namespace

void CadDriver::TransformPoint(double x, double y, double& tx, double& ty) const {
    const Transform& t = transform_;
    const double a = t.angle * kPi / 180;
    tx = t.ox + t.sx * x * std::cos(a) - t.sy * y * std::sin(a);
    ty = t.oy + t.sx * x * std::sin(a) + t.sy * y * std::cos(a);
}

void CadDriver::ReplayBlock(const std::string& name, double x, double y, double angle, double xs,
                            double ys) {
    if (stopReplay_) return;
    const Transform saved = transform_;
    ++level_;
    if (level_ > kMaxNesting) {
        // A block that inserts itself would recurse without end: stop this drawing.
        Error("error blockno." + std::to_string(level_));
        ui_.errorFlag = true;
        stopReplay_ = true;
        --level_;
        return;
    }
    if (++blockReads_ > kMaxBlockReads) {
        Error("Error in DXF File: too many block inserts");
        ui_.errorFlag = true;
        stopReplay_ = true;
        --level_;
        return;
    }
    Transform t;
    TransformPoint(x, y, t.ox, t.oy);
    t.angle = saved.angle + angle;
    t.sx = saved.sx * xs;
    t.sy = saved.sy * ys;
    transform_ = t;

    BlockFileReader reader;
    if (!reader.Open(BlockFileName(name))) {
        program_.messages.AddMessage("Invalid temp directory");
        ui_.errorFlag = true;
        stopReplay_ = true;
    } else {
        ReplayEntities(reader);
    }
    reader.Close();
    --level_;
    transform_ = saved;
}

void CadDriver::ReplayEntities(BlockFileReader& r) {
    int code;
    std::string value;
    while (!stopReplay_ && r.ReadGroup(code, value)) {
        if (code != 0) continue;
        if (value == "EOF") return;
        if (value == "LINE") {
            double v[4] = {0, 0, 0, 0};
            std::string layer = "0";
            ReadEntityGroups(r, [&](int c, const std::string& s) {
                if (c == 8) layer = s;
                if (c == 10) v[0] = TextToFloat(s);
                if (c == 20) v[1] = TextToFloat(s);
                if (c == 11) v[2] = TextToFloat(s);
                if (c == 21) v[3] = TextToFloat(s);
            });
            CadSetLayer(LayerFromName(settings_, layer));
            double x1, y1, x2, y2;
            TransformPoint(v[0], v[1], x1, y1);
            TransformPoint(v[2], v[3], x2, y2);
            CadLine(x1, y1, x2, y2);
        } else if (value == "CIRCLE" || value == "ARC") {
            const bool arc = value == "ARC";
            double x = 0, y = 0, rad = 0, a1 = 0, a2 = 0;
            std::string layer = "0";
            ReadEntityGroups(r, [&](int c, const std::string& s) {
                if (c == 8) layer = s;
                if (c == 10) x = TextToFloat(s);
                if (c == 20) y = TextToFloat(s);
                if (c == 40) rad = TextToFloat(s);
                if (c == 50) a1 = TextToFloat(s);
                if (c == 51) a2 = TextToFloat(s);
            });
            CadSetLayer(LayerFromName(settings_, layer));
            if (arc && rad == 0) continue;
            double tx, ty;
            TransformPoint(x, y, tx, ty);
            if (arc)
                CadArc(tx, ty, a1 + transform_.angle, a2 + transform_.angle, rad * transform_.sx);
            else
                CadCircle(tx, ty, rad * transform_.sx);
        } else if (value == "TEXT") {
            std::string text, layer = "0";
            double x = 0, y = 0, h = 3.5, wf = 1.0, rot = 0;
            ReadEntityGroups(r, [&](int c, const std::string& s) {
                if (c == 1) text = s;
                if (c == 8) layer = s;
                if (c == 10) x = TextToFloat(s);
                if (c == 20) y = TextToFloat(s);
                if (c == 40) h = TextToFloat(s);
                if (c == 41) wf = TextToFloat(s);
                if (c == 50) rot = TextToFloat(s);
            });
            CadSetLayer(LayerFromName(settings_, layer));
            CadSetTextStyle(2, rot + transform_.angle, h * transform_.sy, h * wf * transform_.sx);
            double tx, ty;
            TransformPoint(x, y, tx, ty);
            CadTextOut(text, tx, ty);
        } else if (value == "SOLID") {
            double v[8] = {0, 0, 0, 0, 0, 0, 0, 0};
            std::string layer = "0";
            ReadEntityGroups(r, [&](int c, const std::string& s) {
                if (c == 8) layer = s;
                if (c >= 10 && c <= 13) v[2 * (c - 10)] = TextToFloat(s);
                if (c >= 20 && c <= 23) v[2 * (c - 20) + 1] = TextToFloat(s);
            });
            CadSetLayer(LayerFromName(settings_, layer));
            double t[8];
            for (int i = 0; i < 4; ++i)
                TransformPoint(v[2 * i], v[2 * i + 1], t[2 * i], t[2 * i + 1]);
            CadSolid(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]);
        } else if (value == "INSERT") {
            std::string name, layer = "0";
            double x = 0, y = 0, xs = 1, ys = 1, angle = 0;
            ReadEntityGroups(r, [&](int c, const std::string& s) {
                if (c == 2) name = s;
                if (c == 8) layer = s;
                if (c == 10) x = TextToFloat(s);
                if (c == 20) y = TextToFloat(s);
                if (c == 41) xs = TextToFloat(s);
                if (c == 42) ys = TextToFloat(s);
                if (c == 50) angle = TextToFloat(s);
            });
            const int before = state_.layer;
            CadSetLayer(LayerFromName(settings_, layer));
            ReplayBlock(name, x, y, angle, xs, ys);
            CadSetLayer(before);
        } else if (value == "POLYLINE") {
            ReplayPolyline(r);
        }
        // any other entity is skipped with its groups by the loop
    }
}

void CadDriver::ReplayPolyline(BlockFileReader& r) {
    int flag = 0;
    ReadEntityGroups(r, [&](int c, const std::string& s) {
        if (c == 70) flag = TextToInt(s);
    });
    int code;
    std::string value;
    if (!r.ReadGroup(code, value) || code != 0 || value != "VERTEX") {
        if (code == 0) r.Unread();
        Error("Error in DXF File");
        return;
    }
    struct Vertex {
        double x = 0, y = 0, bulge = 0;
        std::string layer = "0";
    };
    std::vector<Vertex> vertices;
    while (true) {
        Vertex v;
        ReadEntityGroups(r, [&](int c, const std::string& s) {
            if (c == 8) v.layer = s;
            if (c == 10) v.x = TextToFloat(s);
            if (c == 20) v.y = TextToFloat(s);
            if (c == 42) v.bulge = TextToFloat(s);
        });
        vertices.push_back(v);
        if (!r.ReadGroup(code, value)) break;
        if (value == "VERTEX") continue;
        if (value != "SEQEND")
            r.Unread();
        else
            ReadEntityGroups(r, [](int, const std::string&) {});
        break;
    }
    MathMessageLog& log = program_.mathLog;
    auto segment = [&](const Vertex& a, const Vertex& b, bool straight) {
        CadSetLayer(LayerFromName(settings_, b.layer));
        if (straight || a.bulge == 0) {
            double x1, y1, x2, y2;
            TransformPoint(a.x, a.y, x1, y1);
            TransformPoint(b.x, b.y, x2, y2);
            CadLine(x1, y1, x2, y2);
            return;
        }
        const double dphi = 4 * std::atan(a.bulge);
        ArcFromChord arc = GetArcCenter(a.x, a.y, b.x, b.y, dphi, log);
        if (!arc.ok) return;
        double cx, cy;
        TransformPoint(arc.cx, arc.cy, cx, cy);
        CadArc(cx, cy, arc.startAngle * 180 / kPi + transform_.angle,
               arc.endAngle * 180 / kPi + transform_.angle, arc.r * transform_.sx);
    };
    for (size_t i = 0; i + 1 < vertices.size() && !stopReplay_; ++i)
        segment(vertices[i], vertices[i + 1], false);
    if (flag == 1 && vertices.size() > 1) segment(vertices.back(), vertices.front(), true);
}

}  // namespace zel3
