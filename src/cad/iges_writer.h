#pragma once
// The IGES writer: fixed-format 80-column records in the sections S, G, D, P and T.
// Directory entries go straight into the output channel while the drawing is produced;
// parameter data collect in a scratch file in the temporary folder and are appended when the
// drawing is finished, followed by the terminate record. I/O failures throw IoError.

#include <cstdio>
#include <string>
#include <vector>

#include "cad/cad_channel.h"
#include "cad/cad_output_state.h"
#include "util/number_format.h"

namespace zel3 {

struct Settings;

// The texts of the start and global sections that do not come from the drawing.
struct IgesHeader {
    std::string productName;  // sending system
    std::string versionText;
    std::string installation;  // the user's organisation; may be empty
    std::string organisation = "TRELLOX GMBH";
    std::string date;  // YYMMDD
};

// One IGES record: content, blanks to column 72 minus the pointer text, the pointer text,
// the section letter in column 73 and the 7-digit sequence number.
std::string IgesRecord(const std::string& content, const std::string& pointer, char letter,
                       int sequence);
// Pieces of a parameter text of at most 64 characters, cut after the last "," where possible.
std::vector<std::string> SplitIgesParams(const std::string& text);
// Pieces of a free-format text of at most 72 characters, cut after the last "," where possible.
std::vector<std::string> SplitIgesGlobal(const std::string& text);
// "4HFILE" for FILE.
std::string Hollerith(const std::string& text);
// IGES colour number of a layer (0..31): its CAD colour through the IGES colour table.
int IgesLayerColor(const Settings& s, int layer);
// IGES line font of a layer: 4 for layer 1, 2 for layer 2, else 1.
int IgesLayerFont(int layer);

class IgesWriter {
  public:
    IgesWriter(CadChannel& out, const CadOutputState& state, const Settings& settings);
    ~IgesWriter();
    IgesWriter(const IgesWriter&) = delete;
    IgesWriter& operator=(const IgesWriter&) = delete;

    // Creates the parameter scratch file under a unique name in tempDir.
    void OpenScratch(const std::string& tempDir);
    // Start and global sections; resets the writer state.
    void Start(const std::string& baseName, double maxCoordinate, const IgesHeader& header);
    void SetLayer(int layer);
    void Line(double x1, double y1, double x2, double y2);
    void Arc(double cx, double cy, double sx, double sy, double ex, double ey);
    void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
               double y4);
    // text in code page 850; converted with CadText.
    void Text(const std::string& text, double x, double y);
    void BeginDefinition(const std::string& name);
    void EndDefinition();
    // False when no definition carries the name (the instance then refers to pointer 0).
    bool Instance(const std::string& name, double x, double y, double angle);
    // Appends the parameter section and the terminate record; closes the output.
    void Finish();

    int colour() const { return colour_; }
    int lineFont() const { return lineFont_; }

  private:
    struct Definition {
        std::string name;
        int pointer = 0;
    };
    struct Entry {
        int type = 0;
        std::string matrix;
        std::string status = "00000000";
        std::string form;
        std::string label;
    };
    std::string Num(double x) const;
    void WriteRecord(char letter, const std::string& content, const std::string& pointer);
    void WriteParams(const std::string& text);
    void BeginEntity(bool member = true);
    void Directory(const Entry& e);
    void ScratchLine(const std::string& line);

    CadChannel& out_;
    const CadOutputState& state_;
    const Settings& settings_;
    NumberFormat number_;  // the settings' format with a decimal point
    std::FILE* scratch_ = nullptr;
    std::string scratchPath_;

    int counts_[5] = {0, 0, 0, 0, 0};  // S, G, D, P, T
    int pointer_ = -1;                 // directory pointer of the current entity
    int nextParam_ = 1;
    int paramLines_ = 0;
    int colour_ = 0;
    int lineFont_ = 1;
    bool inDefinition_ = false;
    std::vector<int> members_;
    std::vector<Definition> definitions_;
};

}  // namespace zel3
