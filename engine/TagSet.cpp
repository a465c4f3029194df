#include "TagSet.h"

#include "Checksum.h"
#include "IndexFormat.h"
#include "PathName.h"
#include "TagDirectory.h"

#include <algorithm>
#include <cstring>

namespace sde {

using namespace qix;

namespace {

constexpr uint32_t rebuildChunkRecords = 4096;
constexpr size_t maxTagName = 10;

std::string tagName(const char* name) {
    std::string out;
    for (const char* p = name; p && *p && out.size() < maxTagName; ++p)
        if (*p != ' ') out += upperAscii(*p);
    return out;
}

std::string fixedText(const char* text, size_t size) { return std::string(text, strnlen(text, size)); }

// The header and the tag entries as they lie at the start of the file.
std::vector<char> directoryBytes(const IndexHeader& header, const std::vector<IndexTagEntry>& entries) {
    std::vector<char> bytes(sizeof header + entries.size() * sizeof(IndexTagEntry));
    std::memcpy(bytes.data(), &header, sizeof header);
    for (size_t i = 0; i < entries.size(); ++i)
        std::memcpy(bytes.data() + sizeof header + i * sizeof(IndexTagEntry), &entries[i], sizeof(IndexTagEntry));
    return bytes;
}

uint64_t directoryChecksum(IndexHeader header, const std::vector<IndexTagEntry>& entries) {
    header.directoryChecksum = 0;
    std::vector<char> bytes = directoryBytes(header, entries);
    return checksum64(bytes.data(), bytes.size());
}

}  // namespace

void TagSet::open(const DbfTable& table) {
    tags_.clear();
    dirty_ = rebuiltFromTable_ = false;
    indexPath_ = indexPathFor(table.path());
    readDirectory(table);
    adoptHeaderDirectory(table);
}

// The header is written when a tag is created, before the index file is saved: where the two
// disagree on a tag the header names, the header is the newer (the index file was not saved
// after the change). Tags the header does not name keep what the index file says.
void TagSet::adoptHeaderDirectory(const DbfTable& table) {
    for (const KeyExpression& key : readTagDirectory(table.tagDirectory(), table.fields())) {
        std::string name = tagName(table.fields()[key.fieldIndex].name.c_str());
        int existing = find(name.c_str());
        if (existing && tags_[existing - 1].expression.text == key.text) continue;
        put(Tag {name, key, SortedEntries(table.fields()[key.fieldIndex].width)});
        dirty_ = true;
    }
}

void TagSet::put(Tag tag) {
    int existing = find(tag.name.c_str());
    if (existing) tags_[existing - 1] = std::move(tag);
    else tags_.push_back(std::move(tag));
}

void TagSet::readDirectory(const DbfTable& table) {
    if (!indexFile_.open(indexPath_, FileAccess::ReadShared)) return;
    FileStamp indexStamp, tableStamp;
    IndexHeader header;
    if (!indexFile_.stamp(indexStamp) || !table.stamp(tableStamp) ||
        !indexFile_.readAt(0, &header, sizeof header) ||
        std::memcmp(header.magic, magic, sizeof magic) != 0 || header.version != formatVersion ||
        header.tagCount > maxTags) {
        indexFile_.close();
        return;
    }
    std::vector<IndexTagEntry> entries(header.tagCount);
    if ((header.tagCount && !indexFile_.readAt(sizeof header, entries.data(), entries.size() * sizeof(IndexTagEntry))) ||
        directoryChecksum(header, entries) != header.directoryChecksum) {
        indexFile_.close();
        return;
    }
    indexFileSize_ = indexStamp.size;
    bool inStep = header.tableSize == tableStamp.size && header.tableModified == tableStamp.modified &&
                  header.recordCount == table.recordCount() && header.recordLength == table.recordLength();
    for (const IndexTagEntry& entry : entries) {
        std::string name = tagName(fixedText(entry.name, sizeof entry.name).c_str());
        auto expression = parseKeyExpression(fixedText(entry.expression, sizeof entry.expression).c_str(),
                                             table.fields());
        if (name.empty() || !expression || find(name.c_str()) != 0) {
            dirty_ = true;   // the file names a tag we drop: write the file afresh
            continue;
        }
        Tag tag {name, *expression, SortedEntries(table.fields()[expression->fieldIndex].width)};
        uint64_t dataEnd = entry.dataOffset + uint64_t(entry.entryCount) * tag.entries.stride();
        if (inStep && entry.keyWidth == tag.entries.keyWidth() && dataEnd <= indexFileSize_) {
            tag.state = State::OnDisk;
            tag.dataOffset = entry.dataOffset;
            tag.dataCount = entry.entryCount;
            tag.dataChecksum = entry.dataChecksum;
        }
        tags_.push_back(std::move(tag));
    }
    if (!inStep) dirty_ = true;
}

void TagSet::close(const DbfTable& table) {
    save(table);
    tags_.clear();
    indexFile_.close();
    dirty_ = rebuiltFromTable_ = false;
}

int TagSet::find(const char* name) const {
    std::string wanted = tagName(name);
    for (size_t i = 0; i < tags_.size(); ++i)
        if (tags_[i].name == wanted) return static_cast<int>(i + 1);
    return 0;
}

SortedEntries& TagSet::entries(int order, const DbfTable& table) {
    Tag& tag = tags_[order - 1];
    if (tag.state != State::Loaded) load(tag, table);
    mergeAppended(tag);
    return tag.entries;
}

void TagSet::mergeAppended(Tag& tag) {
    if (tag.appended.empty()) return;
    tag.entries.insertAll(tag.appended.data(), tag.appended.size() / tag.entries.stride());
    tag.appended.clear();
}

void TagSet::load(Tag& tag, const DbfTable& table) {
    if (tag.state == State::OnDisk) {
        std::vector<char> flat(size_t(tag.dataCount) * tag.entries.stride());
        if (indexFile_.isOpen() && (flat.empty() || indexFile_.readAt(tag.dataOffset, flat.data(), flat.size())) &&
            checksum64(flat.data(), flat.size()) == tag.dataChecksum && tag.dataCount == table.recordCount()) {
            tag.entries.assign(flat.data(), tag.dataCount);
            tag.state = State::Loaded;
            return;
        }
        tag.state = State::Stale;
        dirty_ = true;
    }
    if (tag.state == State::Stale) rebuildStale(table);
}

void TagSet::rebuildStale(const DbfTable& table) {
    std::vector<Tag*> stale;
    for (Tag& tag : tags_)
        if (tag.state == State::Stale) stale.push_back(&tag);
    if (stale.empty()) return;
    if (!rebuiltFromTable_) {
        table.stamp(stampAtRebuild_);
        rebuiltFromTable_ = true;
    }

    uint32_t total = table.recordCount();
    size_t length = table.recordLength();
    std::vector<std::vector<char>> unsorted(stale.size());
    for (size_t t = 0; t < stale.size(); ++t) unsorted[t].resize(size_t(total) * stale[t]->entries.stride());
    std::vector<char> chunk(size_t(std::min(total, rebuildChunkRecords)) * length);
    for (uint32_t first = 1; first <= total; first += rebuildChunkRecords) {
        uint32_t n = std::min(rebuildChunkRecords, total - first + 1);
        // A record that cannot be read indexes as blank.
        if (!table.readRecords(first, n, chunk.data())) std::fill(chunk.begin(), chunk.end(), ' ');
        for (uint32_t i = 0; i < n; ++i) {
            const char* record = chunk.data() + size_t(i) * length;
            for (size_t t = 0; t < stale.size(); ++t) {
                size_t stride = stale[t]->entries.stride();
                char* entry = unsorted[t].data() + size_t(first - 1 + i) * stride;
                stale[t]->expression.extract(table.fields(), record, entry);
                SortedEntries::putRecno(entry, stale[t]->entries.keyWidth(), first + i);
            }
        }
    }
    for (size_t t = 0; t < stale.size(); ++t) {
        std::vector<char> sorted = SortedEntries::sorted(unsorted[t].data(), total, stale[t]->entries.stride());
        stale[t]->entries.assign(sorted.data(), total);
        stale[t]->appended.clear();
        stale[t]->state = State::Loaded;
    }
    dirty_ = true;
}

bool TagSet::create(const DbfTable& table, const char* name, const char* expressionText) {
    std::string wanted = tagName(name);
    auto expression = parseKeyExpression(expressionText, table.fields());
    if (wanted.empty() || !expression) return false;
    put(Tag {wanted, *expression, SortedEntries(table.fields()[expression->fieldIndex].width)});
    rebuildStale(table);
    return true;
}

dbf::TagDirectoryBytes TagSet::headerDirectory(const DbfTable& table) const {
    std::vector<KeyExpression> keys;
    for (const Tag& tag : tags_)
        if (tag.name == table.fields()[tag.expression.fieldIndex].name) keys.push_back(tag.expression);
    return makeTagDirectory(keys);
}

void TagSet::prepareForChange(const DbfTable& table) {
    for (Tag& tag : tags_)
        if (tag.state == State::OnDisk) load(tag, table);
    rebuildStale(table);
    dirty_ = true;
}

// The entry waits with the others appended since the tag was last used: a run of appends
// then costs one sort and merge instead of an insert each.
void TagSet::recordAppended(const DbfTable& table, uint32_t recno, const char* record) {
    for (Tag& tag : tags_) {
        size_t at = tag.appended.size();
        tag.appended.resize(at + tag.entries.stride());
        tag.expression.extract(table.fields(), record, tag.appended.data() + at);
        SortedEntries::putRecno(tag.appended.data() + at, tag.entries.keyWidth(), recno);
    }
}

void TagSet::recordChanged(const DbfTable& table, uint32_t recno, const char* before, const char* after) {
    for (Tag& tag : tags_) {
        mergeAppended(tag);
        size_t width = tag.entries.keyWidth();
        oldEntry_.resize(tag.entries.stride());
        newEntry_.resize(tag.entries.stride());
        tag.expression.extract(table.fields(), before, oldEntry_.data());
        tag.expression.extract(table.fields(), after, newEntry_.data());
        if (std::memcmp(oldEntry_.data(), newEntry_.data(), width) == 0) continue;
        SortedEntries::putRecno(oldEntry_.data(), width, recno);
        SortedEntries::putRecno(newEntry_.data(), width, recno);
        tag.entries.erase(oldEntry_.data());
        tag.entries.insert(newEntry_.data());
    }
}

void TagSet::invalidateAll() {
    for (Tag& tag : tags_) {
        tag.state = State::Stale;
        tag.appended.clear();
    }
    rebuiltFromTable_ = false;
    dirty_ = true;
}

bool TagSet::safeToSave(const DbfTable& table) const {
    if (table.exclusive()) return true;
    if (table.recordCountOnDisk() != table.recordCount()) return false;
    if (table.writable()) return true;
    FileStamp now;
    return rebuiltFromTable_ && table.stamp(now) && now == stampAtRebuild_;
}

void TagSet::save(const DbfTable& table) {
    if (!dirty_ || tags_.empty() || !safeToSave(table)) return;
    for (Tag& tag : tags_) {
        if (tag.state != State::Loaded) load(tag, table);
        mergeAppended(tag);
    }

    FileStamp tableStamp;
    if (!table.stamp(tableStamp)) return;
    IndexHeader header {};
    std::memcpy(header.magic, magic, sizeof magic);
    header.version = formatVersion;
    header.tagCount = static_cast<uint32_t>(tags_.size());
    header.tableSize = tableStamp.size;
    header.tableModified = tableStamp.modified;
    header.recordCount = table.recordCount();
    header.recordLength = static_cast<uint32_t>(table.recordLength());

    std::vector<IndexTagEntry> entries(tags_.size());
    std::vector<char> data;
    uint64_t offset = sizeof header + entries.size() * sizeof(IndexTagEntry);
    for (size_t i = 0; i < tags_.size(); ++i) {
        const Tag& tag = tags_[i];
        IndexTagEntry& entry = entries[i];
        std::memset(&entry, 0, sizeof entry);
        std::memcpy(entry.name, tag.name.data(), std::min(tag.name.size(), sizeof entry.name - 1));
        std::memcpy(entry.expression, tag.expression.text.data(),
                    std::min(tag.expression.text.size(), sizeof entry.expression - 1));
        size_t start = data.size();
        tag.entries.appendFlat(data);
        if (offset + data.size() > UINT32_MAX) return;
        entry.keyWidth = static_cast<uint32_t>(tag.entries.keyWidth());
        entry.entryCount = static_cast<uint32_t>(tag.entries.size());
        entry.dataOffset = static_cast<uint32_t>(offset + start);
        entry.dataChecksum = checksum64(data.data() + start, data.size() - start);
    }
    header.directoryChecksum = directoryChecksum(header, entries);

    std::vector<char> file = directoryBytes(header, entries);
    file.insert(file.end(), data.begin(), data.end());

    std::string temporary = indexPath_ + "~";
    OsFile out;
    if (!out.open(temporary, FileAccess::Create)) return;
    bool written = out.writeAt(0, file.data(), file.size());
    out.close();
    indexFile_.close();
    if (written && OsFile::replaceFile(temporary, indexPath_)) {
        dirty_ = false;
        return;
    }
    OsFile::removeFile(temporary);
}

}  // namespace sde
