// A text data file read line by line, streaming: plain or gzip-compressed (told apart by
// its first bytes), never held whole in memory.
#pragma once

#include "Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace worlddata {

// Far above any row of the data files.
inline constexpr std::size_t MaximumLineBytes = 64 * 1024;

class DataFileReader {
public:
    DataFileReader();
    ~DataFileReader();
    DataFileReader(const DataFileReader&) = delete;
    DataFileReader& operator=(const DataFileReader&) = delete;

    // Opens the file for reading; the failure names it and says why ("PATH: is a directory").
    nav::Status Open(const std::string& path);
    const std::string& Path() const { return path_; }
    // The next line without its line end (line feed, and a carriage return before it),
    // cut at MaximumLineBytes so that a file without line ends cannot fill the memory. A
    // UTF-8 byte-order mark at the start of the file is no part of the first line.
    // False at the end of the file or when reading failed (then ReadStatus() says so).
    bool ReadLine(std::string& line);
    int LinesCut() const { return linesCut_; }
    // Whether reading went well so far; once it failed, the failure names the file and says
    // why.
    const nav::Status& ReadStatus() const { return readStatus_; }
    int LineNumber() const { return lineNumber_; }
    // Bytes of the file as stored (compressed ones for gzip), for progress.
    int64_t BytesRead() const;
    int64_t Size() const { return size_; }  // 0 when unknown

private:
    bool Refill();

    std::string path_;
    void* file_ = nullptr;  // gzFile; zlib reads plain files unchanged
    std::vector<char> buffer_;
    std::size_t filled_ = 0;
    std::size_t position_ = 0;
    bool atEnd_ = false;
    int lineNumber_ = 0;
    int linesCut_ = 0;
    int64_t size_ = 0;
    nav::Status readStatus_;
};

}  // namespace worlddata
