// Every fatal finding of the solver has a cause and a remedy in the shipped description file,
// found the way the message window finds it: by the first 14 characters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contact/hertz_solver.h"
#include "util/safe_file.h"

namespace zel3 {
namespace {

TEST(FindingDescriptions, EveryFatalFindingOfTheSolverIsDescribed) {
    std::string content;
    ASSERT_EQ(ReadWholeFile(std::string(ZEL3_SOURCE_DATA_DIR) + "/zel3.err", 1 << 22, content),
              FileReadResult::Ok);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t end = content.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        lines.push_back(content.substr(pos, end - pos));
        pos = end + 2;
    }
    for (const char* finding :
         {finding::kInputNotFinite, finding::kESumZero, finding::kEStarNotPositive,
          finding::kPoissonFactorNotPositive, finding::kCurvatureSumNegative,
          finding::kLengthNegative, finding::kReducedRadiusNotPositive, finding::kLineForceNegative,
          finding::kResultNotFinite}) {
        const std::string key = std::string(finding).substr(0, 14);
        std::size_t i = 0;
        while (i < lines.size() && lines[i].substr(0, 14) != key) ++i;
        ASSERT_LT(i + 2, lines.size()) << finding;
        EXPECT_EQ(lines[i], finding);
        EXPECT_FALSE(lines[i + 1].empty()) << finding;
        EXPECT_FALSE(lines[i + 2].empty()) << finding;
    }
}

}  // namespace
}  // namespace zel3
