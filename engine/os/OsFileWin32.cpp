// Win32 implementation of OsFile: CreateFile share modes give the open modes their meaning
// (an exclusive open shares nothing, so any other open of the file fails), ReadFile/WriteFile
// after SetFilePointerEx, and LockFileEx for appends. (Passing the position in an OVERLAPPED
// costs a server round trip per call under Wine; the engine is single-threaded, so moving
// the file pointer is as good.)
#include "OsFile.h"

#include <windows.h>

#include <string>

namespace sde {

namespace {
constexpr DWORD AppendLockOffset = 0x7FFFFF00;

OVERLAPPED OverlappedAt(uint64_t offset)
{
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// The system's words for an error code, without the line end and the full stop that
// close them.
std::string SystemMessage(DWORD code)
{
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == '.' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

bool MoveTo(HANDLE file, uint64_t offset)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}
}  // namespace

bool OsFile::Open(const std::string& path, FileAccess access)
{
    Close();
    DWORD desired = GENERIC_READ | GENERIC_WRITE;
    DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (access) {
    case FileAccess::ReadShared:
        desired = GENERIC_READ;
        break;
    case FileAccess::ReadWriteShared:
        break;
    case FileAccess::Exclusive:
        share = 0;
        break;
    case FileAccess::Create:
        share = 0;
        disposition = CREATE_ALWAYS;
        break;
    }
    HANDLE file = CreateFileA(path.c_str(), desired, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return false;
    }
    handle_ = file;
    return true;
}

void OsFile::Close()
{
    if (handle_ != Invalid) {
        CloseHandle(handle_);
        handle_ = Invalid;
    }
}

bool OsFile::ReadAt(uint64_t offset, void* buffer, size_t size) const
{
    auto* out = static_cast<char*>(buffer);
    if (!MoveTo(handle_, offset)) return false;
    while (size > 0) {
        DWORD got = 0;
        if (!ReadFile(handle_, out, static_cast<DWORD>(size), &got, nullptr) || got == 0)
            return false;
        out += got;
        size -= got;
    }
    return true;
}

bool OsFile::WriteAt(uint64_t offset, const void* data, size_t size)
{
    auto* in = static_cast<const char*>(data);
    if (!MoveTo(handle_, offset)) return false;
    while (size > 0) {
        DWORD put = 0;
        if (!WriteFile(handle_, in, static_cast<DWORD>(size), &put, nullptr) || put == 0)
            return false;
        in += put;
        size -= put;
    }
    return true;
}

bool OsFile::Truncate(uint64_t size)
{
    return MoveTo(handle_, size) && SetEndOfFile(handle_);
}

// GetFileSizeEx and GetFileTime rather than GetFileInformationByHandle, which under Wine
// costs a thousand times more.
bool OsFile::Stamp(FileStamp& out) const
{
    LARGE_INTEGER size;
    FILETIME written;
    if (!GetFileSizeEx(handle_, &size) || !GetFileTime(handle_, nullptr, nullptr, &written))
        return false;
    out.size = static_cast<uint64_t>(size.QuadPart);
    out.modified = static_cast<int64_t>((static_cast<uint64_t>(written.dwHighDateTime) << 32) |
                                        written.dwLowDateTime);
    return true;
}

bool OsFile::LockAppend()
{
    OVERLAPPED position = OverlappedAt(AppendLockOffset);
    return LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &position) != 0;
}

void OsFile::UnlockAppend()
{
    OVERLAPPED position = OverlappedAt(AppendLockOffset);
    UnlockFileEx(handle_, 0, 1, 0, &position);
}

nav::Status OsFile::PutInPlace(const std::string& source, const std::string& target)
{
    if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
    return nav::Fail(target + ": " + SystemMessage(GetLastError()));
}

bool OsFile::ReplaceWith(OsFile& replacement, const std::string& source, const std::string& target)
{
    replacement.Close();
    Close();
    bool moved = MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    return Open(target, FileAccess::Exclusive) && moved;
}

bool OsFile::RemoveFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

}  // namespace sde
