#include "cad/cad_channel.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "util/io_error.h"
#include "util/safe_file.h"

namespace zel3 {

CadChannel::~CadChannel() {
    Abandon();
}

bool CadChannel::Create(const std::string& path) {
    Abandon();
    path_ = path;
    // A new file of our own, never an existing name that might be a planted link.
    const int fd = CreateFileBeside(path, tempPath_);
    if (fd < 0) return false;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        const int err = errno;
        ::close(fd);
        std::remove(tempPath_.c_str());
        errno = err;
    }
    return file_ != nullptr;
}

void CadChannel::WriteLine(const std::string& line) {
    if (!file_) throw IoError(path_, EBADF);
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
        std::fwrite("\r\n", 1, 2, file_) != 2) {
        int err = errno;
        Abandon();
        throw IoError(path_, err);
    }
}

void CadChannel::Group(int code, const std::string& value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", code);
    WriteLine(buf);
    WriteLine(value);
}

void CadChannel::Close() {
    if (!file_) return;
    std::FILE* f = file_;
    file_ = nullptr;
    bool ok = std::fflush(f) == 0;
    int err = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        std::remove(tempPath_.c_str());
        throw IoError(path_, err ? err : EIO);
    }
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        err = errno;
        std::remove(tempPath_.c_str());
        throw IoError(path_, err);
    }
}

void CadChannel::Abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::remove(tempPath_.c_str());
}

}  // namespace zel3
