#include "dbf/ndx_index.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dbf/dbf_file.h"
#include "dbf/dbf_number.h"

namespace zel3 {

namespace {

constexpr size_t kPage = 512;
constexpr int kMaxDepth = 32;

int GroupLength(int keyLength) {
    return (keyLength + 8 + 3) / 4 * 4;
}
int KeysPerPage(int keyLength) {
    return static_cast<int>((kPage - 4) / GroupLength(keyLength));
}

std::string EncodeDouble(double v) {
    std::string s(8, '\0');
    uint64_t bits = 0;
    std::memcpy(&bits, &v, 8);
    for (size_t i = 0; i < 8; ++i) s[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return s;
}

double DecodeDouble(const std::string& d, size_t p) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(d[p + static_cast<size_t>(i)]);
    double v = 0;
    std::memcpy(&v, &bits, 8);
    return v;
}

struct Reader {
    const std::string& data;
    int keyLength;
    bool numeric;
    uint32_t pages;
    uint32_t recordCount;
    std::vector<NdxEntry>& out;
    std::string& reason;
    std::vector<bool> seen;

    bool Walk(uint32_t page, int depth) {
        if (depth > kMaxDepth) return Fail("Baum zu tief");
        if (page == 0 || page >= pages)
            return Fail(
                "Seitennummer au\xC3\x9F"
                "erhalb der Datei");
        if (seen[page]) return Fail("Seite mehrfach verwendet");
        seen[page] = true;
        const size_t base = page * kPage;
        const uint32_t n = ReadU32(data, base);
        const int group = GroupLength(keyLength);
        if (n > static_cast<uint32_t>(KeysPerPage(keyLength)))
            return Fail("zu viele Schl\xC3\xBCssel");
        const uint32_t firstChild = ReadU32(data, base + 4);
        const bool leaf = firstChild == 0;
        for (uint32_t i = 0; i < n; ++i) {
            const size_t e = base + 4 + i * static_cast<size_t>(group);
            const uint32_t child = ReadU32(data, e);
            if (leaf) {
                if (child != 0) return Fail("gemischte Seite");
                NdxEntry entry;
                entry.recno = ReadU32(data, e + 4);
                if (entry.recno == 0 || entry.recno > recordCount)
                    return Fail("Satznummer ung\xC3\xBCltig");
                if (numeric)
                    entry.number = DecodeDouble(data, e + 8);
                else
                    entry.key = data.substr(e + 8, static_cast<size_t>(keyLength));
                out.push_back(entry);
            } else {
                if (child == 0) return Fail("gemischte Seite");
                if (!Walk(child, depth + 1)) return false;
            }
        }
        if (!leaf) {
            // The pointer after the last key leads to the highest keys.
            const size_t e = base + 4 + n * static_cast<size_t>(group);
            if (e + 4 > base + kPage)
                return Fail(
                    "Seite \xC3\xBC"
                    "bervoll");
            const uint32_t last = ReadU32(data, e);
            if (last == 0) return Fail("fehlender Verweis");
            if (!Walk(last, depth + 1)) return false;
        }
        if (out.size() > recordCount) return Fail("mehr Schl\xC3\xBCssel als Datens\xC3\xA4tze");
        return true;
    }
    bool Fail(const char* r) {
        reason = r;
        return false;
    }
};

}  // namespace

bool NdxIndex::ReadExpression(const std::string& path, std::string& expression,
                              std::string& reason) {
    DbfFile f;
    std::string head;
    if (!f.Open(path, false) || !f.ReadAt(0, kPage, head) || head.size() < kPage) {
        reason = f.IsOpen() ? "Datei zu kurz" : f.LastError();
        return false;
    }
    const size_t end = head.find('\0', 24);
    expression = head.substr(24, (end == std::string::npos ? kPage : end) - 24);
    return true;
}

bool NdxIndex::Load(const std::string& path, const std::vector<DbfField>& fields,
                    uint32_t recordCount, std::string& reason) {
    DbfFile f;
    if (!f.Open(path, false)) {
        reason = f.LastError();
        return false;
    }
    const uint64_t size = f.Size();
    if (size < 2 * kPage || size % kPage != 0 || size > (1ULL << 31)) {
        reason =
            "Dateigr\xC3\xB6\xC3\x9F"
            "e ung\xC3\xBCltig";
        return false;
    }
    std::string data;
    if (!f.ReadAt(0, static_cast<size_t>(size), data) || data.size() != size) {
        reason = f.LastError();
        return false;
    }
    std::string expression;
    const size_t end = data.find('\0', 24);
    if (end == std::string::npos || end >= kPage) {
        reason = "Index-Ausdruck ohne Ende";
        return false;
    }
    expression = data.substr(24, end - 24);
    KeyExpression key;
    bool tooLong = false;
    if (!key.Parse(expression, fields, reason, tooLong)) return false;
    const uint32_t root = ReadU32(data, 0);
    const uint32_t pages = ReadU32(data, 4);
    const int keyLength = ReadU16(data, 12);
    const int keyType = ReadU16(data, 16);
    if (keyLength != key.KeyLength() || keyType != (key.Numeric() ? 1 : 0) ||
        pages > size / kPage || ReadU16(data, 14) != KeysPerPage(keyLength)) {
        reason = "Kopf passt nicht zum Index-Ausdruck";
        return false;
    }
    std::vector<NdxEntry> entries;
    Reader r{data, keyLength, key.Numeric(), pages, recordCount, entries, reason, {}};
    r.seen.assign(pages, false);
    if (!r.Walk(root, 0)) return false;
    key_ = key;
    entries_ = std::move(entries);
    if (!std::is_sorted(entries_.begin(), entries_.end(),
                        [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); })) {
        reason = "Schl\xC3\xBCssel nicht sortiert";
        return false;
    }
    dirty = false;
    return true;
}

