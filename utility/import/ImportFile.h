// An import file opened for reading, and the line reader of the import (bytes as they
// stand, apart from the line ends).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

namespace quillmap {

class ImportFile {
public:
    explicit ImportFile(const char* path);
    ~ImportFile();
    ImportFile(const ImportFile&) = delete;
    ImportFile& operator=(const ImportFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // The next byte, or EOF at the end of the file.
    int NextByte()
    {
        if (position_ == filled_ && !Refill()) return EOF;
        return buffer_[position_++];
    }
    int64_t BytesRead() const { return consumed_ + static_cast<int64_t>(position_); }
    int64_t Size() const { return size_; }  // 0 when unknown
    int LinesRead() const { return linesRead_; }
    void CountLine() { ++linesRead_; }

private:
    bool Refill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t filled_ = 0;
    std::size_t position_ = 0;
    int64_t consumed_ = 0;
    int64_t size_ = 0;
    int linesRead_ = 0;
};

// How a line ended.
enum class LineEnd {
    EndOfFile,  // no line feed: the last line, or reading at the end
    LineFeed,
    CarriageReturnLineFeed,
};

struct ImportLine {
    std::size_t length;  // characters in the buffer, terminator excluded
    bool cut;            // the line was longer than the buffer holds
    LineEnd end;
};

// Reads the next line into buffer (NUL-terminated). A line ends at a line feed, which is
// not part of it; a zero byte adds nothing; the end of the file ends the last line, and
// reading at the end gives an empty line. Carriage returns at the end of a line, as files
// saved on Windows have, are not part of it either, so a line holding only returns is empty
// and no field ever takes one in; a carriage return elsewhere stays. A line longer than the
// buffer holds is cut to fit and the rest of it skipped.
ImportLine ReadImportLine(ImportFile& file, std::span<char> buffer);

}  // namespace quillmap
