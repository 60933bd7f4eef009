#include "dbf/dbf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace zel3 {

namespace {

// Locks belong to the open file, not to the process (Linux open-file-description locks): two
// opens of one table in the same program exclude each other like two programs do, and closing
// one of them leaves the locks of the other in place. Process locks where the kernel has none.
int SetLock(int fd, struct flock& fl) {
#ifdef F_OFD_SETLK
    fl.l_pid = 0;
    if (::fcntl(fd, F_OFD_SETLK, &fl) == 0) return 0;
    if (errno != EINVAL) return -1;
#endif
    return ::fcntl(fd, F_SETLK, &fl);
}

int64_t StatNs(const struct stat& st) {
    return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

}  // namespace

DbfFile::~DbfFile() {
    Close();
}

DbfFile::DbfFile(DbfFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), writable_(other.writable_), error_(other.error_) {}

DbfFile& DbfFile::operator=(DbfFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        writable_ = other.writable_;
        error_ = other.error_;
    }
    return *this;
}

void DbfFile::SetError() {
    error_ = std::strerror(errno);
}

bool DbfFile::Open(const std::string& path, bool allowWrite) {
    Close();
    if (allowWrite) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        writable_ = fd_ >= 0;
    }
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        SetError();
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = "keine Datei";
        Close();
        return false;
    }
    return true;
}

bool DbfFile::Create(const std::string& path) {
    Close();
    // Only scratch files beside a table are created; a link planted under such a name is
    // refused, never followed.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        SetError();
        return false;
    }
    writable_ = true;
    return true;
}

void DbfFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    writable_ = false;
}

uint64_t DbfFile::Size() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
    return static_cast<uint64_t>(st.st_size);
}

int64_t DbfFile::ModifiedNs() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return StatNs(st);
}

bool DbfFile::ReadAt(uint64_t pos, size_t n, std::string& out) const {
    out.assign(n, '\0');
    size_t done = 0;
    while (done < n) {
        const ssize_t r = ::pread(fd_, &out[done], n - done, static_cast<off_t>(pos + done));
        if (r < 0) {
            if (errno == EINTR) continue;
            const_cast<DbfFile*>(this)->SetError();
            out.resize(done);
            return false;
        }
        if (r == 0) break;
        done += static_cast<size_t>(r);
    }
    out.resize(done);
    return true;
}

bool DbfFile::WriteAt(uint64_t pos, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t r =
            ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(pos + done));
        if (r < 0) {
            if (errno == EINTR) continue;
            SetError();
            return false;
        }
        done += static_cast<size_t>(r);
    }
    return true;
}

bool DbfFile::Truncate(uint64_t size) {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        SetError();
        return false;
    }
    return true;
}

bool DbfFile::Sync() {
    if (::fsync(fd_) != 0) {
        SetError();
        return false;
    }
    return true;
}

bool DbfFile::Lock(uint64_t start, uint64_t length, bool exclusive) {
    struct flock fl {};
    fl.l_type = static_cast<short>(exclusive ? F_WRLCK : F_RDLCK);
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(start);
    fl.l_len = static_cast<off_t>(length);
    if (SetLock(fd_, fl) != 0) {
        SetError();
        return false;
    }
    return true;
}

void DbfFile::Unlock(uint64_t start, uint64_t length) {
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(start);
    fl.l_len = static_cast<off_t>(length);
    SetLock(fd_, fl);
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int64_t FileModifiedNs(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return StatNs(st);
}

}  // namespace zel3
