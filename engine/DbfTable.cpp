#include "DbfTable.h"

#include "DbfFormat.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace sde {

using namespace dbf;

namespace {
constexpr uint32_t recordsPerBlock = 256;
constexpr size_t maxCachedBytes = 64u << 20;
constexpr int64_t cacheCheckMilliseconds = 20;

int64_t nowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void todayForHeader(uint8_t out[3]) {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    out[0] = static_cast<uint8_t>(local ? local->tm_year : 0);
    out[1] = static_cast<uint8_t>(local ? local->tm_mon + 1 : 1);
    out[2] = static_cast<uint8_t>(local ? local->tm_mday : 1);
}

bool DbfTable::open(const std::string& path, OpenMode mode) {
    close();
    FileAccess access = mode == OpenMode::Exclusive         ? FileAccess::Exclusive
                        : mode == OpenMode::ReadOnlyShared ? FileAccess::ReadShared
                                                           : FileAccess::ReadWriteShared;
    if (!file_.open(path, access)) return false;
    path_ = path;
    mode_ = mode;
    if (!readHeader()) {
        close();
        return false;
    }
    return true;
}

void DbfTable::close() {
    file_.close();
    dropCache();
    fields_.clear();
    recordCount_ = headerLength_ = recordLength_ = 0;
    dateWritten_ = false;
    tagDirectory_ = {};
}

bool DbfTable::readHeader() {
    FileHeader header;
    FileStamp stamp;
    if (!file_.readAt(0, &header, sizeof header) || !file_.stamp(stamp)) return false;
    headerLength_ = readLe16(header.headerLength);
    recordLength_ = readLe16(header.recordLength);
    if (headerLength_ < sizeof(FileHeader) + sizeof(FieldDescriptor) + 1 ||
        headerLength_ > stamp.size || recordLength_ < 2)
        return false;

    std::vector<uint8_t> area(headerLength_ - sizeof(FileHeader));
    if (!file_.readAt(sizeof(FileHeader), area.data(), area.size())) return false;
    int offset = 1;
    for (size_t at = 0; at + sizeof(FieldDescriptor) <= area.size() &&
                        area[at] != static_cast<uint8_t>(headerTerminator);
         at += sizeof(FieldDescriptor)) {
        FieldDescriptor descriptor;
        std::memcpy(&descriptor, area.data() + at, sizeof descriptor);
        TableField field;
        size_t nameLength = strnlen(descriptor.name, sizeof descriptor.name);
        field.name.assign(descriptor.name, std::min(nameLength, maxFieldNameLength));
        for (char& c : field.name)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        field.type = descriptor.type;
        if (field.type >= 'a' && field.type <= 'z') field.type = static_cast<char>(field.type - 'a' + 'A');
        if (field.type == 'C') {
            field.width = descriptor.length | descriptor.decimals << 8;
        } else {
            field.width = descriptor.length;
            field.decimals = field.numeric() ? descriptor.decimals : 0;
        }
        if (field.name.empty() || field.width <= 0) return false;
        field.offset = offset;
        offset += field.width;
        fields_.push_back(field);
    }
    if (fields_.empty() || static_cast<uint32_t>(offset) != recordLength_) return false;

    // A count beyond the records the file can hold (a torn or damaged file) is cut back.
    uint64_t fits = (stamp.size - headerLength_) / recordLength_;
    recordCount_ = static_cast<uint32_t>(std::min<uint64_t>(readLe32(header.recordCount),
                                                            std::min<uint64_t>(fits, maxRecordCount)));
    tagDirectory_ = header.tags;
    blankRecord_.assign(recordLength_ + 1, ' ');
    blankRecord_[recordLength_] = endOfFile;
    cacheStamp_ = stamp;
    cacheCheckedAt_ = nowMilliseconds();
    return true;
}

void DbfTable::dropCache() const {
    cache_.clear();
    cachedBytes_ = 0;
}

void DbfTable::refreshCache() {
    // An empty cache holds nothing stale; the stamp it keeps is older than anything it loads.
    if (exclusive() || cache_.empty()) return;
    int64_t now = nowMilliseconds();
    if (now - cacheCheckedAt_ < cacheCheckMilliseconds) return;
    cacheCheckedAt_ = now;
    FileStamp stamp;
    if (!file_.stamp(stamp) || stamp == cacheStamp_) return;
    dropCache();
    cacheStamp_ = stamp;
}

char* DbfTable::cachedRecord(uint32_t recno) const {
    uint32_t block = (recno - 1) / recordsPerBlock;
    uint32_t slot = (recno - 1) % recordsPerBlock;
    if (block >= cache_.size() || slot >= cache_[block].records) return nullptr;
    return cache_[block].bytes.data() + size_t(slot) * recordLength_;
}

const TableField* DbfTable::field(const char* name) const {
    if (!name) return nullptr;
    for (const TableField& f : fields_) {
        size_t i = 0;
        for (; i < f.name.size() && name[i]; ++i) {
            char c = name[i];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (c != f.name[i]) break;
        }
        if (i == f.name.size() && name[i] == '\0') return &f;
    }
    return nullptr;
}

bool DbfTable::readRecord(uint32_t recno, char* out) const {
    if (recno < 1 || recno > recordCount_) return false;
    if (const char* cached = cachedRecord(recno)) {
        std::memcpy(out, cached, recordLength_);
        return true;
    }
    if (cachedBytes_ > maxCachedBytes) dropCache();
    uint32_t block = (recno - 1) / recordsPerBlock;
    uint32_t first = block * recordsPerBlock + 1;
    uint32_t count = std::min(recordsPerBlock, recordCount_ - first + 1);
    if (cache_.size() <= block) cache_.resize(block + 1);
    CachedBlock& cached = cache_[block];
    cachedBytes_ -= cached.bytes.size();
    cached.bytes.resize(size_t(count) * recordLength_);
    cachedBytes_ += cached.bytes.size();
    cached.records = readRecords(first, count, cached.bytes.data()) ? count : 0;
    if (!cached.records) return readRecords(recno, 1, out);
    std::memcpy(out, cachedRecord(recno), recordLength_);
    return true;
}

bool DbfTable::readRecords(uint32_t first, uint32_t count, char* out) const {
    if (first < 1 || count == 0 || first > recordCount_ || count > recordCount_ - first + 1)
        return false;
    return file_.readAt(recordOffset(first), out, size_t(count) * recordLength_);
}

void DbfTable::markUpdated() {
    if (dateWritten_) return;
    uint8_t date[3];
    todayForHeader(date);
    file_.writeAt(offsetof(FileHeader, updated), date, sizeof date);
    dateWritten_ = true;
}

bool DbfTable::writeBytes(uint32_t recno, int offset, const char* bytes, int length) {
    if (!writable() || recno < 1 || recno > recordCount_ || offset < 0 || length < 0 ||
        static_cast<uint32_t>(offset + length) > recordLength_)
        return false;
    if (!file_.writeAt(recordOffset(recno) + static_cast<uint32_t>(offset), bytes, static_cast<size_t>(length)))
        return false;
    if (char* cached = cachedRecord(recno)) std::memcpy(cached + offset, bytes, static_cast<size_t>(length));
    markUpdated();
    return true;
}

bool DbfTable::writeTagDirectory(const TagDirectoryBytes& directory) {
    if (std::memcmp(&directory, &tagDirectory_, sizeof directory) == 0) return true;
    if (!writable() || !file_.writeAt(offsetof(FileHeader, tags), &directory, sizeof directory)) return false;
    tagDirectory_ = directory;
    return true;
}

uint32_t DbfTable::recordCountOnDisk() const {
    uint8_t count[4];
    if (!file_.readAt(offsetof(FileHeader, recordCount), count, sizeof count)) return recordCount_;
    return readLe32(count);
}

uint32_t DbfTable::appendBlank() {
    if (!writable() || recordCount_ >= maxRecordCount) return 0;
    bool shared = !exclusive();
    if (shared && !file_.lockAppend()) return 0;
    // Another writer may have appended since we last looked: never reuse its slot.
    uint32_t count = shared ? std::max(recordCount_, recordCountOnDisk()) : recordCount_;
    uint32_t recno = count + 1;

    bool ok = file_.writeAt(headerLength_ + uint64_t(count) * recordLength_, blankRecord_.data(), blankRecord_.size());
    if (ok) {
        uint8_t stamp[7];
        todayForHeader(stamp);
        writeLe32(stamp + 3, recno);
        ok = file_.writeAt(offsetof(FileHeader, updated), stamp, sizeof stamp);
        dateWritten_ = true;
    }
    if (shared) file_.unlockAppend();
    if (!ok) return 0;
    recordCount_ = recno;
    // The new record joins its cached block when it follows on from what the block holds.
    uint32_t block = (recno - 1) / recordsPerBlock;
    if (block < cache_.size() && cache_[block].records == (recno - 1) % recordsPerBlock && cache_[block].records) {
        cache_[block].bytes.insert(cache_[block].bytes.end(), blankRecord_.begin(), blankRecord_.end() - 1);
        cache_[block].records++;
        cachedBytes_ += recordLength_;
    }
    return recno;
}

bool DbfTable::pack(std::vector<uint32_t>& kept) {
    kept.clear();
    if (!exclusive()) return false;
    dropCache();
    std::vector<char> records(size_t(recordCount_) * recordLength_ + 1);
    if (recordCount_ > 0 && !readRecords(1, recordCount_, records.data())) return false;

    // Compact in memory; the kept records only ever move towards the start, so a process
    // that dies while they are written back leaves every record at least once in the file.
    uint32_t firstMoved = 0;
    size_t write = 0;
    for (uint32_t recno = 1; recno <= recordCount_; ++recno) {
        const char* record = records.data() + size_t(recno - 1) * recordLength_;
        if (record[0] == deletedFlag) {
            if (!firstMoved) firstMoved = recno;
            continue;
        }
        if (write != size_t(recno - 1) * recordLength_)
            std::memmove(records.data() + write, record, recordLength_);
        write += recordLength_;
        kept.push_back(recno);
    }
    if (!firstMoved) return true;

    uint32_t newCount = static_cast<uint32_t>(kept.size());
    records[write] = endOfFile;
    size_t from = size_t(firstMoved - 1) * recordLength_;
    if (!file_.writeAt(recordOffset(firstMoved), records.data() + from, write + 1 - from))
        return false;
    uint8_t stamp[7];
    todayForHeader(stamp);
    writeLe32(stamp + 3, newCount);
    if (!file_.writeAt(offsetof(FileHeader, updated), stamp, sizeof stamp)) return false;
    dateWritten_ = true;
    recordCount_ = newCount;
    return file_.truncate(headerLength_ + uint64_t(newCount) * recordLength_ + 1);
}

}  // namespace sde
