// One open dBase III table file. Records are read through a cache of record blocks that our
// own writes keep up to date; in exclusive use nobody else can change the file, in shared use
// the cache is dropped when RefreshCache() finds the file's size or time changed (it looks at
// most every 20 ms: asking for the file's time is a round trip to the server under Wine).
//
// Writes, and what a process killed at any instant leaves behind:
//  - A record is written whole, in one write, by WriteRecord() (the work area calls it when its
//    cursor leaves the record). A record appended at the end goes out together with the
//    end-of-file marker behind it, so the file always ends in whole records and a marker.
//  - Exclusive use: an append only reserves the next record number; the header's record count
//    and date are written at SyncHeader() (close, pack, saving the tags), not per record. A
//    writer killed in between leaves the count behind the file.
//  - Shared use: other processes append too, so an append claims its slot at once, under the
//    cross-process append lock: a placeholder record marked deleted (and the marker), and the
//    header's count. A writer killed before its record is written leaves a deleted blank
//    record, which moves skip when deleted records are hidden and a pack removes.
//  - Open: the record count is held to what the file holds. A header count beyond the file's
//    whole records is cut back; a count behind them (a killed writer, another program) is
//    brought up to the whole records that follow, as long as each carries a deletion flag
//    (the end-of-file marker stops it). Those records are intact: they are kept, written to
//    the header at the next SyncHeader(), and appends go after them.
//  - Pack writes the packed table to a new file and puts it in place of the old one: the
//    table is at every instant either the old one or the packed one.
// The header's date is taken once per open.
#pragma once

#include "DbfFormat.h"
#include "TableField.h"
#include "OsFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sde {

enum class OpenMode {
    ReadWriteShared = 0,
    ReadOnlyShared = 1,
    Exclusive = 2
};

class DbfTable {
public:
    // Opens and checks the header; false for a missing, locked or malformed file.
    bool Open(const std::string& path, OpenMode mode);
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }

    const std::string& Path() const { return path_; }
    const std::vector<TableField>& Fields() const { return fields_; }
    const TableField* Field(const char* name) const;  // case-insensitive; null if unknown
    uint32_t RecordCount() const { return recordCount_; }
    size_t RecordLength() const { return recordLength_; }
    bool Writable() const { return mode_ != OpenMode::ReadOnlyShared; }
    bool Exclusive() const { return mode_ == OpenMode::Exclusive; }

    // Record numbers run from 1. Reads fail (false) outside 1..RecordCount(), and for a
    // reserved record not yet written.
    bool ReadRecord(uint32_t recno, char* out) const;
    // A run of records straight from the file (the cache is for single records).
    bool ReadRecords(uint32_t first, uint32_t count, char* out) const;
    // In shared use: forgets the cached records if another writer may have changed them.
    void RefreshCache();
    // Forgets every cached record (another handle of this process wrote to the file).
    void DropCache() const;

    // Reserves (exclusive use) or claims (shared use) the record after the last one and
    // returns its number, 0 on failure. The caller writes it with WriteRecord().
    uint32_t AppendRecord();
    // Writes record `recno` (RecordLength() bytes) in one write.
    bool WriteRecord(uint32_t recno, const char* record);
    // Exclusive use: writes the header's record count and date if they changed. True when
    // the header was written.
    bool SyncHeader();

    // Removes the records marked deleted (exclusive mode only). `kept` receives, for each
    // record that remains, its old number, in order.
    bool Pack(std::vector<uint32_t>& kept);

    // The header's record of the tags (TagDirectory.h), as read at open or last written.
    const dbf::TagDirectoryBytes& TagDirectory() const { return tagDirectory_; }
    // Writes that record into the header, unless it holds it already. Every other header
    // write (record count, date) leaves these bytes alone.
    bool WriteTagDirectory(const dbf::TagDirectoryBytes& directory);

    // The record count as the file's header states it now (other writers included).
    uint32_t RecordCountOnDisk() const;
    bool Stamp(FileStamp& out) const { return file_.Stamp(out); }

private:
    bool ReadHeader();
    // The records the file holds whole, for a header that counts `headerCount` (see above).
    uint32_t WholeRecords(uint32_t headerCount, uint64_t fileSize) const;
    void MarkUpdated();
    // The header's date and record count, as they lie from byte 1 on.
    static constexpr size_t HeaderStampSize = 7;
    void StampHeader(uint8_t out[HeaderStampSize], uint32_t count) const;
    // The cached copy of a record, null when its block is not loaded.
    char* CachedRecord(uint32_t recno) const;
    uint64_t RecordOffset(uint32_t recno) const
    {
        return headerLength_ + uint64_t(recno - 1) * recordLength_;
    }

    OsFile file_;
    std::string path_;
    OpenMode mode_ = OpenMode::ReadOnlyShared;
    std::vector<TableField> fields_;
    uint32_t recordCount_ = 0;
    uint32_t headerLength_ = 0;
    uint32_t recordLength_ = 0;
    uint32_t recordsInFile_ = 0;  // records written (recordCount_ includes a reserved one)
    uint32_t headerCount_ = 0;    // the count the header holds, as we last read or wrote it
    uint8_t today_[3]{};          // the header's date for this open
    bool dateWritten_ = false;
    bool changed_ = false;  // since the header was last written
    dbf::TagDirectoryBytes tagDirectory_{};

    struct CachedBlock {
        std::vector<char> bytes;
        uint32_t records = 0;  // loaded from the block's first record on
    };
    mutable std::vector<CachedBlock> cache_;
    mutable size_t cachedBytes_ = 0;
    FileStamp cacheStamp_;
    int64_t cacheCheckedAt_ = 0;     // steady clock, milliseconds
    std::vector<char> blankRecord_;  // with the end-of-file marker after it
    std::vector<char> appended_;     // a record and the end-of-file marker, written together
};

// The header's last-update date for today, as year - 1900, month, day.
void TodayForHeader(uint8_t out[3]);

}  // namespace sde
