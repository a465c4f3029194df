#include "TagSet.h"

#include "AsciiText.h"
#include "Checksum.h"
#include "IndexFormat.h"
#include "PathName.h"
#include "StagedFile.h"
#include "TagDirectory.h"

#include <algorithm>
#include <cstring>

namespace sde {

using namespace qix;

namespace {

constexpr uint32_t RebuildChunkRecords = 4096;
constexpr size_t MaxTagName = 10;

std::string TagName(const char* name)
{
    std::string out;
    for (const char* p = name; p && *p && out.size() < MaxTagName; ++p)
        if (*p != ' ') out += nav::UpperAscii(*p);
    return out;
}

std::string FixedText(const char* text, size_t size)
{
    return std::string(text, strnlen(text, size));
}

// The header and the tag entries as they lie at the start of the file.
std::vector<char> DirectoryBytes(const IndexHeader& header,
                                 const std::vector<IndexTagEntry>& entries)
{
    std::vector<char> bytes(sizeof header + entries.size() * sizeof(IndexTagEntry));
    std::memcpy(bytes.data(), &header, sizeof header);
    for (size_t i = 0; i < entries.size(); ++i)
        std::memcpy(bytes.data() + sizeof header + i * sizeof(IndexTagEntry), &entries[i],
                    sizeof(IndexTagEntry));
    return bytes;
}

uint64_t DirectoryChecksum(IndexHeader header, const std::vector<IndexTagEntry>& entries)
{
    header.directoryChecksum = 0;
    std::vector<char> bytes = DirectoryBytes(header, entries);
    return Checksum64(bytes.data(), bytes.size());
}

}  // namespace

void TagSet::Open(const DbfTable& table)
{
    tags_.clear();
    dirty_ = rebuiltFromTable_ = false;
    indexPath_ = IndexPathFor(table.Path());
    ReadDirectory(table);
    AdoptHeaderDirectory(table);
}

// The header is written when a tag is created, before the index file is saved: where the two
// disagree on a tag the header names, the header is the newer (the index file was not saved
// after the change). Tags the header does not name keep what the index file says.
void TagSet::AdoptHeaderDirectory(const DbfTable& table)
{
    for (const KeyExpression& key : ReadTagDirectory(table.TagDirectory(), table.Fields())) {
        std::string name = TagName(table.Fields()[key.fieldIndex].name.c_str());
        int existing = Find(name.c_str());
        if (existing && tags_[existing - 1].expression.text == key.text) continue;
        Put(Tag{name, key, SortedEntries(table.Fields()[key.fieldIndex].width)});
        dirty_ = true;
    }
}

void TagSet::Put(Tag tag)
{
    int existing = Find(tag.name.c_str());
    if (existing)
        tags_[existing - 1] = std::move(tag);
    else
        tags_.push_back(std::move(tag));
}

void TagSet::ReadDirectory(const DbfTable& table)
{
    if (!indexFile_.Open(indexPath_, FileAccess::ReadShared)) return;
    FileStamp indexStamp, tableStamp;
    IndexHeader header;
    if (!indexFile_.Stamp(indexStamp) || !table.Stamp(tableStamp) ||
        !indexFile_.ReadAt(0, &header, sizeof header) ||
        std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.version != FormatVersion ||
        header.tagCount > MaxTags) {
        indexFile_.Close();
        return;
    }
    std::vector<IndexTagEntry> entries(header.tagCount);
    if ((header.tagCount && !indexFile_.ReadAt(sizeof header, entries.data(),
                                               entries.size() * sizeof(IndexTagEntry))) ||
        DirectoryChecksum(header, entries) != header.directoryChecksum) {
        indexFile_.Close();
        return;
    }
    indexFileSize_ = indexStamp.size;
    bool inStep =
        header.tableSize == tableStamp.size && header.tableModified == tableStamp.modified &&
        header.recordCount == table.RecordCount() && header.recordLength == table.RecordLength();
    for (const IndexTagEntry& entry : entries) {
        std::string name = TagName(FixedText(entry.name, sizeof entry.name).c_str());
        auto expression = ParseKeyExpression(
            FixedText(entry.expression, sizeof entry.expression).c_str(), table.Fields());
        if (name.empty() || !expression || Find(name.c_str()) != 0) {
            dirty_ = true;  // the file names a tag we drop: write the file afresh
            continue;
        }
        Tag tag{name, *expression, SortedEntries(table.Fields()[expression->fieldIndex].width)};
        uint64_t dataEnd = entry.dataOffset + uint64_t(entry.entryCount) * tag.entries.Stride();
        if (inStep && entry.keyWidth == tag.entries.KeyWidth() && dataEnd <= indexFileSize_) {
            tag.state = State::OnDisk;
            tag.dataOffset = entry.dataOffset;
            tag.dataCount = entry.entryCount;
            tag.dataChecksum = entry.dataChecksum;
        }
        tags_.push_back(std::move(tag));
    }
    if (!inStep) dirty_ = true;
}

void TagSet::Close(const DbfTable& table)
{
    Save(table);
    tags_.clear();
    indexFile_.Close();
    dirty_ = rebuiltFromTable_ = false;
}

int TagSet::Find(const char* name) const
{
    std::string wanted = TagName(name);
    for (size_t i = 0; i < tags_.size(); ++i)
        if (tags_[i].name == wanted) return static_cast<int>(i + 1);
    return 0;
}

SortedEntries& TagSet::Entries(int order, const DbfTable& table)
{
    Tag& tag = tags_[order - 1];
    if (tag.state != State::Loaded) Load(tag, table);
    MergeAppended(tag);
    return tag.entries;
}

void TagSet::MergeAppended(Tag& tag)
{
    if (tag.appended.empty()) return;
    tag.entries.InsertAll(tag.appended.data(), tag.appended.size() / tag.entries.Stride());
    tag.appended.clear();
}

void TagSet::Load(Tag& tag, const DbfTable& table)
{
    if (tag.state == State::OnDisk) {
        std::vector<char> flat(size_t(tag.dataCount) * tag.entries.Stride());
        if (indexFile_.IsOpen() &&
            (flat.empty() || indexFile_.ReadAt(tag.dataOffset, flat.data(), flat.size())) &&
            Checksum64(flat.data(), flat.size()) == tag.dataChecksum &&
            tag.dataCount == table.RecordCount()) {
            tag.entries.Assign(flat.data(), tag.dataCount);
            tag.state = State::Loaded;
            return;
        }
        tag.state = State::Stale;
        dirty_ = true;
    }
    if (tag.state == State::Stale) RebuildStale(table);
}

void TagSet::RebuildStale(const DbfTable& table)
{
    std::vector<Tag*> stale;
    for (Tag& tag : tags_)
        if (tag.state == State::Stale) stale.push_back(&tag);
    if (stale.empty()) return;
    if (!rebuiltFromTable_) {
        table.Stamp(stampAtRebuild_);
        rebuiltFromTable_ = true;
    }

    uint32_t total = table.RecordCount();
    size_t length = table.RecordLength();
    std::vector<std::vector<char>> unsorted(stale.size());
    for (size_t t = 0; t < stale.size(); ++t)
        unsorted[t].resize(size_t(total) * stale[t]->entries.Stride());
    std::vector<char> chunk(size_t(std::min(total, RebuildChunkRecords)) * length);
    for (uint32_t first = 1; first <= total; first += RebuildChunkRecords) {
        uint32_t n = std::min(RebuildChunkRecords, total - first + 1);
        // A record that cannot be read indexes as blank.
        if (!table.ReadRecords(first, n, chunk.data())) std::fill(chunk.begin(), chunk.end(), ' ');
        for (uint32_t i = 0; i < n; ++i) {
            const char* record = chunk.data() + size_t(i) * length;
            for (size_t t = 0; t < stale.size(); ++t) {
                size_t stride = stale[t]->entries.Stride();
                char* entry = unsorted[t].data() + size_t(first - 1 + i) * stride;
                stale[t]->expression.Extract(table.Fields(), record, entry);
                SortedEntries::PutRecno(entry, stale[t]->entries.KeyWidth(), first + i);
            }
        }
    }
    for (size_t t = 0; t < stale.size(); ++t) {
        std::vector<char> sorted =
            SortedEntries::Sorted(unsorted[t].data(), total, stale[t]->entries.Stride());
        stale[t]->entries.Assign(sorted.data(), total);
        stale[t]->appended.clear();
        stale[t]->state = State::Loaded;
    }
    dirty_ = true;
}

bool TagSet::Create(const DbfTable& table, const char* name, const char* expressionText)
{
    std::string wanted = TagName(name);
    auto expression = ParseKeyExpression(expressionText, table.Fields());
    if (wanted.empty() || !expression) return false;
    Put(Tag{wanted, *expression, SortedEntries(table.Fields()[expression->fieldIndex].width)});
    RebuildStale(table);
    return true;
}

dbf::TagDirectoryBytes TagSet::HeaderDirectory(const DbfTable& table) const
{
    std::vector<KeyExpression> keys;
    for (const Tag& tag : tags_)
        if (tag.name == table.Fields()[tag.expression.fieldIndex].name)
            keys.push_back(tag.expression);
    return MakeTagDirectory(keys);
}

void TagSet::PrepareForChange(const DbfTable& table)
{
    for (Tag& tag : tags_)
        if (tag.state == State::OnDisk) Load(tag, table);
    RebuildStale(table);
    dirty_ = true;
}

// The entry waits with the others appended since the tag was last used: a run of appends
// then costs one sort and merge instead of an insert each.
void TagSet::RecordAppended(const DbfTable& table, uint32_t recno, const char* record)
{
    for (Tag& tag : tags_) {
        size_t at = tag.appended.size();
        tag.appended.resize(at + tag.entries.Stride());
        tag.expression.Extract(table.Fields(), record, tag.appended.data() + at);
        SortedEntries::PutRecno(tag.appended.data() + at, tag.entries.KeyWidth(), recno);
    }
}

void TagSet::RecordChanged(const DbfTable& table, uint32_t recno, const char* before,
                           const char* after)
{
    for (Tag& tag : tags_) {
        MergeAppended(tag);
        size_t width = tag.entries.KeyWidth();
        oldEntry_.resize(tag.entries.Stride());
        newEntry_.resize(tag.entries.Stride());
        tag.expression.Extract(table.Fields(), before, oldEntry_.data());
        tag.expression.Extract(table.Fields(), after, newEntry_.data());
        if (std::memcmp(oldEntry_.data(), newEntry_.data(), width) == 0) continue;
        SortedEntries::PutRecno(oldEntry_.data(), width, recno);
        SortedEntries::PutRecno(newEntry_.data(), width, recno);
        tag.entries.Erase(oldEntry_.data());
        tag.entries.Insert(newEntry_.data());
    }
}

void TagSet::InvalidateAll()
{
    for (Tag& tag : tags_) {
        tag.state = State::Stale;
        tag.appended.clear();
    }
    rebuiltFromTable_ = false;
    dirty_ = true;
}

bool TagSet::SafeToSave(const DbfTable& table) const
{
    if (table.Exclusive()) return true;
    if (table.RecordCountOnDisk() != table.RecordCount()) return false;
    if (table.Writable()) return true;
    FileStamp now;
    return rebuiltFromTable_ && table.Stamp(now) && now == stampAtRebuild_;
}

void TagSet::Save(const DbfTable& table)
{
    if (!dirty_ || tags_.empty() || !SafeToSave(table)) return;
    for (Tag& tag : tags_) {
        if (tag.state != State::Loaded) Load(tag, table);
        MergeAppended(tag);
    }

    FileStamp tableStamp;
    if (!table.Stamp(tableStamp)) return;
    IndexHeader header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.version = FormatVersion;
    header.tagCount = static_cast<uint32_t>(tags_.size());
    header.tableSize = tableStamp.size;
    header.tableModified = tableStamp.modified;
    header.recordCount = table.RecordCount();
    header.recordLength = static_cast<uint32_t>(table.RecordLength());

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
        tag.entries.AppendFlat(data);
        if (offset + data.size() > UINT32_MAX) return;
        entry.keyWidth = static_cast<uint32_t>(tag.entries.KeyWidth());
        entry.entryCount = static_cast<uint32_t>(tag.entries.Size());
        entry.dataOffset = static_cast<uint32_t>(offset + start);
        entry.dataChecksum = Checksum64(data.data() + start, data.size() - start);
    }
    header.directoryChecksum = DirectoryChecksum(header, entries);

    std::vector<char> file = DirectoryBytes(header, entries);
    file.insert(file.end(), data.begin(), data.end());

    StagedFile staged(indexPath_, indexPath_ + "~");
    OsFile out;
    if (!out.Open(staged.StagedPath(), FileAccess::Create)) return;
    bool written = out.WriteAt(0, file.data(), file.size());
    out.Close();
    indexFile_.Close();
    if (written && staged.PutInPlace()) dirty_ = false;
}

}  // namespace sde
