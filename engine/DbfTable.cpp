#include "DbfTable.h"

#include "AsciiText.h"
#include "DbfFormat.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace sde {

using namespace dbf;

namespace {
constexpr uint32_t RecordsPerBlock = 256;
constexpr uint32_t ScanChunkRecords = 4096;
constexpr size_t MaxCachedBytes = 64u << 20;
constexpr int64_t CacheCheckMilliseconds = 20;

int64_t NowMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void TodayForHeader(uint8_t out[3])
{
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    out[0] = static_cast<uint8_t>(local ? local->tm_year : 0);
    out[1] = static_cast<uint8_t>(local ? local->tm_mon + 1 : 1);
    out[2] = static_cast<uint8_t>(local ? local->tm_mday : 1);
}

bool DbfTable::Open(const std::string& path, OpenMode mode)
{
    Close();
    FileAccess access = mode == OpenMode::Exclusive        ? FileAccess::Exclusive
                        : mode == OpenMode::ReadOnlyShared ? FileAccess::ReadShared
                                                           : FileAccess::ReadWriteShared;
    if (!file_.Open(path, access)) return false;
    path_ = path;
    mode_ = mode;
    if (!ReadHeader()) {
        Close();
        return false;
    }
    TodayForHeader(today_);
    return true;
}

void DbfTable::Close()
{
    file_.Close();
    DropCache();
    fields_.clear();
    recordCount_ = recordsInFile_ = headerCount_ = headerLength_ = recordLength_ = 0;
    dateWritten_ = changed_ = false;
    tagDirectory_ = {};
}

bool DbfTable::ReadHeader()
{
    FileHeader header;
    FileStamp stamp;
    if (!file_.ReadAt(0, &header, sizeof header) || !file_.Stamp(stamp)) return false;
    headerLength_ = ReadLe16(header.headerLength);
    recordLength_ = ReadLe16(header.recordLength);
    if (headerLength_ < sizeof(FileHeader) + sizeof(FieldDescriptor) + 1 ||
        headerLength_ > stamp.size || recordLength_ < 2)
        return false;

    std::vector<uint8_t> area(headerLength_ - sizeof(FileHeader));
    if (!file_.ReadAt(sizeof(FileHeader), area.data(), area.size())) return false;
    int offset = 1;
    for (size_t at = 0; at + sizeof(FieldDescriptor) <= area.size() &&
                        area[at] != static_cast<uint8_t>(HeaderTerminator);
         at += sizeof(FieldDescriptor)) {
        FieldDescriptor descriptor;
        std::memcpy(&descriptor, area.data() + at, sizeof descriptor);
        TableField field;
        size_t nameLength = strnlen(descriptor.name, sizeof descriptor.name);
        field.name.assign(descriptor.name, std::min(nameLength, MaxFieldNameLength));
        field.name = nav::Upper(field.name);
        field.type = nav::UpperAscii(descriptor.type);
        if (field.type == 'C') {
            field.width = descriptor.length | descriptor.decimals << 8;
        } else {
            field.width = descriptor.length;
            field.decimals = field.Numeric() ? descriptor.decimals : 0;
        }
        if (field.name.empty() || field.width <= 0) return false;
        field.offset = offset;
        offset += field.width;
        fields_.push_back(field);
    }
    if (fields_.empty() || static_cast<uint32_t>(offset) != recordLength_) return false;

    headerCount_ = ReadLe32(header.recordCount);
    recordCount_ = recordsInFile_ = WholeRecords(headerCount_, stamp.size);
    tagDirectory_ = header.tags;
    blankRecord_.assign(recordLength_ + 1, ' ');
    blankRecord_[recordLength_] = EndOfFile;
    appended_ = blankRecord_;
    cacheStamp_ = stamp;
    cacheCheckedAt_ = NowMilliseconds();
    return true;
}

uint32_t DbfTable::WholeRecords(uint32_t headerCount, uint64_t fileSize) const
{
    if (fileSize < headerLength_) return 0;
    uint32_t fits = static_cast<uint32_t>(
        std::min<uint64_t>((fileSize - headerLength_) / recordLength_, MaxRecordCount));
    if (headerCount >= fits) return fits;
    uint32_t count = headerCount;
    std::vector<char> chunk;
    while (count < fits) {
        uint32_t n = std::min(ScanChunkRecords, fits - count);
        chunk.resize(size_t(n) * recordLength_);
        if (!file_.ReadAt(RecordOffset(count + 1), chunk.data(), chunk.size())) break;
        for (uint32_t i = 0; i < n; ++i, ++count) {
            char flag = chunk[size_t(i) * recordLength_];
            if (flag != LiveFlag && flag != DeletedFlag) return count;
        }
    }
    return count;
}

void DbfTable::DropCache() const
{
    cache_.clear();
    cachedBytes_ = 0;
}

void DbfTable::RefreshCache()
{
    // An empty cache holds nothing stale; the stamp it keeps is older than anything it loads.
    if (Exclusive() || cache_.empty()) return;
    int64_t now = NowMilliseconds();
    if (now - cacheCheckedAt_ < CacheCheckMilliseconds) return;
    cacheCheckedAt_ = now;
    FileStamp stamp;
    if (!file_.Stamp(stamp) || stamp == cacheStamp_) return;
    DropCache();
    cacheStamp_ = stamp;
}

char* DbfTable::CachedRecord(uint32_t recno) const
{
    uint32_t block = (recno - 1) / RecordsPerBlock;
    uint32_t slot = (recno - 1) % RecordsPerBlock;
    if (block >= cache_.size() || slot >= cache_[block].records) return nullptr;
    return cache_[block].bytes.data() + size_t(slot) * recordLength_;
}

const TableField* DbfTable::Field(const char* name) const
{
    if (!name) return nullptr;
    for (const TableField& f : fields_) {
        size_t i = 0;
        for (; i < f.name.size() && name[i]; ++i) {
            if (nav::UpperAscii(name[i]) != f.name[i]) break;
        }
        if (i == f.name.size() && name[i] == '\0') return &f;
    }
    return nullptr;
}

bool DbfTable::ReadRecord(uint32_t recno, char* out) const
{
    if (recno < 1 || recno > recordsInFile_) return false;
    if (const char* cached = CachedRecord(recno)) {
        std::memcpy(out, cached, recordLength_);
        return true;
    }
    if (cachedBytes_ > MaxCachedBytes) DropCache();
    uint32_t block = (recno - 1) / RecordsPerBlock;
    uint32_t first = block * RecordsPerBlock + 1;
    uint32_t count = std::min(RecordsPerBlock, recordsInFile_ - first + 1);
    if (cache_.size() <= block) cache_.resize(block + 1);
    CachedBlock& cached = cache_[block];
    cachedBytes_ -= cached.bytes.size();
    cached.bytes.resize(size_t(count) * recordLength_);
    cachedBytes_ += cached.bytes.size();
    cached.records = ReadRecords(first, count, cached.bytes.data()) ? count : 0;
    if (!cached.records) return ReadRecords(recno, 1, out);
    std::memcpy(out, CachedRecord(recno), recordLength_);
    return true;
}

bool DbfTable::ReadRecords(uint32_t first, uint32_t count, char* out) const
{
    if (first < 1 || count == 0 || first > recordsInFile_ || count > recordsInFile_ - first + 1)
        return false;
    return file_.ReadAt(RecordOffset(first), out, size_t(count) * recordLength_);
}

// In shared use the date goes to the header with the first change of this open; in exclusive
// use SyncHeader() writes it with the count.
void DbfTable::MarkUpdated()
{
    changed_ = true;
    if (Exclusive() || dateWritten_) return;
    file_.WriteAt(offsetof(FileHeader, updated), today_, sizeof today_);
    dateWritten_ = true;
}

bool DbfTable::WriteRecord(uint32_t recno, const char* record)
{
    bool appending = recno == recordsInFile_ + 1;
    if (!Writable() || recno < 1 || recno > recordCount_ || (recno > recordsInFile_ && !appending))
        return false;
    bool written;
    if (appending) {
        std::memcpy(appended_.data(), record, recordLength_);
        written = file_.WriteAt(RecordOffset(recno), appended_.data(), appended_.size());
    } else {
        written = file_.WriteAt(RecordOffset(recno), record, recordLength_);
    }
    if (!written) {
        if (appending && Exclusive()) recordCount_ = recordsInFile_;  // the reservation lapses
        return false;
    }
    if (char* cached = CachedRecord(recno)) {
        std::memcpy(cached, record, recordLength_);
    } else if (appending) {
        // The new record joins its cached block when it follows on from what the block holds.
        uint32_t block = (recno - 1) / RecordsPerBlock;
        if (block < cache_.size() && cache_[block].records &&
            cache_[block].records == (recno - 1) % RecordsPerBlock) {
            cache_[block].bytes.insert(cache_[block].bytes.end(), record, record + recordLength_);
            cache_[block].records++;
            cachedBytes_ += recordLength_;
        }
    }
    if (appending) recordsInFile_ = recno;
    MarkUpdated();
    return true;
}

void DbfTable::StampHeader(uint8_t out[HeaderStampSize], uint32_t count) const
{
    static_assert(offsetof(FileHeader, updated) + HeaderStampSize ==
                  offsetof(FileHeader, headerLength));
    std::memcpy(out, today_, sizeof today_);
    WriteLe32(out + sizeof today_, count);
}

bool DbfTable::SyncHeader()
{
    if (!Exclusive() || (!changed_ && recordsInFile_ == headerCount_)) return false;
    uint8_t stamp[HeaderStampSize];
    StampHeader(stamp, recordsInFile_);
    if (!file_.WriteAt(offsetof(FileHeader, updated), stamp, sizeof stamp)) return false;
    headerCount_ = recordsInFile_;
    changed_ = false;
    return true;
}

bool DbfTable::WriteTagDirectory(const TagDirectoryBytes& directory)
{
    if (std::memcmp(&directory, &tagDirectory_, sizeof directory) == 0) return true;
    if (!Writable() || !file_.WriteAt(offsetof(FileHeader, tags), &directory, sizeof directory))
        return false;
    tagDirectory_ = directory;
    return true;
}

uint32_t DbfTable::RecordCountOnDisk() const
{
    uint8_t count[4];
    if (!file_.ReadAt(offsetof(FileHeader, recordCount), count, sizeof count)) return recordCount_;
    return ReadLe32(count);
}

uint32_t DbfTable::AppendRecord()
{
    if (!Writable() || recordCount_ >= MaxRecordCount) return 0;
    if (Exclusive()) {
        // A reserved record not yet written is written before the next one is reserved.
        if (recordCount_ != recordsInFile_) return 0;
        return ++recordCount_;
    }
    // Another writer may have appended since we last looked: the slot follows the records the
    // file holds now, never a count the header merely states.
    if (!file_.LockAppend()) return 0;
    uint32_t recno = 0;
    FileStamp stamp;
    uint8_t count[4];
    if (file_.Stamp(stamp) &&
        file_.ReadAt(offsetof(FileHeader, recordCount), count, sizeof count)) {
        uint32_t whole = WholeRecords(ReadLe32(count), stamp.size);
        std::vector<char> placeholder = blankRecord_;
        placeholder[0] = DeletedFlag;
        uint8_t header[HeaderStampSize];
        StampHeader(header, whole + 1);
        if (whole < MaxRecordCount &&
            file_.WriteAt(RecordOffset(whole + 1), placeholder.data(), placeholder.size()) &&
            file_.WriteAt(offsetof(FileHeader, updated), header, sizeof header))
            recno = whole + 1;
    }
    file_.UnlockAppend();
    if (!recno) return 0;
    recordCount_ = recordsInFile_ = headerCount_ = recno;
    dateWritten_ = true;
    return recno;
}

bool DbfTable::Pack(std::vector<uint32_t>& kept)
{
    kept.clear();
    if (!Exclusive() || recordsInFile_ != recordCount_) return false;
    DropCache();
    std::vector<char> bytes(headerLength_ + size_t(recordCount_) * recordLength_ + 1);
    if (!file_.ReadAt(0, bytes.data(), headerLength_) ||
        (recordCount_ > 0 && !ReadRecords(1, recordCount_, bytes.data() + headerLength_)))
        return false;

    size_t write = headerLength_;
    for (uint32_t recno = 1; recno <= recordCount_; ++recno) {
        const char* record = bytes.data() + RecordOffset(recno);
        if (record[0] == DeletedFlag) continue;
        if (write != RecordOffset(recno)) std::memmove(bytes.data() + write, record, recordLength_);
        write += recordLength_;
        kept.push_back(recno);
    }
    if (kept.size() == recordCount_) return true;

    // The packed table goes to a file of its own, which then takes the old one's place.
    uint32_t newCount = static_cast<uint32_t>(kept.size());
    bytes[write] = EndOfFile;
    bytes.resize(write + 1);
    uint8_t stamp[HeaderStampSize];
    StampHeader(stamp, newCount);
    std::memcpy(bytes.data() + offsetof(FileHeader, updated), stamp, sizeof stamp);
    std::string packedPath = path_ + "~";
    OsFile packed;
    if (!packed.Open(packedPath, FileAccess::Create) ||
        !packed.WriteAt(0, bytes.data(), bytes.size()) ||
        !file_.ReplaceWith(packed, packedPath, path_)) {
        packed.Close();
        OsFile::RemoveFile(packedPath);
        return false;
    }
    recordCount_ = recordsInFile_ = headerCount_ = newCount;
    changed_ = false;
    return true;
}

}  // namespace sde
