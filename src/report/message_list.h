#pragma once
// The findings of the last calculation: up to 11 distinct texts of at most 36 characters.

#include <array>
#include <string>

namespace zel3 {

class MessageList {
public:
    static constexpr int kMaxMessages = 11;
    static constexpr size_t kMaxLength = 36;

    // Empties the list and clears the calculation-failed flag.
    void ClearMessages();
    // Adds a finding once; a twelfth distinct finding is dropped.
    void AddMessage(const std::string& text);

    int MessageCount() const { return count_; }
    // i is 1-based.
    const std::string& MessageText(int i) const { return entries_.at(static_cast<size_t>(i - 1)); }

    bool calculationFailed = false;

private:
    std::array<std::string, kMaxMessages> entries_{};
    int count_ = 0;
};

}  // namespace zel3