bool NdxIndex::Less(const NdxEntry& a, const NdxEntry& b) const {
    if (key_.Numeric()) {
        if (a.number != b.number) return a.number < b.number;
    } else {
        const int c = a.key.compare(b.key);
        if (c != 0) return c < 0;
    }
    return a.recno < b.recno;
}

NdxEntry NdxIndex::EntryFor(const std::string& record, uint32_t recno) const {
    NdxEntry e;
    e.recno = recno;
    if (key_.Numeric())
        e.number = key_.NumberKey(record);
    else
        e.key = key_.CharKey(record);
    return e;
}

void NdxIndex::Build(const KeyExpression& key, uint32_t recordCount,
                     const std::function<std::string(uint32_t)>& record) {
    key_ = key;
    entries_.clear();
    entries_.reserve(recordCount);
    for (uint32_t n = 1; n <= recordCount; ++n) entries_.push_back(EntryFor(record(n), n));
    std::sort(entries_.begin(), entries_.end(),
              [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); });
    dirty = true;
}

void NdxIndex::Update(const std::string& record, uint32_t recno) {
    const long pos = PositionOf(recno);
    if (pos >= 0) entries_.erase(entries_.begin() + pos);
    const NdxEntry e = EntryFor(record, recno);
    entries_.insert(
        std::upper_bound(entries_.begin(), entries_.end(), e,
                         [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); }),
        e);
    dirty = true;
}

long NdxIndex::PositionOf(uint32_t recno) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].recno == recno) return static_cast<long>(i);
    }
    return -1;
}

namespace {

std::string Probe(const std::string& text, int keyLength, bool exact) {
    std::string probe = text.substr(0, static_cast<size_t>(keyLength));
    if (exact) probe.resize(static_cast<size_t>(keyLength), ' ');
    return probe;
}

}  // namespace

bool NdxIndex::EntryMatches(size_t pos, const std::string& text, bool exact) const {
    if (pos >= entries_.size()) return false;
    const NdxEntry& e = entries_[pos];
    if (key_.Numeric()) {
        double v = 0;
        return ParseDbfNumber(text, v) && e.number == v;
    }
    const std::string probe = Probe(text, key_.KeyLength(), exact);
    return e.key.compare(0, probe.size(), probe) == 0;
}

