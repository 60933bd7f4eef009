// The plot converter's command line: the form's rules, the question sequence with its batch
// file, the choice of the stored line and the plot run through the CAD driver.

#include "cad/plot_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cad/cad_driver.h"
#include "cad/plot_command_line.h"
#include "support/cad_run.h"
#include "support/temp_folder.h"

namespace zel3 {
namespace {

using test::DialogAnswer;

TEST(PlotFormCommandLine, SwitchesFollowTheFields) {
    PlotConverterForm f = DefaultPlotConverterForm("/tmp/plot");
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /tmp/plot/kavrot /CHPL");

    f.format = kPlotPostScript;
    f.font = "Courier";
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /tmp/plot/kavrot /CPS /TCourier");

    f = DefaultPlotConverterForm("/tmp/plot");
    f.interface = kPlotSerial;
    f.com = "2";
    f.lpt = "3";  // not the chosen interface
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /tmp/plot/kavrot /CHPL /D1 /P2");
    f.interface = kPlotParallel;
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /tmp/plot/kavrot /CHPL /P3");
    f.interface = kPlotFile;
    EXPECT_EQ(PlotFormCommandLine(f),
              "c:\\kavrot\\wkavrot /tmp/plot/kavrot /CHPL /D3 /F/tmp/plot/kavrot");
    f.folder = "";
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot kavrot /CHPL /D3");
}

TEST(PlotFormCommandLine, ScaleShiftsRotationAndWidth) {
    PlotConverterForm f = DefaultPlotConverterForm("/p/");
    f.scale = "0";
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /p/kavrot /CHPL /M*");
    f.scale = "2.5";
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /p/kavrot /CHPL /M2.5");
    f.fitToSheet = true;
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /p/kavrot /CHPL /M*");
    f = DefaultPlotConverterForm("/p");
    f.scale = "1,0";
    f.xShift = "-5";
    f.yShift = "0.0";
    f.textWidthFactor = "0,8";
    f.rotate = true;
    EXPECT_EQ(PlotFormCommandLine(f), "c:\\kavrot\\wkavrot /p/kavrot /CHPL /X-5 /B0,8 /R");
}

TEST(PlotQuestionCommandLine, SwitchesInTheirOrder) {
    PlotQuestions q;
    q.folder = "/opt/kav";
    q.programFile = "kavrot.exe";
    q.tempDir = "/tmp";
    q.format = kPlotPostScript;
    q.font = "Courier";
    const NumberFormat nf;
    EXPECT_EQ(PlotQuestionCommandLine(nf, q), "/opt/kav/kavrot.exe /tmp/kavrot /CPS /TCourier");

    q.format = 3;
    q.interface = kPlotSerial;
    q.port = 2;
    q.scale = 2.5;
    EXPECT_EQ(PlotQuestionCommandLine(nf, q),
              "/opt/kav/kavrot.exe /tmp/kavrot /CPLT /D1 /P2 /M2.5");

    q.interface = kPlotFile;
    q.outputFile = " plot.hp ";
    q.scale = 0;
    q.xShift = 10;
    q.yShift = -2;
    q.rotate = true;
    q.textWidthFactor = 0.5;
    EXPECT_EQ(PlotQuestionCommandLine(nf, q),
              "/opt/kav/kavrot.exe /tmp/kavrot /CPLT /D3 /Fplot.hp /M* /X10 /R /Y-2 /B0.5");
}

// A program with a readable converter in a scratch folder.
struct PlotFixture : ::testing::Test {
    PlotFixture() : t("plot") {
        test::WriteBytes(t.dir.File("kavrot.exe"), "converter");
        t.program.settings.folders.TempDir = "/t";
    }
    test::ScriptedPlatform& platform() { return t.platform(); }
    UiState& ui() { return t.program.ui; }
    // Answers after the program choice: folder, format, interface, port, scale, rotation,
    // shifts, text width factor.
    void QueueSequence(int format, int interface, const std::string& port,
                       const std::string& scale) {
        auto& a = platform().dialogAnswers;
        a.push_back(DialogAnswer::Choice(2));
        a.push_back(DialogAnswer::Text(t.dir.path()));
        a.push_back(DialogAnswer::Choice(format));
        a.push_back(DialogAnswer::Choice(interface));
        a.push_back(DialogAnswer::Text(port));
        a.push_back(DialogAnswer::Text(scale));
        a.push_back(DialogAnswer::YesNo('N'));
        a.push_back(DialogAnswer::Text("0"));
        a.push_back(DialogAnswer::Text("0"));
        a.push_back(DialogAnswer::Text("1"));
    }
    std::string Prompt(size_t i) { return platform().requests.at(i).prompt; }
    test::CadTestProgram t;
};

TEST_F(PlotFixture, QuestionsBuildTheLineWithTheirTextsAndLimits) {
    QueueSequence(2, 2, "1", "1");
    platform().dialogAnswers.push_back(DialogAnswer::Text("Courier"));
    // A help click at every question tells its help topic.
    std::deque<DialogAnswer> withHelp;
    for (const auto& a : platform().dialogAnswers) {
        withHelp.push_back(DialogAnswer::Help(false));
        withHelp.push_back(a);
    }
    platform().dialogAnswers = withHelp;
    std::vector<int> topics;
    platform().showHelp = [&](bool) { topics.push_back(ui().helpNumber); };
    const std::string line = AskPlotCommand(ui(), "0", "/t", "zel3");
    EXPECT_EQ(topics,
              (std::vector<int>{2060, 2080, 2090, 2110, 2120, 2140, 2145, 2150, 2150, 2160, 2280}));
    EXPECT_FALSE(ui().errorFlag);
    EXPECT_EQ(line, t.dir.path() + "/kavrot.exe /t/kavrot /CPS /TCourier");
    const auto& r = platform().requests;
    ASSERT_EQ(r.size(), 11u);
    EXPECT_EQ(r[0].prompt, "KAVROT/WKAVROT");
    EXPECT_EQ(r[0].options,
              (std::vector<std::string>{"WKAVROT.EXE (Windows)", "KAVROT.EXE (MS-DOS)"}));
    EXPECT_EQ(r[0].preset, "2");
    EXPECT_EQ(r[1].prompt, "Programmverzeichnis von kavrot.exe");
    EXPECT_EQ(r[1].preset, "");  // "0" names no folder
    EXPECT_EQ(r[1].maxLength, 40);
    EXPECT_EQ(r[2].prompt, "Ausgabeformat");
    EXPECT_EQ(r[2].options[1], "Postscript  (PS)");
    EXPECT_EQ(r[3].prompt, "Ausgabeschnittstelle");
    EXPECT_EQ(r[3].preset, "2");
    EXPECT_EQ(r[4].prompt, "LPT-Port");
    EXPECT_EQ(r[5].prompt, "Maßstab (0=anpassen)");
    EXPECT_EQ(r[6].prompt, "Plot um 90 Grad drehen ?");
    EXPECT_EQ(r[7].prompt, "Nullpunktverschiebung in x-Richtung");
    EXPECT_EQ(r[8].prompt, "Nullpunktverschiebung in y-Richtung");
    EXPECT_EQ(r[9].prompt, "Textbreitenfaktor");
    EXPECT_EQ(r[10].prompt, "Postscript-Zeichensatz");
    EXPECT_EQ(r[10].maxLength, 28);
}

TEST_F(PlotFixture, MissingProgramIsAskedAgainAndRangesAreChecked) {
    auto& a = platform().dialogAnswers;
    a.push_back(DialogAnswer::Choice(1));  // wkavrot.exe is not there
    a.push_back(DialogAnswer::Text(t.dir.path()));
    const std::string line = AskPlotCommand(ui(), t.dir.path() + "/x.exe 0", "/t", "zel3");
    // The proposal is the folder of the answer; the empty queue cancels the second try.
    EXPECT_EQ(platform().requests.at(1).preset, t.dir.path());
    EXPECT_TRUE(ui().errorFlag);
    EXPECT_EQ(line, "");
    ASSERT_EQ(platform().messages.size(), 1u);  // the missing file
    EXPECT_EQ(platform().messages[0].kind, BoxKind::Error);
    EXPECT_NE(platform().messages[0].text.find(t.dir.path() + "/wkavrot.exe"), std::string::npos);
    EXPECT_EQ(platform().requests.size(), 3u);

    platform().requests.clear();
    ui().errorFlag = false;
    QueueSequence(1, 1, "5", "1");  // COM 5 is out of range, 2 is taken
    a.insert(a.begin() + 5, DialogAnswer::Text("2"));
    const std::string serial = AskPlotCommand(ui(), "0", "/t", "zel3");
    EXPECT_FALSE(ui().errorFlag);
    EXPECT_EQ(serial, t.dir.path() + "/kavrot.exe /t/kavrot /CHPL /D1 /P2");
    EXPECT_EQ(Prompt(4), "COM-Port");
}

TEST_F(PlotFixture, FileInterfaceAndFitScale) {
    auto& a = platform().dialogAnswers;
    QueueSequence(1, 3, "out.plt", "0");
    const std::string line = AskPlotCommand(ui(), "0", "/t", "zel3");
    EXPECT_EQ(line, t.dir.path() + "/kavrot.exe /t/kavrot /CHPL /D3 /Fout.plt /M*");
    EXPECT_EQ(platform().requests.at(4).prompt, "Name der Ausgabedatei");
    EXPECT_EQ(platform().requests.at(4).maxLength, 30);
    EXPECT_TRUE(a.empty());
}

TEST_F(PlotFixture, CancelAtEveryQuestionEndsWithTheErrorFlag) {
    for (size_t stop = 0; stop < 10; ++stop) {
        platform().dialogAnswers.clear();
        QueueSequence(1, 2, "1", "1");
        platform().dialogAnswers.resize(stop);
        ui().errorFlag = false;
        EXPECT_EQ(AskPlotCommand(ui(), "0", "/t", "zel3"), "") << stop;
        EXPECT_TRUE(ui().errorFlag) << stop;
    }
}

// The temp folder of the line padded so that the question line has length characters.
std::string TempDirForLength(const std::string& folder, size_t length) {
    const size_t fixed = folder.size() + 1 + 10 + 1 + 7 + 6;  // "/kavrot.exe ", "/kavrot", " /CHPL"
    EXPECT_LT(fixed + 2, length);
    return "/" + std::string(length - fixed - 1, 't');
}

TEST_F(PlotFixture, SixtyCharactersFitAndSixtyOneAskForABatchFile) {
    QueueSequence(1, 2, "1", "1");
    const std::string fits = AskPlotCommand(ui(), "0", TempDirForLength(t.dir.path(), 60), "zel3");
    EXPECT_EQ(fits.size(), 60u);
    EXPECT_TRUE(platform().messages.empty());

    QueueSequence(1, 2, "1", "1");  // the batch file question is cancelled
    const std::string tooLong =
        AskPlotCommand(ui(), "0", TempDirForLength(t.dir.path(), 61), "zel3");
    EXPECT_EQ(tooLong.size(), 61u);
    EXPECT_FALSE(ui().errorFlag);
    ASSERT_EQ(platform().messages.size(), 1u);
    EXPECT_EQ(platform().messages[0].kind, BoxKind::Note);
    EXPECT_EQ(platform().messages[0].text,
              "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    const auto& last = platform().requests.back();
    EXPECT_EQ(last.prompt, "Name der Batch-Datei (ohne .bat)");
    EXPECT_EQ(last.maxLength, 20);
    EXPECT_EQ(last.preset, "zel3");  // the converter folder is too long for the prompt
}

TEST_F(PlotFixture, BatchFileNamesAreAskedAgainUntilTheFileIsWritten) {
    QueueSequence(1, 2, "1", "1");
    auto& a = platform().dialogAnswers;
    const std::string name = "/tmp/zp" + std::to_string(::getpid());
    a.push_back(DialogAnswer::Text("plot.x"));
    a.push_back(DialogAnswer::Text("/no_such_zel3/p"));
    a.push_back(DialogAnswer::Text(name));
    const std::string line = AskPlotCommand(ui(), "0", TempDirForLength(t.dir.path(), 70), "zel3");
    EXPECT_FALSE(ui().errorFlag);
    EXPECT_EQ(line, name + ".BAT");
    const std::string content = test::ReadBytes(name + ".BAT");
    EXPECT_EQ(content.size(), 71u);
    EXPECT_EQ(content.substr(0, content.find(' ')), t.dir.path() + "/kavrot.exe");
    EXPECT_EQ(content.back(), '\n');
    struct stat st {};
    ASSERT_EQ(::stat((name + ".BAT").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
    std::remove((name + ".BAT").c_str());
    const auto texts = platform().Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "Datei /no_such_zel3/p.BAT kann nicht angelegt werden");
    EXPECT_EQ(platform().requests.size(), 13u);
}

TEST_F(PlotFixture, OneStoredLineIsUsedAndTypedAnswersAreStoredAsTyped) {
    Settings& s = t.program.settings;
    int selected = 3;
    platform().dialogAnswers.push_back(DialogAnswer::Text("/usr/bin/kav 1 /M2"));
    ChoosePlotCommand(ui(), s, selected, "zel3");
    EXPECT_FALSE(ui().errorFlag);  // the form was cancelled, the prompt confirmed
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(s.kavrotCommand[1], "/usr/bin/kav 1 /M2");
    ASSERT_EQ(platform().plotFormLines.size(), 1u);
    EXPECT_EQ(platform().plotFormLines[0], "C:\\KAVROT\\WKAVROT KAVROT.DXF /M1.0");
    ASSERT_EQ(platform().requests.size(), 1u);
    EXPECT_EQ(Prompt(0), "KAVROT-Kommandozeile (0=Parameter)");
    EXPECT_EQ(platform().requests[0].maxLength, 60);
    EXPECT_EQ(platform().requests[0].preset, "C:\\KAVROT\\WKAVROT KAVROT.DXF /M1.0");
}

TEST_F(PlotFixture, ChoiceFormAndPromptWorkOnTheSelectedLine) {
    Settings& s = t.program.settings;
    s.kavrotCount = 3;
    s.kavrotCommand[2] = "second " + std::string(70, 'x');
    s.kavrotCommand[3] = "third";
    int selected = 1;
    platform().dialogAnswers.push_back(DialogAnswer::Choice(2));
    platform().plotFormAnswers.push_back(DialogAnswer::Text("formed " + std::string(70, 'y')));
    // The prompt shows the first 60 characters; confirming them keeps the whole line.
    platform().dialogAnswers.push_back(DialogAnswer::Text("formed " + std::string(53, 'y')));
    ChoosePlotCommand(ui(), s, selected, "zel3");
    EXPECT_FALSE(ui().errorFlag);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(s.kavrotCommand[2], "formed " + std::string(70, 'y'));
    const auto& r = platform().requests;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].prompt, "KAVROT Command Line");
    EXPECT_EQ(r[0].options.size(), 3u);
    EXPECT_EQ(r[0].options[1].size(), 65u);
    EXPECT_EQ(r[1].preset, "formed " + std::string(70, 'y'));

    // "0" starts the questions; their cancel keeps the stored line.
    platform().requests.clear();
    platform().dialogAnswers = {DialogAnswer::Choice(3), DialogAnswer::Text("0")};
    ChoosePlotCommand(ui(), s, selected, "zel3");
    EXPECT_TRUE(ui().errorFlag);
    EXPECT_EQ(s.kavrotCommand[3], "third");
    EXPECT_EQ(r.back().prompt, "KAVROT/WKAVROT");

    // An empty answer starts them too; the new line replaces the selected one.
    ui().errorFlag = false;
    platform().dialogAnswers = {DialogAnswer::Choice(3), DialogAnswer::Text("")};
    QueueSequence(1, 2, "1", "1");
    ChoosePlotCommand(ui(), s, selected, "zel3");
    EXPECT_FALSE(ui().errorFlag);
    EXPECT_EQ(s.kavrotCommand[3], t.dir.path() + "/kavrot.exe /t/kavrot /CHPL");
    EXPECT_EQ(s.kavrotCommand[1], "C:\\KAVROT\\WKAVROT KAVROT.DXF /M1.0");
}

TEST_F(PlotFixture, CancelOfChoiceOrPromptSetsTheFlag) {
    Settings& s = t.program.settings;
    s.kavrotCount = 2;
    int selected = 2;
    ChoosePlotCommand(ui(), s, selected, "zel3");  // choice cancelled
    EXPECT_TRUE(ui().errorFlag);
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(platform().plotFormLines.empty());

    ui().errorFlag = false;
    platform().dialogAnswers = {DialogAnswer::Choice(1)};
    platform().plotFormAnswers = {DialogAnswer::Text("edited")};
    ChoosePlotCommand(ui(), s, selected, "zel3");  // prompt cancelled
    EXPECT_TRUE(ui().errorFlag);
    EXPECT_EQ(s.kavrotCommand[1], "edited");  // what the form confirmed stays
}

TEST_F(PlotFixture, AskedPlotRunDrawsNothingWhenCancelled) {
    platform().dialogAnswers = {DialogAnswer::Choice(kCadPlot)};  // then the prompt is cancelled
    t.program.run.CadBatch = false;
    t.program.settings.folders.TempDir = t.dir.path();
    CadDriver cad(t.program);
    cad.CadOpen(0);
    EXPECT_TRUE(ui().errorFlag);
    EXPECT_FALSE(test::Exists(t.dir.File("kavrot.dxf")));
    EXPECT_EQ(platform().plotFormLines.size(), 1u);
    cad.CadClose();
    EXPECT_TRUE(platform().hiddenStarts.empty());
}

TEST_F(PlotFixture, PlotRunWritesKavrotDxfAndStartsTheSelectedLine) {
    Settings& s = t.program.settings;
    s.folders.TempDir = t.dir.path();
    s.kavrotCount = 2;
    s.kavrotCommand[2] = "conv /t/kavrot /CPS";
    t.program.plotCommand = 2;
    CadDriver cad(t.program);
    cad.CadOpen(kCadPlot);  // given directly: no question
    ASSERT_FALSE(ui().errorFlag);
    EXPECT_TRUE(platform().requests.empty());
    cad.CadExtents(0, 0, 100, 50);
    cad.CadTables(2);
    cad.CadBeginEntities();
    cad.CadLine(0, 0, 100, 50);
    cad.CadEndSection();
    EXPECT_TRUE(platform().hiddenStarts.empty());  // not before the file is complete
    cad.CadClose();
    EXPECT_EQ(platform().hiddenStarts, std::vector<std::string>{"conv /t/kavrot /CPS"});
    const std::string dxf = test::ReadBytes(t.dir.File("kavrot.dxf"));
    EXPECT_NE(dxf.find("LINE"), std::string::npos);
    EXPECT_NE(dxf.find("EOF", dxf.size() - 6), std::string::npos);
    EXPECT_TRUE(platform().messages.empty());
}

}  // namespace
}  // namespace zel3
