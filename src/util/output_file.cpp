#include "util/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "util/safe_file.h"

namespace zel3 {

OutputFile::OutputFile(std::string path, Mode mode) : path_(std::move(path)), mode_(mode) {}

OutputFile::~OutputFile() {
    Abandon();
}

void OutputFile::Abandon() {
    if (!file_) return;
    file_.reset();
    if (mode_ == Mode::Replacing) std::remove(writePath_.c_str());
}

int OutputFile::Create() {
    Abandon();
    failed_ = false;
    errno = 0;
    int fd = -1;
    if (mode_ == Mode::Replacing) {
        fd = CreateFileBeside(path_, writePath_);
    } else {
        writePath_ = path_;
        // A link in place of the file is not followed.
        fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    }
    if (fd < 0) return errno != 0 ? errno : EIO;
    file_.reset(::fdopen(fd, "wb"));
    if (!file_) {
        const int err = errno != 0 ? errno : EIO;
        ::close(fd);
        if (mode_ == Mode::Replacing) std::remove(writePath_.c_str());
        return err;
    }
    return 0;
}

int OutputFile::WriteRaw(const std::string& bytes) {
    if (!file_) return EBADF;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size() ||
        std::fflush(file_.get()) != 0) {
        failed_ = true;
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

int OutputFile::WriteLine(const std::string& line) {
    return WriteRaw(line + "\r\n");
}

int OutputFile::Close() {
    if (!file_) return EBADF;
    errno = 0;
    const int rc = std::fclose(file_.release());
    const int err = rc != 0 ? (errno != 0 ? errno : EIO) : (failed_ ? EIO : 0);
    if (mode_ == Mode::Replacing) {
        if (err == 0 && std::rename(writePath_.c_str(), path_.c_str()) == 0) return 0;
        const int renameErr = err != 0 ? err : (errno != 0 ? errno : EIO);
        std::remove(writePath_.c_str());
        return renameErr;
    }
    return err;
}

}  // namespace zel3
