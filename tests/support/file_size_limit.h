#pragma once
// A full disk for one test: while a FileSizeLimit lives, no file of this process can grow past
// the given size; a write beyond it fails with EFBIG half way, as on a full disk. The signal
// such a write would raise is ignored meanwhile. No root rights and no special file system.

#include <sys/resource.h>

#include <csignal>

namespace zel3::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old_;
        small.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }
    void Lift() {
        if (!active_) return;
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
        active_ = false;
    }

  private:
    struct rlimit old_ {};
    void (*previous_)(int) = SIG_DFL;
    bool active_ = false;
};

}  // namespace zel3::test
