// The Help, View and Documentation entries of the main window call the right commands.

#include <QAction>
#include <QtTest>
#include <filesystem>

#include "shell/main_window.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;

namespace {
struct Fixture {
    Fixture() {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        program->settings.folders.TempDir = temp.Dir();
        window = std::make_unique<MainWindow>(*program);
    }
    void trigger(const char* name) {
        QAction* a = window->findChild<QAction*>(name);
        QVERIFY2(a, name);
        a->setEnabled(true);
        a->trigger();
    }
    test::TempFolder temp;
    test::ScriptedPlatform* platform = nullptr;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;
};
}  // namespace

class MainWindowMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void errorMessagesOfHelpOpenTheMessageWindow() {
        Fixture f;
        f.trigger("mi_helpErrors");
        QCOMPARE(f.platform->Texts(),
                 (std::vector<std::string>{"Berechnung erfolgreich ohne Fehlermeldungen"}));
        f.program->messages.AddMessage("Fehler : pmax > pzul !");
        f.trigger("mi_helpErrors");
        QCOMPARE(f.platform->requests.back().options.front(),
                 std::string("Fehler : pmax > pzul !"));
    }

    void errorMessagesOfViewShowTheMessageReport() {
        Fixture f;
        f.program->messages.AddMessage("Fehler : pmax > pzul !");
        f.trigger("mi_viewErrors");
        QCOMPARE(f.platform->messages.back().caption, std::string("text file"));
        QCOMPARE(f.platform->messages.back().text, f.temp / "outwin.txt");
        const std::string report = test::ReadBytes(f.temp / "outwin.txt");
        QVERIFY(report.find("Error Messages") != std::string::npos);
        QVERIFY(report.find("pmax > pzul") != std::string::npos);
    }

    void standardShowsTheResultsReport() {
        Fixture f;
        f.trigger("mi_viewStandard");
        QCOMPARE(f.platform->messages.back().caption, std::string("text file"));
        const std::string report = test::ReadBytes(f.temp / "outwin.txt");
        QVERIFY(report.find("K\xC3\xB6rper 1") != std::string::npos);
        QVERIFY(report.find("Max.Druckspannung") != std::string::npos);
    }

    void historyIsShownFromTheDataFolder() {
        Fixture f;
        f.trigger("mi_helpHistory");
        const std::string path = f.platform->messages.back().text;
        QCOMPARE(f.platform->messages.back().caption, std::string("text file"));
        QVERIFY(path.size() > 11 && path.substr(path.size() - 11) == "history.txt");
        QVERIFY(std::filesystem::is_regular_file(path));
    }

    void webAndMailGoToTheMaker() {
        Fixture f;
        f.trigger("mi_helpWeb");
        f.trigger("mi_helpMail");
        QCOMPARE(f.platform->startedPrograms,
                 (std::vector<std::string>{"url https://www.trellox.de/",
                                           "url mailto:support@trellox.de?subject=ZEL3%20V2.7"}));
    }

    void aboutDemoAndHelpPictures() {
        Fixture f;
        f.trigger("mi_helpAbout");
        QCOMPARE(f.platform->messages.back().caption, std::string("Info"));
        QVERIFY(f.platform->messages.back().text.find("ZEL3 V2.7") == 0);
        f.trigger("mi_helpDemo");
        QCOMPARE(f.platform->messages.back().kind, BoxKind::Note);
        QVERIFY(f.platform->messages.back().text.find("Demo") != std::string::npos);
        const size_t before = f.platform->requests.size();
        f.trigger("mi_helpHilfebild");  // the browser asks, the scripted user cancels
        QVERIFY(f.platform->requests.size() > before);
    }
};

QTEST_MAIN(MainWindowMenuTest)
#include "main_window_menu_qtest.moc"
