#include "util/detached_process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace zel3 {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The file the program word names: itself when it holds a "/", else the first executable
// file of that name in PATH. Empty when there is none; error tells why.
std::string ResolveProgram(const std::string& word, int& error) {
    error = ENOENT;
    if (word.empty()) return {};
    if (word.find('/') != std::string::npos) {
        error = 0;
        return word;
    }
    const char* env = std::getenv("PATH");
    const std::string path = env && *env ? env : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string::npos) end = path.size();
        std::string dir = path.substr(start, end - start);
        if (dir.empty()) dir = ".";
        const std::string candidate = dir + "/" + word;
        if (IsExecutableFile(candidate)) {
            error = 0;
            return candidate;
        }
        if (::access(candidate.c_str(), F_OK) == 0) error = EACCES;
        start = end + 1;
    }
    return {};
}

void WriteError(int fd, int error) {
    ssize_t n;
    do {
        n = ::write(fd, &error, sizeof error);
    } while (n < 0 && errno == EINTR);
}

}  // namespace

bool ProgramFileExists(const std::string& word) {
    int error = 0;
    const std::string file = ResolveProgram(word, error);
    return !file.empty() && IsExecutableFile(file);
}

int StartDetachedProcess(const std::vector<std::string>& words) {
    if (words.empty()) return ENOENT;
    int error = 0;
    const std::string program = ResolveProgram(words[0], error);
    if (program.empty()) return error;

    // Everything the child needs is prepared here: after fork only system calls follow.
    std::vector<std::string> args = words;
    std::vector<char*> argv;
    for (auto& w : args) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::string shell = "/bin/sh";
    std::string programCopy = program;
    std::vector<char*> shellArgv{shell.data(), programCopy.data()};
    for (size_t i = 1; i < args.size(); ++i) shellArgv.push_back(args[i].data());
    shellArgv.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return errno;
    const pid_t child = ::fork();
    if (child < 0) {
        const int e = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        return e;
    }
    if (child == 0) {
        ::close(fds[0]);
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            WriteError(fds[1], errno);
            ::_exit(1);
        }
        if (grandchild == 0) {
            ::setsid();
            const int nul = ::open("/dev/null", O_RDONLY);
            if (nul >= 0) {
                ::dup2(nul, STDIN_FILENO);
                if (nul != STDIN_FILENO) ::close(nul);
            }
            ::execv(program.c_str(), argv.data());
            if (errno == ENOEXEC) ::execv(shell.c_str(), shellArgv.data());
            WriteError(fds[1], errno);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    int reported = 0;
    ssize_t n;
    do {
        n = ::read(fds[0], &reported, sizeof reported);
    } while (n < 0 && errno == EINTR);
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return n == static_cast<ssize_t>(sizeof reported) ? reported : 0;
}

int StartCodeFromErrno(int error) {
    switch (error) {
        case 0:
            return 33;
        case ENOMEM:
        case EAGAIN:
            return 0;
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ELOOP:
        case ENAMETOOLONG:
            return 3;
        case EACCES:
        case EPERM:
            return 5;
        case ENOEXEC:
        case EISDIR:
        case ETXTBSY:
            return 11;
        default:
            return 31;
    }
}

}  // namespace zel3
