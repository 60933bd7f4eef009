#pragma once
// An open file descriptor with positioned reads and writes and POSIX advisory locks.

#include <cstdint>
#include <string>

namespace zel3 {

class DbfFile {
  public:
    DbfFile() = default;
    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;
    DbfFile(DbfFile&& other) noexcept;
    DbfFile& operator=(DbfFile&& other) noexcept;

    // Opens for reading and writing, or for reading only when writing is not allowed.
    bool Open(const std::string& path, bool allowWrite);
    // Creates or truncates for writing.
    bool Create(const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    bool Writable() const { return writable_; }

    uint64_t Size() const;
    int64_t ModifiedNs() const;
    // Reads up to n bytes; the result is shorter at the end of the file.
    bool ReadAt(uint64_t pos, size_t n, std::string& out) const;
    bool WriteAt(uint64_t pos, const std::string& data);
    bool Truncate(uint64_t size);
    bool Sync();

    // Non-blocking lock of a byte range (length 0 = to the end of all files); write locks
    // need a writable file.
    bool Lock(uint64_t start, uint64_t length, bool exclusive);
    void Unlock(uint64_t start, uint64_t length);

    // The errno text of the last failure.
    const std::string& LastError() const { return error_; }

  private:
    void SetError();
    int fd_ = -1;
    bool writable_ = false;
    std::string error_;
};

// Device and inode of a path; false when it does not exist.
bool SameFile(const std::string& a, const std::string& b);
bool FileExists(const std::string& path);
// Modification time in nanoseconds, -1 when the file does not exist.
int64_t FileModifiedNs(const std::string& path);

}  // namespace zel3
