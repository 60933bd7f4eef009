#include "report/message_list.h"

namespace zel3 {

void MessageList::ClearMessages() {
    count_ = 0;
    calculationFailed = false;
}

void MessageList::AddMessage(const std::string& text) {
    std::string entry = text.substr(0, kMaxLength);
    for (int i = 0; i < count_; ++i) {
        if (entries_[static_cast<size_t>(i)] == entry) return;
    }
    if (count_ >= kMaxMessages) return;
    entries_[static_cast<size_t>(count_++)] = entry;
}

}  // namespace zel3
