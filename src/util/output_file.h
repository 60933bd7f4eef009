#pragma once
// A text file written line by line with CR LF line ends. In replacing mode the lines go to a
// temporary file beside the target, which replaces the target only when Close succeeds; a file
// given up before (or a failed write) leaves the old target untouched.

#include <cstdio>
#include <memory>
#include <string>

namespace zel3 {

class OutputFile {
  public:
    enum class Mode { Direct, Replacing };

    explicit OutputFile(std::string path, Mode mode = Mode::Direct);
    ~OutputFile();  // gives the file up unless it was closed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& path() const { return path_; }
    bool isOpen() const { return file_ != nullptr; }

    // Each returns 0 or the errno of the failure.
    int Create();
    int WriteLine(const std::string& line);
    int WriteRaw(const std::string& bytes);
    int Close();

  private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    void Abandon();

    std::string path_;
    std::string writePath_;
    Mode mode_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    bool failed_ = false;
};

}  // namespace zel3
