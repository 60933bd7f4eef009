#pragma once
// The byte ranges a table's users lock.

#include <cstdint>

namespace zel3 {

// Byte far beyond any table that every user locks: shared users read-lock it, an exclusive
// user write-locks it, so exclusive use and shared use exclude each other.
constexpr uint64_t kUseLockByte = 0x7FFFFFF0ULL;
// The file lock: everything below the use-lock byte.
constexpr uint64_t kFileLockLength = kUseLockByte;
// The record count in the header: appenders lock it while they add records, so two of them
// never take the same new place.
constexpr uint64_t kCountLockStart = 4;
constexpr uint64_t kCountLockLength = 4;

}  // namespace zel3
