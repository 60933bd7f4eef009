// Searching: index orders, Find, Locate and Continue.
#include <algorithm>

#include "dbf/dbf_table.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Upper case of ASCII letters and of the code page 850 umlauts.
std::string UpperOem(const std::string& t) {
    std::string r = UpperAscii(t);
    for (char& c : r) {
        switch (static_cast<unsigned char>(c)) {
            case 0x84:
                c = static_cast<char>(0x8E);
                break;  // ä
            case 0x94:
                c = static_cast<char>(0x99);
                break;  // ö
            case 0x81:
                c = static_cast<char>(0x9A);
                break;  // ü
            case 0x82:
                c = static_cast<char>(0x90);
                break;  // é
            default:
                break;
        }
    }
    return r;
}

std::string IndexPath(const std::string& tablePath, const std::string& name) {
    std::string file = name;
    const size_t slash = file.find_last_of('/');
    const std::string base = slash == std::string::npos ? file : file.substr(slash + 1);
    if (base.find('.') == std::string::npos) file += ".ndx";
    if (slash != std::string::npos) return file;
    const size_t tslash = tablePath.find_last_of('/');
    return tslash == std::string::npos ? file : tablePath.substr(0, tslash + 1) + file;
}

}  // namespace

void DbfTable::CloseIndex() {
    if (index_ && index_->dirty && !indexPath_.empty()) {
        std::string reason;
        if (index_->Write(indexPath_, reason)) index_->dirty = false;
    }
    index_.reset();
    indexPath_.clear();
    order_ = 0;
}

bool DbfTable::SetIndexTo(const std::string& name, const std::string& expressionIfMissing) {
    const char* op = "SetIndexTo";
    if (!Ready(op)) return false;
    const long current = atEnd_ ? 0 : recno_;
    CloseIndex();
    if (Trim(name).empty()) return current > 0 ? GoTo(current) : GoTop();
    const std::string path = IndexPath(path_, Trim(name));
    auto readRecord = [this](uint32_t r) {
        std::string rec;
        ReadRecord(r, rec);
        return rec;
    };
    auto index = std::make_unique<NdxIndex>();
    std::string reason;
    const int64_t indexTime = FileModifiedNs(path);
    bool loaded = false;
    if (indexTime >= 0 && indexTime >= file_.ModifiedNs()) {
        loaded = index->Load(path, header_.fields, header_.recordCount, reason);
    }
    if (!loaded) {
        // Missing, older than the table, or damaged: build it again from its key expression.
        std::string expression = expressionIfMissing;
        std::string stored;
        if (indexTime >= 0 && NdxIndex::ReadExpression(path, stored, reason) &&
            !Trim(stored).empty()) {
            KeyExpression probe;
            bool tooLong = false;
            std::string ignored;
            if (probe.Parse(stored, header_.fields, ignored, tooLong)) expression = stored;
        }
        if (Trim(expression).empty()) {
            return Fail(DbfError::BadIndex, op, path + (reason.empty() ? "" : ": " + reason));
        }
        KeyExpression key;
        bool tooLong = false;
        if (!key.Parse(expression, header_.fields, reason, tooLong)) {
            return Fail(tooLong ? DbfError::KeyTooLong : DbfError::BadIndex, op,
                        path + ": " + reason);
        }
        index->Build(key, header_.recordCount, readRecord);
        if (error_ != DbfError::None) return false;
        // A folder without write permission keeps the rebuilt index in memory only.
        index->dirty = false;
        std::string ignored;
        index->Write(path, ignored);
    }
    index_ = std::move(index);
    indexPath_ = path;
    order_ = 1;
    return GoTop();
}

bool DbfTable::IndexOn(const std::string& expression, const std::string& file) {
    const char* op = "IndexOn";
    if (!Ready(op)) return false;
    KeyExpression key;
    std::string reason;
    bool tooLong = false;
    if (!key.Parse(expression, header_.fields, reason, tooLong)) {
        return Fail(tooLong ? DbfError::KeyTooLong : DbfError::BadIndex, op, reason);
    }
    auto index = std::make_unique<NdxIndex>();
    index->Build(key, header_.recordCount, [this](uint32_t r) {
        std::string rec;
        ReadRecord(r, rec);
        return rec;
    });
    if (error_ != DbfError::None) return false;
    const std::string path = IndexPath(path_, file);
    if (!index->Write(path, reason)) return Fail(DbfError::FileAccess, op, path + ": " + reason);
    index->dirty = false;
    CloseIndex();
    index_ = std::move(index);
    indexPath_ = path;
    order_ = 1;
    return GoTop();
}

bool DbfTable::SetOrder(int order) {
    if (!Ready("SetOrder")) return false;
    if (order == 1 && !index_) return Fail(DbfError::IndexNotOpen, "SetOrder");
    const long current = atEnd_ ? 0 : recno_;
    order_ = order == 1 ? 1 : 0;
    return current > 0 ? GoTo(current) : GoTop();
}