long NdxIndex::Find(const std::string& text, bool exact) const {
    if (key_.Numeric()) {
        double v = 0;
        if (!ParseDbfNumber(text, v)) return -1;
        const auto it = std::lower_bound(entries_.begin(), entries_.end(), v,
                                         [](const NdxEntry& e, double x) { return e.number < x; });
        if (it == entries_.end() || it->number != v) return -1;
        return static_cast<long>(it - entries_.begin());
    }
    const std::string probe = Probe(text, key_.KeyLength(), exact);
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), probe,
        [](const NdxEntry& e, const std::string& p) { return e.key.compare(0, p.size(), p) < 0; });
    if (it == entries_.end() || it->key.compare(0, probe.size(), probe) != 0) return -1;
    return static_cast<long>(it - entries_.begin());
}

bool NdxIndex::Write(const std::string& path, std::string& reason) const {
    const int keyLength = key_.KeyLength();
    const int group = GroupLength(keyLength);
    const int perLeaf = KeysPerPage(keyLength);
    const int perNode = perLeaf - 1;  // room for the pointer after the last key
    std::vector<std::string> pages(1, std::string(kPage, '\0'));
    struct Node {
        uint32_t page;
        NdxEntry last;
    };
    auto putEntry = [&](std::string& page, int slot, uint32_t child, const NdxEntry& e) {
        const size_t at = 4 + static_cast<size_t>(slot * group);
        PutU32(page, at, child);
        PutU32(page, at + 4, child == 0 ? e.recno : 0);
        page.replace(at + 8, static_cast<size_t>(keyLength),
                     key_.Numeric() ? EncodeDouble(e.number) : e.key);
    };
    std::vector<Node> level;
    size_t i = 0;
    do {  // leaves; an empty index still has one empty leaf as its root
        std::string page(kPage, '\0');
        int n = 0;
        for (; n < perLeaf && i < entries_.size(); ++n, ++i) putEntry(page, n, 0, entries_[i]);
        PutU32(page, 0, static_cast<uint32_t>(n));
        pages.push_back(page);
        level.push_back(
            {static_cast<uint32_t>(pages.size() - 1), n > 0 ? entries_[i - 1] : NdxEntry{}});
    } while (i < entries_.size());
    while (level.size() > 1) {
        std::vector<Node> upper;
        for (size_t c = 0; c < level.size();) {
            std::string page(kPage, '\0');
            const size_t take = std::min(level.size() - c, static_cast<size_t>(perNode + 1));
            for (size_t k = 0; k + 1 < take; ++k)
                putEntry(page, static_cast<int>(k), level[c + k].page, level[c + k].last);
            PutU32(page, 0, static_cast<uint32_t>(take - 1));
            PutU32(page, 4 + (take - 1) * static_cast<size_t>(group), level[c + take - 1].page);
            pages.push_back(page);
            upper.push_back({static_cast<uint32_t>(pages.size() - 1), level[c + take - 1].last});
            c += take;
        }
        level.swap(upper);
    }
    std::string& head = pages[0];
    PutU32(head, 0, level[0].page);
    PutU32(head, 4, static_cast<uint32_t>(pages.size()));
    PutU16(head, 12, static_cast<uint16_t>(keyLength));
    PutU16(head, 14, static_cast<uint16_t>(perLeaf));
    PutU16(head, 16, key_.Numeric() ? 1 : 0);
    PutU16(head, 18, static_cast<uint16_t>(group));
    head.replace(24, key_.Text().size(), key_.Text());

    const std::string temp = path + ".$$$";
    DbfFile f;
    bool ok = f.Create(temp);
    for (size_t p = 0; ok && p < pages.size(); ++p) ok = f.WriteAt(p * kPage, pages[p]);
    ok = ok && f.Sync();
    if (!ok) {
        reason = f.LastError();
        f.Close();
        std::remove(temp.c_str());
        return false;
    }
    f.Close();
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        reason = "Umbenennen fehlgeschlagen";
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace zel3
