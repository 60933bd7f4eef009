#pragma once
// An index in the dBase III ".ndx" layout: a 512-byte header page (root page, page count, key
// length, keys per page, key type, key expression) and B-tree pages of key entries. The whole
// key list is held in memory, sorted by key and record number; the file is read once and
// written back as a fresh tree.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dbf/dbf_key_expression.h"

namespace zel3 {

struct NdxEntry {
    std::string key;    // character keys, blank-padded
    double number = 0;  // numeric keys
    uint32_t recno = 0;
};

class NdxIndex {
  public:
    // Reads the key expression of an index file without reading its pages.
    static bool ReadExpression(const std::string& path, std::string& expression,
                               std::string& reason);

    // Reads the whole file. Every page number, key count and record number is checked; a
    // damaged file gives false and a reason.
    bool Load(const std::string& path, const std::vector<DbfField>& fields, uint32_t recordCount,
              std::string& reason);

    // Builds the key list from the records; record(n) returns the bytes of record n.
    void Build(const KeyExpression& key, uint32_t recordCount,
               const std::function<std::string(uint32_t)>& record);

    // Writes the file through a temporary file in the same folder.
    bool Write(const std::string& path, std::string& reason) const;

    // Key of a record as this index builds it.
    NdxEntry EntryFor(const std::string& record, uint32_t recno) const;
    // Replaces the entry of recno (or adds it) after a record changed.
    void Update(const std::string& record, uint32_t recno);

    // Position of the first entry whose key begins with prefix (exact: equals the padded
    // key); -1 when there is none.
    long Find(const std::string& text, bool exact) const;
    // True when the entry at pos matches text as Find does.
    bool EntryMatches(size_t pos, const std::string& text, bool exact) const;
    // Position of recno in the order; -1 when it is not in the index.
    long PositionOf(uint32_t recno) const;

    const KeyExpression& Key() const { return key_; }
    const std::vector<NdxEntry>& Entries() const { return entries_; }
    bool dirty = false;

  private:
    bool Less(const NdxEntry& a, const NdxEntry& b) const;
    KeyExpression key_;
    std::vector<NdxEntry> entries_;
};

}  // namespace zel3
