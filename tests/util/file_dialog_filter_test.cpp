#include "util/file_dialog_filter.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

TEST(DesktopFileFilter, PairsOfDescriptionAndPatternBecomeDialogFilters) {
    EXPECT_EQ(DesktopFileFilter("*.zl3"), "*.zl3 (*.zl3)");
    EXPECT_EQ(DesktopFileFilter("*.zl3|*.zl3"), "*.zl3 (*.zl3)");
    EXPECT_EQ(DesktopFileFilter("*.dxf|*.dxf|*.*|*.*"), "*.dxf (*.dxf);;*.* (*)");
    EXPECT_EQ(DesktopFileFilter("Tabellen|*.dbf;*.csv"), "Tabellen (*.dbf *.csv)");
    EXPECT_EQ(DesktopFileFilter("Text|*.txt|*.htm"), "Text (*.txt);;*.htm (*.htm)");
    EXPECT_EQ(DesktopFileFilter("Alle|"), "Alle (*)");
}

}  // namespace
}  // namespace zel3
