#include "dbf/dbf_key_expression.h"

#include <cctype>
#include <cstdlib>

#include "dbf/dbf_number.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr size_t kMaxExpression = 100;

// Splits "NAME(args)" into NAME and args; false when there are no brackets.
bool SplitCall(const std::string& t, std::string& name, std::string& args) {
    const size_t open = t.find('(');
    if (open == std::string::npos || t.back() != ')') return false;
    name = UpperAscii(Trim(t.substr(0, open)));
    args = t.substr(open + 1, t.size() - open - 2);
    return true;
}

std::vector<std::string> SplitTopLevel(const std::string& t, char sep) {
    std::vector<std::string> out;
    int depth = 0;
    std::string cur;
    for (char c : t) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == sep && depth == 0) {
            out.push_back(Trim(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(Trim(cur));
    return out;
}

}  // namespace

bool KeyExpression::Parse(const std::string& expression, const std::vector<DbfField>& fields,
                          std::string& reason, bool& tooLong) {
    tooLong = false;
    text_ = Trim(expression);
    fields_ = fields;
    parts_.clear();
    numeric_ = false;
    keyLength_ = 0;
    if (text_.size() > kMaxExpression) {
        tooLong = true;
        reason = text_;
        return false;
    }
    if (text_.empty()) {
        reason = "leerer Index-Ausdruck";
        return false;
    }
    auto findField = [&](const std::string& name, size_t& index) {
        const std::string n = UpperAscii(Trim(name));
        for (size_t i = 0; i < fields.size(); ++i) {
            if (UpperAscii(fields[i].name) == n) {
                index = i;
                return true;
            }
        }
        reason = "Feld \"" + Trim(name) + "\" im Index-Ausdruck unbekannt";
        return false;
    };
    for (const std::string& term : SplitTopLevel(text_, '+')) {
        Part p;
        std::string name, args;
        std::string inner = term;
        if (SplitCall(term, name, args) && name == "UPPER") {
            p.upper = true;
            inner = Trim(args);
        }
        if (SplitCall(inner, name, args) && (name == "STR" || name == "DTOS")) {
            const auto a = SplitTopLevel(args, ',');
            if (!findField(a[0], p.field)) return false;
            const DbfField& f = fields[p.field];
            if (name == "DTOS" && f.type != 'D') {
                reason = "DTOS() braucht ein Datumsfeld";
                return false;
            }
            if (name == "STR") {
                if (f.type != 'N' && f.type != 'F') {
                    reason = "STR() braucht ein Zahlenfeld";
                    return false;
                }
                p.strLength = a.size() > 1 ? std::atoi(a[1].c_str()) : 10;
                p.strDecimals = a.size() > 2 ? std::atoi(a[2].c_str()) : 0;
                if (p.strLength < 1 || p.strLength > 20 || p.strDecimals < 0 ||
                    p.strDecimals >= p.strLength) {
                    reason = "STR() mit ung\xC3\xBCltiger L\xC3\xA4nge";
                    return false;
                }
            }
        } else if (!findField(inner, p.field)) {
            return false;
        }
        parts_.push_back(p);
        keyLength_ += p.strLength > 0 ? p.strLength : fields[p.field].length;
    }
    const DbfField& first = fields[parts_[0].field];
    numeric_ = parts_.size() == 1 && parts_[0].strLength == 0 && !parts_[0].upper &&
               (first.type == 'N' || first.type == 'F');
    if (numeric_) keyLength_ = 8;
    if (keyLength_ > static_cast<int>(kMaxExpression)) {
        tooLong = true;
        reason = text_;
        return false;
    }
    return true;
}

std::string KeyExpression::CharKey(const std::string& record) const {
    std::string key;
    for (const Part& p : parts_) {
        const DbfField& f = fields_[p.field];
        std::string v = record.substr(static_cast<size_t>(f.offset), static_cast<size_t>(f.length));
        if (p.strLength > 0) {
            double number = 0;
            ParseDbfNumber(v, number);
            if (!FormatDbfNumber(number, p.strLength, p.strDecimals, v)) {
                v.assign(static_cast<size_t>(p.strLength), '*');
            }
        }
        if (p.upper) v = UpperAscii(v);
        key += v;
    }
    key.resize(static_cast<size_t>(keyLength_), ' ');
    return key;
}

double KeyExpression::NumberKey(const std::string& record) const {
    const DbfField& f = fields_[parts_[0].field];
    double v = 0;
    ParseDbfNumber(record.substr(static_cast<size_t>(f.offset), static_cast<size_t>(f.length)), v);
    return v;
}

}  // namespace zel3
