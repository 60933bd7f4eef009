#pragma once
// Texts between the program (UTF-8 std::string) and Qt.

#include <QString>
#include <string>

namespace zel3 {

inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.c_str(), static_cast<int>(s.size()));
}

inline std::string S(const QString& s) {
    return s.toUtf8().toStdString();
}

}  // namespace zel3
