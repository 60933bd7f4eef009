#pragma once
// Folder and file permissions for one test, also when the tests run as root (as in most
// containers): while a NoFileRights lives, this thread lacks the capabilities that let root
// ignore permission bits, so a folder without write permission refuses new files. Not root:
// nothing to drop.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zel3::test {

class NoFileRights {
  public:
    NoFileRights() {
        if (::geteuid() != 0) {
            active_ = true;
            return;
        }
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (::syscall(SYS_capget, &header_, old_) != 0) return;
        __user_cap_data_struct reduced[2] = {old_[0], old_[1]};
        constexpr __u32 kRights =
            (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
        reduced[0].effective &= ~kRights;
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
        active_ = dropped_;
    }
    ~NoFileRights() { Restore(); }
    NoFileRights(const NoFileRights&) = delete;
    NoFileRights& operator=(const NoFileRights&) = delete;

    // False when root's rights could not be dropped: the test cannot check permissions.
    bool active() const { return active_; }
    void Restore() {
        if (dropped_) ::syscall(SYS_capset, &header_, old_);
        dropped_ = false;
    }

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct old_[2]{};
    bool dropped_ = false;
    bool active_ = false;
};

}  // namespace zel3::test
