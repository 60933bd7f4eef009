#include "graphics/help_print.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "util/prompts.h"
#include "util/safe_file.h"

namespace zel3 {

namespace {

constexpr std::size_t kMaxPictureBytes = 16u * 1024 * 1024;
const char kEnterHpgl2[] =
    "\x1b"
    "E"
    "\x1b"
    "%0B";
const char kLeaveHpgl2[] =
    "\x1b"
    "%0A"
    "\x1b"
    "E";

class Port {
  public:
    // No O_CREAT: a missing device must fail, not become a file in /dev.
    explicit Port(const std::string& device)
        : fd_(::open(device.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC)) {}
    ~Port() {
        if (fd_ >= 0) ::close(fd_);
    }
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool Write(const char* data, std::size_t size) {
        while (size > 0) {
            ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// display: the text in the display code page, as it names files.
bool Fail(UiState& ui, const std::string& display) {
    ReportDisplayedError(ui, display);
    ui.errorFlag = true;
    return false;
}

}  // namespace

std::string PrinterPortDevice(int port) {
    return "/dev/lp" + std::to_string(port - 1);
}

bool SendPictureToPort(UiState& ui, const std::string& picture, const std::string& device,
                       bool controlSequence) {
    std::string data;
    if (ReadWholeFile(picture, kMaxPictureBytes, data) != FileReadResult::Ok)
        return Fail(ui, "Datei " + picture + " nicht gefunden oder kein Zugriffsrecht !");
    Port port(device);
    if (!port.isOpen())
        return Fail(ui, "Datei " + device + " nicht gefunden oder kein Zugriffsrecht !");
    bool ok = !controlSequence || port.Write(kEnterHpgl2, sizeof kEnterHpgl2 - 1);
    ok = ok && port.Write(data.data(), data.size());
    ok = ok && (!controlSequence || port.Write(kLeaveHpgl2, sizeof kLeaveHpgl2 - 1));
    int err = ok ? 0 : errno;
    if (!port.Close() && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) return Fail(ui, device + ": " + std::strerror(err));
    return true;
}

}  // namespace zel3
