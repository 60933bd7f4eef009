#include "util/text.h"

namespace zel3 {

std::string UpperAscii(const std::string& t) {
    std::string r = t;
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

std::string LowerAscii(const std::string& t) {
    std::string r = t;
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

}  // namespace zel3
