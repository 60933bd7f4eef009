#pragma once
// The report's output channel: one buffered file written line by line, and the converted
// copies (code page 850 to UTF-8) that other programs read.

#include <cstdio>
#include <memory>
#include <string>

#include "util/number_format.h"

namespace zel3 {

class ReportFile {
  public:
    // Creates a file. It is written under a new name beside path and replaces path at Close,
    // so neither an existing file nor a link planted under that name is written into; a
    // device is written directly. exclusive writes path itself and fails when the name
    // exists already. False with errno set when the file cannot be created.
    bool Create(const std::string& path, bool exclusive = false);
    // Opens an existing device (a printer port) for writing; never creates a file.
    bool OpenDevice(const std::string& path);

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }

    // Writes bytes as they are; throws IoError when the write fails.
    void Write(const std::string& bytes);
    // Flushes and closes; throws IoError when the data could not be written.
    void Close();

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::string path_;    // the file being written
    std::string target_;  // the file it becomes at Close; path_ when written directly
};

// One line of a report (code page 850) in UTF-8; lines of any length.
std::string ReportTextToUtf8(const std::string& oem, const TextOptions& options);

// Reads a report file (code page 850, CR LF line ends) and writes it as UTF-8 with LF line
// ends to target, replacing the target only when the copy is complete. Throws IoError.
void WriteConvertedCopy(const std::string& source, const std::string& target,
                        const TextOptions& options);

// True when path names an existing file or folder.
bool PathExists(const std::string& path);

}  // namespace zel3
