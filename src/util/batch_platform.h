#pragma once
// The platform of runs without a window: errors and notes go to standard error, questions
// take their default (Cancel), dialogs are cancelled, nothing waits for a person.

#include <string>

#include "util/platform.h"

namespace zel3 {

class BatchPlatform : public Platform {
public:
    void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override;
    YesNoCancel Question(const std::string& caption, const std::string& text) override;
    bool TextDialog(const std::string& prompt, int maxLength, std::string& answer) override;
    bool YesNoDialog(const std::string& prompt, char& answer, bool& okPressed) override;
    bool RadioDialog(const std::string& prompt, const std::vector<std::string>& options,
                     int& selected) override;
    bool ListDialog(const std::string& prompt, const std::vector<std::string>& options,
                    int& selected) override;
    bool OpenFileDialog(const std::string& startDir, const std::string& pattern,
                        std::string& path) override;
    bool SaveFileDialog(const std::string& startDir, const std::string& pattern,
                        const std::string& suggestedName, std::string& path) override;
    bool FolderDialog(const std::string& start, std::string& folder) override;

    // The text of the last error box, for runs that report errors in their own output too.
    const std::string& LastError() const { return lastError_; }
    void ClearLastError() { lastError_.clear(); }

private:
    std::string lastError_;
};

}  // namespace zel3
