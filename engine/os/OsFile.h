// The engine's only contact with the operating system: one open file with share modes,
// positioned reads and writes that go straight to the file (no cache of our own), a
// cross-process lock for appends, and the stamp (size, modification time) that tells an
// index file whether it still matches its table.
#pragma once

#include "Result.h"

#include <cstdint>
#include <string>

namespace sde {

enum class FileAccess {
    ReadShared,       // read only; others may read and write
    ReadWriteShared,  // read and write; others may read and write
    Exclusive,        // read and write; every other open fails while this one lasts
    Create            // create or truncate, read and write, exclusive
};

struct FileStamp {
    uint64_t size = 0;
    int64_t modified = 0;  // 100 ns ticks since 1601, on every platform
    bool operator==(const FileStamp&) const = default;
};

class OsFile {
public:
    OsFile() = default;
    ~OsFile() { Close(); }
    OsFile(const OsFile&) = delete;
    OsFile& operator=(const OsFile&) = delete;
    OsFile(OsFile&& other) noexcept : handle_(other.handle_) { other.handle_ = Invalid; }
    OsFile& operator=(OsFile&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = other.handle_;
            other.handle_ = Invalid;
        }
        return *this;
    }

    // Opens `path` (already in the platform's form, see PathName.h). False when the file
    // is missing, inaccessible, or held in a way that conflicts with `access`.
    bool Open(const std::string& path, FileAccess access);
    void Close();
    bool IsOpen() const { return handle_ != Invalid; }

    // Whole transfers only: false unless every byte was read or written.
    bool ReadAt(uint64_t offset, void* buffer, size_t size) const;
    bool WriteAt(uint64_t offset, const void* data, size_t size);
    bool Truncate(uint64_t size);
    bool Stamp(FileStamp& out) const;

    // A cross-process lock that serialises appends to a shared table. It lies on a byte
    // far beyond any table's data, so it never blocks readers of the table itself.
    bool LockAppend();
    void UnlockAppend();

    // Replaces `target` by `source` (both closed) by one rename, as atomically as the platform
    // allows; the failure names `target` and says why, in the system's words.
    static nav::Status PutInPlace(const std::string& source, const std::string& target);
    // Puts the file `source`, held by `replacement` (opened with Create), in the place of
    // `target`, which this object holds; this object then holds the new file for exclusive
    // use and `replacement` is closed. On POSIX the rename is atomic and the new file's lock
    // is held throughout. Windows renames no open file, so there both are closed for the move
    // and the result reopened: another program taking the file in that instant makes the
    // reopen fail (false, this object closed).
    bool ReplaceWith(OsFile& replacement, const std::string& source, const std::string& target);
    static bool RemoveFile(const std::string& path);

private:
#ifdef _WIN32
    using Handle = void*;
    static inline const Handle Invalid = reinterpret_cast<Handle>(-1);
#else
    using Handle = int;
    static constexpr Handle Invalid = -1;
#endif
    Handle handle_ = Invalid;
};

}  // namespace sde
