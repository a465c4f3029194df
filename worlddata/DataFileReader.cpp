#include "DataFileReader.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace worlddata {

namespace {

constexpr std::size_t ChunkBytes = 256 * 1024;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

gzFile Handle(void* file)
{
    return static_cast<gzFile>(file);
}

}  // namespace

DataFileReader::DataFileReader() : buffer_(ChunkBytes) {}

nav::Status DataFileReader::Open(const std::string& path)
{
    if (file_) gzclose(Handle(file_));
    file_ = nullptr;
    path_ = path;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return nav::Fail(path + ": is a directory");
    errno = 0;
    file_ = gzopen(path.c_str(), "rb");
    if (!file_) return nav::Fail(path + ": " + (errno ? std::strerror(errno) : "cannot open"));
    gzbuffer(Handle(file_), ChunkBytes);
    auto size = std::filesystem::file_size(path, error);
    size_ = error ? 0 : static_cast<int64_t>(size);
    return {};
}

DataFileReader::~DataFileReader()
{
    if (file_) gzclose(Handle(file_));
}

int64_t DataFileReader::BytesRead() const
{
    return file_ ? static_cast<int64_t>(gzoffset(Handle(file_))) : 0;
}

bool DataFileReader::Refill()
{
    if (atEnd_ || !file_ || !readStatus_) return false;
    int count = gzread(Handle(file_), buffer_.data(), static_cast<unsigned>(buffer_.size()));
    int code = Z_OK;
    const char* message = gzerror(Handle(file_), &code);
    if (count < 0 || (code != Z_OK && code != Z_STREAM_END)) {
        // A damaged or cut-off compressed file: what was read so far is not trusted to end
        // at a row boundary, so the reading stops as failed.
        readStatus_ = nav::Fail(path_ + ": " + (code == Z_ERRNO ? std::strerror(errno) : message));
        return false;
    }
    if (count == 0) {
        atEnd_ = true;
        return false;
    }
    filled_ = static_cast<std::size_t>(count);
    position_ = 0;
    return true;
}

bool DataFileReader::ReadLine(std::string& line)
{
    line.clear();
    bool any = false;
    bool cut = false;
    for (;;) {
        if (position_ == filled_ && !Refill()) break;
        any = true;
        const char* start = buffer_.data() + position_;
        const void* end = std::memchr(start, '\n', filled_ - position_);
        std::size_t length = end ? static_cast<const char*>(end) - start : filled_ - position_;
        std::size_t room = MaximumLineBytes - line.size();
        cut = cut || length > room;
        line.append(start, std::min(length, room));
        position_ += length;
        if (end) {
            ++position_;
            break;
        }
    }
    if (!readStatus_ || !any) return false;
    linesCut_ += cut ? 1 : 0;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNumber_ == 0 && line.starts_with(ByteOrderMark)) line.erase(0, ByteOrderMark.size());
    ++lineNumber_;
    return true;
}

}  // namespace worlddata
