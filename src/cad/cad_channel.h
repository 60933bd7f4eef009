#pragma once
// The shared text channel of the CAD writers: lines end in CR LF; the file is written under
// a temporary name beside the target and renamed over it when closed, so an aborted run
// never leaves a half-written drawing behind. Write failures throw IoError.

#include <cstdio>
#include <string>

namespace zel3 {

class CadChannel {
  public:
    CadChannel() = default;
    ~CadChannel();
    CadChannel(const CadChannel&) = delete;
    CadChannel& operator=(const CadChannel&) = delete;

    // False (nothing thrown) when the file cannot be created.
    bool Create(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    void WriteLine(const std::string& line);
    // "  0"-style group: the code right-aligned in 3 characters, then the value line.
    void Group(int code, const std::string& value);
    // Finishes the file and moves it into place.
    void Close();
    // Drops an unfinished file.
    void Abandon();
    const std::string& path() const { return path_; }

  private:
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string tempPath_;
};

}  // namespace zel3
