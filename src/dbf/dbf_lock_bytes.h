#pragma once
// The byte ranges a table's users lock.

#include <cstdint>

namespace zel3 {

// Byte far beyond any table that every user locks: shared users read-lock it, an exclusive
// user write-locks it, so exclusive use and shared use exclude each other.
constexpr uint64_t kUseLockByte = 0x7FFFFFF0ULL;
// The file lock: everything below the use-lock byte.
constexpr uint64_t kFileLockLength = kUseLockByte;

}  // namespace zel3
