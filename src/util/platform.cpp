#include "util/platform.h"

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <iostream>

#include "util/command_line_words.h"
#include "util/detached_process.h"

extern char** environ;

namespace zel3 {

bool Platform::StartProgram(const std::string& commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return false;
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

int Platform::StartHidden(const std::string& commandLine) {
    return StartCodeFromErrno(StartDetachedProcess(SplitCommandLine(commandLine)));
}

bool Platform::OpenUrl(const std::string& url) {
    std::vector<std::string> words{"xdg-open", url};
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

void Platform::ShowTextScreen(const std::string& title, const std::vector<std::string>& lines) {
    std::cout << title << '\n';
    for (const auto& l : lines) std::cout << l << '\n';
}

void Platform::ShowTextFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        MessageBox(BoxKind::Plain, "", path + " not found !");
        return;
    }
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) std::cout.write(buf, n);
    std::fclose(f);
}

void Platform::AboutBox(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += (text.empty() ? "" : "\n") + l;
    MessageBox(BoxKind::Plain, "Info", text);
}

void Platform::PauseMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Platform::MessageDescription(const std::string& message, std::string& cause,
                                  std::string& remedy, bool& changed,
                                  const DescriptionLabels& labels) {
    changed = false;
    MessageBox(BoxKind::Plain, labels.message, message + "\n" + cause + "\n" + remedy);
    return true;
}

}  // namespace zel3
