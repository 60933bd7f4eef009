#include "util/output_file.h"

#include <cerrno>
#include <cstdio>

namespace zel3 {

namespace {
// "$" marks the program's temporary files.
std::string TemporaryBeside(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "$" + path.substr(nameStart) + ".$$$";
}
}  // namespace

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
    writePath_ = mode_ == Mode::Replacing ? TemporaryBeside(path_) : path_;
    errno = 0;
    file_.reset(std::fopen(writePath_.c_str(), "wb"));
    if (!file_) return errno != 0 ? errno : EIO;
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
