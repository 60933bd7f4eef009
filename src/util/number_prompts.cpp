#include "util/number_prompts.h"

#include <cctype>
#include <cmath>
#include <utility>

#include "util/number_text.h"
#include "util/prompts.h"

namespace zel3 {

namespace {

constexpr int kFloatLength = 30;
constexpr int kIntLength = 12;

void RejectInput(UiState& ui, const std::string& answer) {
    ui.platform.Beep();
    ShowError(ui, "Ung\x81ltige Eingabe \"" + answer + "\" !");
    ui.errorFlag = false;
}

void RejectRange(UiState& ui, const std::string& low, const std::string& high) {
    ui.platform.Beep();
    ShowError(ui, "G\x81ltiger Wertebereich: " + low + " .. " + high + " !");
}

// A text made of number characters that still does not read as a number (too large, two
// points): a typing error worth naming, where letters simply read as 0.
bool IsMalformedFloat(const std::string& text) {
    bool digit = false;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digit = true;
        else if (std::string(" +-.,eE").find(c) == std::string::npos)
            return false;
    }
    std::string s = text;
    const size_t comma = s.find(',');
    if (comma != std::string::npos) s[comma] = '.';
    return digit && !TryTextToFloat(s).has_value();
}

// Digits with an optional sign that still do not read as an int: too large, not letters.
bool IsOversizedInteger(const std::string& text) {
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    if (text[b] == '+' || text[b] == '-') ++b;
    if (b > e) return false;
    for (size_t i = b; i <= e; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return !TryTextToInt(text).has_value();
}

void AskInteger(UiState& ui, const std::string& title, long long& value, long long low,
                long long high) {
    if (low > high) std::swap(low, high);
    long long candidate = value;
    std::string preset = IntToText(value);
    for (;;) {
        std::string answer = preset;
        AskText(ui, title, kIntLength, answer);
        if (ui.errorFlag) return;
        long long v = candidate;
        if (answer != preset) {
            if (IsOversizedInteger(answer)) {
                RejectInput(ui, answer);
                candidate = value;
                preset = IntToText(value);
                continue;
            }
            v = TextToInt(answer);
        }
        if (v < low || v > high) {
            RejectRange(ui, IntToText(low), IntToText(high));
            candidate = v;
            preset = answer;
            continue;
        }
        value = v;
        return;
    }
}

}  // namespace

void AskFloatInRange(UiState& ui, const std::string& title, double& value, double low,
                     double high) {
    // Reversed bounds would reject every answer; read them as the range they describe.
    if (low > high) std::swap(low, high);
    double candidate = value;
    std::string preset = FormatValue(ui.number, value);
    for (;;) {
        std::string answer = preset;
        AskText(ui, title, kFloatLength, answer);
        if (ui.errorFlag) return;
        // An unchanged answer keeps the full precision of the value behind the rounded text.
        double v = candidate;
        if (answer != preset) {
            v = TextToFloat(answer);
            if (IsMalformedFloat(answer) || !std::isfinite(v)) {
                RejectInput(ui, answer);
                candidate = value;
                preset = FormatValue(ui.number, value);
                continue;
            }
        }
        if (!(v >= low && v <= high)) {
            RejectRange(ui, FormatValue(ui.number, low), FormatValue(ui.number, high));
            candidate = v;
            preset = answer;
            continue;
        }
        value = v;
        return;
    }
}

void AskIntInRange(UiState& ui, const std::string& title, int32_t& value, int32_t low,
                   int32_t high) {
    long long v = value;
    AskInteger(ui, title, v, low, high);
    value = static_cast<int32_t>(v);
}

void AskIntInRange(UiState& ui, const std::string& title, int16_t& value, int16_t low,
                   int16_t high) {
    long long v = value;
    AskInteger(ui, title, v, low, high);
    value = static_cast<int16_t>(v);
}

}  // namespace zel3
