#include "util/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "util/io_error.h"

namespace zel3 {

namespace {
// Closes a descriptor on every path out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int release() {
        int f = fd_;
        fd_ = -1;
        return f;
    }

  private:
    int fd_;
};
}  // namespace

FileReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content) {
    content.clear();
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return FileReadResult::CannotOpen;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return FileReadResult::ReadError;
    if (S_ISDIR(st.st_mode)) return FileReadResult::CannotOpen;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            content.clear();
            return FileReadResult::ReadError;
        }
        if (n == 0) break;
        if (content.size() + static_cast<size_t>(n) > maxBytes) {
            content.clear();
            return FileReadResult::TooLarge;
        }
        content.append(buf, static_cast<size_t>(n));
    }
    return FileReadResult::Ok;
}

int CreateFileBeside(const std::string& path, std::string& tempPath) {
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string tmpl = dir + "$" + name + ".XXXXXX";
    std::vector<char> tmp(tmpl.begin(), tmpl.end());
    tmp.push_back('\0');
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    tempPath.assign(tmp.data());
    // Keep the permissions of the file being replaced; new files get the usual ones.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    return fd;
}

void WriteFileReplacing(const std::string& path, const std::string& content) {
    std::string tmpPath;
    Fd fd(CreateFileBeside(path, tmpPath));
    if (fd.get() < 0) throw IoError(path, errno);
    auto fail = [&](int err) {
        ::unlink(tmpPath.c_str());
        throw IoError(path, err);
    };
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd.get(), content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0) fail(errno);
    if (::close(fd.release()) != 0) fail(errno);
    if (::rename(tmpPath.c_str(), path.c_str()) != 0) fail(errno);
}

void MakeParentFolders(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return;
    for (size_t pos = path.find('/', 1); pos != std::string::npos && pos <= slash;
         pos = path.find('/', pos + 1)) {
        const std::string dir = path.substr(0, pos);
        if (::mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) throw IoError(dir, errno);
    }
}

}  // namespace zel3
