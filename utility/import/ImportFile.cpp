#include "ImportFile.h"

namespace {
constexpr std::size_t ReadChunk = 64 * 1024;
constexpr int LineFeed = 10;
constexpr int CarriageReturn = 13;
}

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
    if (file_)
        std::fclose(file_);
}

bool ImportFile::Refill()
{
    if (!file_)
        return false;
    consumed_ += static_cast<int64_t>(filled_);
    position_ = 0;
    filled_ = std::fread(buffer_.get(), 1, ReadChunk, file_);
    return filled_ > 0;
}

ImportLine ReadImportLine(ImportFile& file, std::span<char> buffer)
{
    ImportLine line{0, false, LineEnd::EndOfFile};
    const std::size_t room = buffer.size() - 1;
    std::size_t skipped = 0; // bytes that did not fit
    int last = EOF;          // the last byte of the line that is not a zero
    int byte = file.NextByte();
    for (; byte != EOF && byte != LineFeed; byte = file.NextByte()) {
        if (byte == 0)
            continue;
        last = byte;
        if (line.length < room)
            buffer[line.length++] = static_cast<char>(byte);
        else
            ++skipped;
    }
    const bool endsInReturn = last == CarriageReturn;
    if (endsInReturn) {
        if (skipped > 0)
            --skipped;
        else
            --line.length;
    }
    line.cut = skipped > 0;
    if (byte == LineFeed)
        line.end = endsInReturn ? LineEnd::CarriageReturnLineFeed : LineEnd::LineFeed;
    buffer[line.length] = '\0';
    file.CountLine();
    return line;
}
