// One open dBase III table file. Every change goes to the file before the call returns (no
// write cache), in an order that leaves a readable table if the process dies in between: an
// appended record and its end-of-file marker are written before the header counts it.
//
// Single records are read through a cache of record blocks that our own writes keep up to
// date. In exclusive use nobody else can change the file; in shared use the cache is dropped
// when refreshCache() finds the file's size or time changed (it looks at most every 20 ms:
// asking for the file's time is a round trip to the server under Wine).
#pragma once

#include "DbfFormat.h"
#include "TableField.h"
#include "os/OsFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sde {

enum class OpenMode { ReadWriteShared = 0, ReadOnlyShared = 1, Exclusive = 2 };

class DbfTable {
public:
    // Opens and checks the header; false for a missing, locked or malformed file.
    bool open(const std::string& path, OpenMode mode);
    void close();
    bool isOpen() const { return file_.isOpen(); }

    const std::string& path() const { return path_; }
    const std::vector<TableField>& fields() const { return fields_; }
    const TableField* field(const char* name) const;   // case-insensitive; null if unknown
    uint32_t recordCount() const { return recordCount_; }
    size_t recordLength() const { return recordLength_; }
    bool writable() const { return mode_ != OpenMode::ReadOnlyShared; }
    bool exclusive() const { return mode_ == OpenMode::Exclusive; }

    // Record numbers run from 1. Reads fail (false) outside 1..recordCount().
    bool readRecord(uint32_t recno, char* out) const;
    // A run of records straight from the file (the cache is for single records).
    bool readRecords(uint32_t first, uint32_t count, char* out) const;
    // In shared use: forgets the cached records if another writer may have changed them.
    void refreshCache();
    bool writeBytes(uint32_t recno, int offset, const char* bytes, int length);

    // Appends a blank record at the end of the file (taking the shared-append lock in the
    // shared mode so that two writers never use the same slot). Returns its number, 0 on
    // failure.
    uint32_t appendBlank();

    // Removes the records marked deleted (exclusive mode only). `kept` receives, for each
    // record that remains, its old number, in order.
    bool pack(std::vector<uint32_t>& kept);

    // The header's record of the tags (TagDirectory.h), as read at open or last written.
    const dbf::TagDirectoryBytes& tagDirectory() const { return tagDirectory_; }
    // Writes that record into the header, unless it holds it already. Every other header
    // write (record count, date) leaves these bytes alone.
    bool writeTagDirectory(const dbf::TagDirectoryBytes& directory);

    // The record count as the file's header states it now (other writers included).
    uint32_t recordCountOnDisk() const;
    bool stamp(FileStamp& out) const { return file_.stamp(out); }

private:
    bool readHeader();
    void markUpdated();
    void dropCache() const;
    // The cached copy of a record, null when its block is not loaded.
    char* cachedRecord(uint32_t recno) const;
    uint64_t recordOffset(uint32_t recno) const {
        return headerLength_ + uint64_t(recno - 1) * recordLength_;
    }

    OsFile file_;
    std::string path_;
    OpenMode mode_ = OpenMode::ReadOnlyShared;
    std::vector<TableField> fields_;
    uint32_t recordCount_ = 0;
    uint32_t headerLength_ = 0;
    uint32_t recordLength_ = 0;
    bool dateWritten_ = false;
    dbf::TagDirectoryBytes tagDirectory_ {};

    struct CachedBlock {
        std::vector<char> bytes;
        uint32_t records = 0;   // loaded from the block's first record on
    };
    mutable std::vector<CachedBlock> cache_;
    mutable size_t cachedBytes_ = 0;
    FileStamp cacheStamp_;
    int64_t cacheCheckedAt_ = 0;   // steady clock, milliseconds
    std::vector<char> blankRecord_;   // with the end-of-file marker after it
};

// The header's last-update date for today, as year - 1900, month, day.
void todayForHeader(uint8_t out[3]);

}  // namespace sde