bool DbfTable::IndexFind(const std::string& key, bool exact, const char* operation) {
    if (!Ready(operation)) return false;
    if (!index_) return Fail(DbfError::IndexNotOpen, operation);
    if (order_ == 0) return Fail(DbfError::FindNaturalOrder, operation);
    // Hidden deleted records do not count as found; look on among the equal keys.
    for (long pos = index_->Find(key, exact);
         pos >= 0 && pos < OrderSize() &&
         index_->EntryMatches(static_cast<size_t>(pos), key, exact);
         ++pos) {
        const uint32_t r = index_->Entries()[static_cast<size_t>(pos)].recno;
        const bool visible = Visible(r);
        if (error_ != DbfError::None) return false;
        if (!visible) continue;
        if (!Position(r)) return false;
        pos_ = pos;
        atBeginning_ = false;
        return true;
    }
    SetEnd();
    return false;
}

bool DbfTable::Find(const std::string& key) {
    return IndexFind(key, false, "Find");
}
bool DbfTable::FindExact(const std::string& key) {
    return IndexFind(key, true, "FindExact");
}

bool DbfTable::Matches(const std::string& value, int field, bool nocase, bool exact,
                       bool contained) const {
    const char type = FieldType(field);
    std::string text = FieldText(field);
    text =
        (type == 'N' || type == 'F') ? Trim(text) : text.substr(0, text.find_last_not_of(' ') + 1);
    if (text.find_first_not_of(' ') == std::string::npos) text.clear();
    std::string v = value;
    if (nocase) {
        text = UpperOem(text);
        v = UpperOem(v);
    }
    if (exact) return text == v;
    if (contained) return text.find(v) != std::string::npos;
    return text.compare(0, v.size(), v) == 0;
}

bool DbfTable::LocateFrom(long pos) {
    for (; pos >= 0 && pos < OrderSize(); ++pos) {
        const uint32_t r = RecordAt(pos);
        const bool visible = Visible(r);
        if (error_ != DbfError::None) return false;
        if (!visible || !Position(r)) {
            if (error_ != DbfError::None) return false;
            continue;
        }
        pos_ = pos;
        const int first = locateField_ == 0 ? 1 : locateField_;
        const int last = locateField_ == 0 ? FieldCount() : locateField_;
        for (int f = first; f <= last; ++f) {
            if (Matches(locateValue_, f, locateNocase_, locateExact_, locateContained_)) {
                atBeginning_ = false;
                return true;
            }
        }
    }
    SetEnd();
    return false;
}

bool DbfTable::Locate(const std::string& command) {
    if (!Ready("Locate")) return false;
    locateActive_ = false;
    const size_t eq = command.find('=');
    const std::string field = eq == std::string::npos ? "" : Trim(command.substr(0, eq));
    if (field.empty()) return Fail(DbfError::NoFieldName, "Locate/Count/Sum");
    const int n = field == "*" ? 0 : FieldIndex(field);
    if (field != "*" && n == 0) {
        return Fail(DbfError::UnknownField, "Locate/Count/Sum(" + command + ")");
    }
    std::string rest = Trim(command.substr(eq + 1));
    std::string value;
    if (!rest.empty() && (rest[0] == '\'' || rest[0] == '"')) {
        const size_t close = rest.find(rest[0], 1);
        value = rest.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        rest = close == std::string::npos ? "" : rest.substr(close + 1);
    } else {
        // Unquoted: the value runs up to the option words at the end.
        std::vector<std::string> words;
        size_t p = 0;
        while (p < rest.size()) {
            const size_t e = rest.find(' ', p);
            words.push_back(rest.substr(p, e == std::string::npos ? std::string::npos : e - p));
            if (e == std::string::npos) break;
            p = rest.find_first_not_of(' ', e);
            if (p == std::string::npos) break;
        }
        size_t k = words.size();
        while (k > 0) {
            const std::string w = UpperAscii(words[k - 1]);
            if (w != "NOCASE" && w != "EXACT" && w != "CONTAINED") break;
            --k;
        }
        for (size_t i = 0; i < k; ++i) value += (i ? " " : "") + words[i];
        rest.clear();
        for (size_t i = k; i < words.size(); ++i) rest += " " + words[i];
    }
    const std::string options = UpperAscii(rest);
    locateNocase_ = options.find("NOCASE") != std::string::npos;
    locateExact_ = options.find("EXACT") != std::string::npos;
    locateContained_ = options.find("CONTAINED") != std::string::npos;
    locateValue_ = value;
    locateField_ = n;
    locateActive_ = true;
    return LocateFrom(0);
}

bool DbfTable::Continue() {
    if (!Ready("Continue")) return false;
    if (!locateActive_) return Fail(DbfError::ContinueWithoutLocate, "Continue");
    if (atEnd_) return false;
    return LocateFrom(pos_ + 1);
}

}  // namespace zel3
