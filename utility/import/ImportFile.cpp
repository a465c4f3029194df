#include "ImportFile.h"

namespace {
constexpr std::size_t ReadChunk = 64 * 1024;
constexpr int LineFeed = 10;
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
    ImportLine line{0, false};
    const std::size_t room = buffer.size() - 1;
    for (int byte = file.NextByte(); byte != EOF && byte != LineFeed; byte = file.NextByte()) {
        if (byte == 0)
            continue;
        if (line.length < room)
            buffer[line.length++] = static_cast<char>(byte);
        else
            line.cut = true;
    }
    buffer[line.length] = '\0';
    file.CountLine();
    return line;
}
