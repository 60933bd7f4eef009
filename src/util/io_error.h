#pragma once
// An unexpected input/output error inside a writer. It ends the current command: the command
// dispatcher (menu handler, batch runner) catches it and shows its text.

#include <cstring>
#include <stdexcept>
#include <string>

namespace zel3 {

class IoError : public std::runtime_error {
  public:
    IoError(const std::string& path, int errorNumber)
        : std::runtime_error(path + ": " + std::strerror(errorNumber)), errorNumber_(errorNumber) {}
    explicit IoError(const std::string& message) : std::runtime_error(message), errorNumber_(0) {}
    int errorNumber() const { return errorNumber_; }

  private:
    int errorNumber_;
};

}  // namespace zel3
