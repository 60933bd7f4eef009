#include "report/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "util/codepage.h"
#include "util/io_error.h"
#include "util/safe_file.h"

namespace zel3 {

bool ReportFile::Create(const std::string& path, bool exclusive) {
    file_.reset();
    target_ = path;
    // Devices (a printer port, /dev/null) are written as they are; a link is never taken
    // for one.
    struct stat st {};
    const bool device = ::lstat(path.c_str(), &st) == 0 &&
                        (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode));
    int fd = -1;
    if (exclusive || device) {
        // O_EXCL refuses any existing name, a link included.
        path_ = path;
        const int flags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | (exclusive ? O_CREAT | O_EXCL : 0);
        fd = ::open(path_.c_str(), flags, 0644);
    } else {
        // A report file is written under a new name beside its target and renamed over the
        // target only when complete, so a full disk never costs the report of the last run.
        fd = CreateFileBeside(path, path_);
    }
    if (fd < 0) return false;
    file_.reset(::fdopen(fd, "wb"));
    if (!file_) {
        int err = errno;
        ::close(fd);
        if (path_ != target_) std::remove(path_.c_str());
        errno = err;
        return false;
    }
    return true;
}

bool ReportFile::OpenDevice(const std::string& path) {
    file_.reset();
    path_ = path;
    target_ = path;
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    file_.reset(::fdopen(fd, "wb"));
    if (!file_) {
        int err = errno;
        ::close(fd);
        errno = err;
        return false;
    }
    return true;
}

void ReportFile::Write(const std::string& bytes) {
    if (!file_) throw IoError(path_, EBADF);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        int err = errno ? errno : EIO;
        file_.reset();
        if (path_ != target_) std::remove(path_.c_str());
        throw IoError(target_, err);
    }
}

void ReportFile::Close() {
    if (!file_) return;
    std::FILE* f = file_.release();
    errno = 0;
    bool ok = std::fflush(f) == 0;
    int err = errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && path_ != target_ && std::rename(path_.c_str(), target_.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        if (path_ != target_) std::remove(path_.c_str());
        throw IoError(target_, err ? err : EIO);
    }
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

std::string ReportTextToUtf8(const std::string& oem, const TextOptions& options) {
    return OemToUtf8(options.transliterate ? Transliterate(oem) : oem);
}

void WriteConvertedCopy(const std::string& source, const std::string& target,
                        const TextOptions& options) {
    constexpr std::size_t kMaxReport = 64u << 20;
    std::string text;
    switch (ReadWholeFile(source, kMaxReport, text)) {
        case FileReadResult::Ok:
            break;
        case FileReadResult::CannotOpen:
            throw IoError(source, errno ? errno : ENOENT);
        case FileReadResult::TooLarge:
            throw IoError(source, EFBIG);
        case FileReadResult::ReadError:
            throw IoError(source, EIO);
    }
    std::string lf;
    lf.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        lf += text[i];
    }
    // Written beside the target and renamed over it when complete. No fsync: the copy is
    // output that the next run writes again, and a batch run must start and end quickly.
    const std::string temp = target + ".$" + std::to_string(::getpid());
    ReportFile out;
    if (!out.Create(temp, true)) throw IoError(temp, errno);
    try {
        out.Write(ReportTextToUtf8(lf, options));
        out.Close();
        if (std::rename(temp.c_str(), target.c_str()) != 0) throw IoError(target, errno);
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
}

}  // namespace zel3
