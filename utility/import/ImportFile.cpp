#include "ImportFile.h"

#include <algorithm>

namespace quillmap {

namespace {
constexpr std::size_t ReadChunk = 64 * 1024;
constexpr int LineFeed = 10;
constexpr int CarriageReturn = 13;
}  // namespace

ImportFile::ImportFile(const char* path)
    : file_(std::fopen(path, "rb")), buffer_(new unsigned char[ReadChunk])
{
    if (file_ && std::fseek(file_, 0, SEEK_END) == 0) {
        long size = std::ftell(file_);
        size_ = size > 0 ? size : 0;
        std::fseek(file_, 0, SEEK_SET);
    }
}

ImportFile::~ImportFile()
{
    if (file_) std::fclose(file_);
}

bool ImportFile::Refill()
{
    if (!file_) return false;
    consumed_ += static_cast<int64_t>(filled_);
    position_ = 0;
    filled_ = std::fread(buffer_.get(), 1, ReadChunk, file_);
    return filled_ > 0;
}

ImportLine ReadImportLine(ImportFile& file, std::span<char> buffer)
{
    ImportLine line{0, false, LineEnd::EndOfFile};
    const std::size_t room = buffer.size() - 1;
    std::size_t skipped = 0;        // bytes that did not fit
    std::size_t endingReturns = 0;  // carriage returns at the end so far (zero bytes aside)
    int byte = file.NextByte();
    for (; byte != EOF && byte != LineFeed; byte = file.NextByte()) {
        if (byte == 0) continue;
        endingReturns = byte == CarriageReturn ? endingReturns + 1 : 0;
        if (line.length < room)
            buffer[line.length++] = static_cast<char>(byte);
        else
            ++skipped;
    }
    // The skipped bytes are the end of the line: its returns are there first.
    const std::size_t skippedReturns = std::min(endingReturns, skipped);
    skipped -= skippedReturns;
    line.length -= endingReturns - skippedReturns;
    line.cut = skipped > 0;
    if (byte == LineFeed)
        line.end = endingReturns > 0 ? LineEnd::CarriageReturnLineFeed : LineEnd::LineFeed;
    buffer[line.length] = '\0';
    file.CountLine();
    return line;
}

}  // namespace quillmap
