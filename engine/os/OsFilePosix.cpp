// POSIX implementation of OsFile: open(2) with flock(2) for the share modes (a lock per
// open file description, so two opens in one process conflict just as two processes do),
// pread/pwrite, and an fcntl record lock for appends.
#include "OsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sde {

namespace {
constexpr off_t AppendLockOffset = 0x7FFFFF00;
constexpr int64_t WindowsEpochOffset = 11644473600;  // seconds from 1601 to 1970
}  // namespace

bool OsFile::Open(const std::string& path, FileAccess access)
{
    Close();
    int flags = O_CLOEXEC;
    int lockKind = LOCK_SH;
    switch (access) {
    case FileAccess::ReadShared:
        flags |= O_RDONLY;
        break;
    case FileAccess::ReadWriteShared:
        flags |= O_RDWR;
        break;
    case FileAccess::Exclusive:
        flags |= O_RDWR;
        lockKind = LOCK_EX;
        break;
    case FileAccess::Create:
        flags |= O_RDWR | O_CREAT;
        lockKind = LOCK_EX;
        break;
    }
    int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flock(fd, lockKind | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if (access == FileAccess::Create && ftruncate(fd, 0) != 0) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

void OsFile::Close()
{
    if (handle_ != Invalid) {
        ::close(handle_);
        handle_ = Invalid;
    }
}

bool OsFile::ReadAt(uint64_t offset, void* buffer, size_t size) const
{
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        ssize_t got = pread(handle_, out, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        out += got;
        offset += static_cast<uint64_t>(got);
        size -= static_cast<size_t>(got);
    }
    return true;
}

bool OsFile::WriteAt(uint64_t offset, const void* data, size_t size)
{
    auto* in = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t put = pwrite(handle_, in, size, static_cast<off_t>(offset));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        in += put;
        offset += static_cast<uint64_t>(put);
        size -= static_cast<size_t>(put);
    }
    return true;
}

bool OsFile::Truncate(uint64_t size)
{
    return ftruncate(handle_, static_cast<off_t>(size)) == 0;
}

bool OsFile::Stamp(FileStamp& out) const
{
    struct stat info {};
    if (fstat(handle_, &info) != 0) return false;
    out.size = static_cast<uint64_t>(info.st_size);
    // In Windows' terms (100 ns ticks since 1601), as Wine reports the same file's time,
    // so that an index file means the same to both builds.
    out.modified = (static_cast<int64_t>(info.st_mtim.tv_sec) + WindowsEpochOffset) * 10000000 +
                   info.st_mtim.tv_nsec / 100;
    return true;
}

bool OsFile::LockAppend()
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = AppendLockOffset;
    lock.l_len = 1;
    while (fcntl(handle_, F_SETLKW, &lock) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

void OsFile::UnlockAppend()
{
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = AppendLockOffset;
    lock.l_len = 1;
    fcntl(handle_, F_SETLK, &lock);
}

nav::Status OsFile::PutInPlace(const std::string& source, const std::string& target)
{
    if (std::rename(source.c_str(), target.c_str()) == 0) return {};
    return nav::Fail(target + ": " + std::strerror(errno));
}

bool OsFile::ReplaceWith(OsFile& replacement, const std::string& source, const std::string& target)
{
    if (std::rename(source.c_str(), target.c_str()) != 0) return false;
    *this = std::move(replacement);
    return true;
}

bool OsFile::RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

}  // namespace sde
