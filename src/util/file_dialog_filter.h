#pragma once
// File dialog filters as the program writes them ("*.zl3", or pairs of description and
// pattern joined by "|": "*.dxf|*.dxf|*.*|*.*") in the form the desktop's dialogs take:
// "*.zl3 (*.zl3)", "*.dxf (*.dxf);;*.* (*)".

#include <string>

namespace zel3 {

std::string DesktopFileFilter(const std::string& pattern);

}  // namespace zel3
