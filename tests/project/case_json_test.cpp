#include "project/case_json.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>

#include "report/message_list.h"

namespace zel3::test {
namespace {

using nlohmann::json;

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(CaseJson, ExactResultsOnlyWithTheExactMethod) {
    ContactCase c;
    c.result.sigmaX = -1.25;
    c.result.vonMises = 0.5;
    c.result.zVonMises = 0.125;
    MessageList messages;
    json table = json::parse(CaseJson("a.zl3", c, messages));
    EXPECT_EQ(table["method"], "table");
    EXPECT_FALSE(table["results"].contains("sigmaX"));
    EXPECT_FALSE(table["results"].contains("vonMises"));
    EXPECT_EQ(table["results"].size(), 14u);

    c.method = CalculationMethod::Exact;
    json exact = json::parse(CaseJson("a.zl3", c, messages));
    EXPECT_EQ(exact["method"], "exact");
    EXPECT_EQ(exact["results"]["sigmaX"], -1.25);
    EXPECT_EQ(exact["results"]["vonMises"], 0.5);
    EXPECT_EQ(exact["results"]["zVonMises"], 0.125);
}

TEST(CaseJson, DoublesReadBackBitForBitAndNonFiniteBecomesNull) {
    const double values[] = {
        0.1,     1.0 / 3.0, 2.0 / 3.0 * 1e-7,  std::numeric_limits<double>::denorm_min(),
        DBL_MAX, -DBL_MIN,  4688.300000000001, 123456789.12345679};
    ContactCase c;
    MessageList messages;
    for (double v : values) {
        c.result.pmax = v;
        c.body[1].rx = -v;
        const json j = json::parse(CaseJson("x", c, messages));
        EXPECT_TRUE(SameBits(j["results"]["pmax"].get<double>(), v)) << v;
        EXPECT_TRUE(SameBits(j["bodies"][1]["rx"].get<double>(), -v)) << v;
    }
    c.result.w = std::numeric_limits<double>::quiet_NaN();
    c.result.R = std::numeric_limits<double>::infinity();
    c.body[0].E = -std::numeric_limits<double>::infinity();
    const std::string line = CaseJson("x", c, messages);
    const json j = json::parse(line);
    EXPECT_TRUE(j["results"]["w"].is_null());
    EXPECT_TRUE(j["results"]["R"].is_null());
    EXPECT_TRUE(j["bodies"][0]["E"].is_null());
    EXPECT_EQ(line.find("nan"), std::string::npos);
    EXPECT_EQ(line.find("inf"), std::string::npos);
}

TEST(CaseJson, TextsAreUtf8OnOneLine) {
    ContactCase c;
    c.body[0].materialName = "Gu\xE1\x65isen\n";  // code page 850 "Gußeisen" and a line break
    MessageList messages;
    messages.AddMessage("Fehler : pmax > pHstat 1");
    messages.AddMessage("Fatal  : L zyl = 0 !");
    messages.calculationFailed = true;
    // A file name that is no UTF-8 still gives its object.
    const std::string line = CaseJson("/tmp/\xFF\xFEprojekt.zl3", c, messages);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const json j = json::parse(line);
    EXPECT_EQ(j["bodies"][0]["material"], "Gu\u00dfeisen\n");
    EXPECT_EQ(j["failed"], true);
    EXPECT_EQ(j["findings"], json({"Fehler : pmax > pHstat 1", "Fatal  : L zyl = 0 !"}));
    EXPECT_EQ(j["file"], "/tmp/\uFFFD\uFFFDprojekt.zl3");
    EXPECT_EQ(nlohmann::ordered_json::parse(line).begin().key(), "file")
        << "fields in their documented order";
}

TEST(CaseJson, UnreadableFileHasTheErrorAndNoResults) {
    const json j = json::parse(UnreadableCaseJson("k\u00f6rper.zl3", CalculationMethod::Exact,
                                                  "Datei k\u00f6rper.zl3 ist fehlerhaft"));
    EXPECT_EQ(j["file"], "k\u00f6rper.zl3");
    EXPECT_EQ(j["method"], "exact");
    EXPECT_EQ(j["failed"], true);
    EXPECT_EQ(j["error"], "Datei k\u00f6rper.zl3 ist fehlerhaft");
    EXPECT_TRUE(j["findings"].empty());
    EXPECT_FALSE(j.contains("results"));
    EXPECT_FALSE(j.contains("bodies"));
}

}  // namespace
}  // namespace zel3::test
