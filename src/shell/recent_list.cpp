#include "shell/recent_list.h"

#include <algorithm>

#include "util/text.h"

namespace zel3 {

void AddRecentFile(RecentFiles& list, const std::string& path) {
    const std::string key = UpperAscii(path);
    for (int k = 4; k >= 1; --k) {
        if (!list[k].empty() && UpperAscii(list[k]) == key) RemoveRecentFile(list, k);
    }
    for (int k = 4; k >= 2; --k) list[k] = list[k - 1];
    list[1] = path;
}

void RemoveRecentFile(RecentFiles& list, int k) {
    if (k < 1 || k > 4) return;
    for (int i = k; i < 4; ++i) list[i] = list[i + 1];
    list[4].clear();
}

std::string RecentFileCaption(const RecentFiles& list, int k) {
    return "&" + std::to_string(k) + " " + ShortenPath(list.at(static_cast<size_t>(k)));
}

}  // namespace zel3
