#include "shell/program_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace zel3 {

namespace {
bool IsDir(const std::string& p) {
    struct stat st {};
    return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
std::string WithSlash(std::string p) {
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}
std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}
}  // namespace

std::string ExecutableDir() {
    std::vector<char> buf(4096);
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return {};
    std::string path(buf.data(), static_cast<size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FindProgramDataDir(const std::string& exeDir) {
    if (!exeDir.empty()) {
        std::string installed = WithSlash(exeDir) + ZEL3_DATA_FROM_BINDIR;
        if (IsDir(installed)) {
            char* real = ::realpath(installed.c_str(), nullptr);
            if (real) {
                std::string r = real;
                std::free(real);
                return WithSlash(r);
            }
        }
    }
    return WithSlash(ZEL3_SOURCE_DATA_DIR);
}

std::string DefaultHomeDir() {
    std::string home = Env("ZEL3_HOME");
    if (!home.empty()) return WithSlash(home);
    std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty()) return WithSlash(xdg) + "zel3/";
    std::string user = Env("HOME");
    if (!user.empty()) return WithSlash(user) + ".config/zel3/";
    return {};
}

std::string CurrentDir() {
    std::vector<char> buf(4096);
    if (!::getcwd(buf.data(), buf.size())) return "./";
    return WithSlash(buf.data());
}

}  // namespace zel3
