// The tags of one open table, kept in memory while it is open and saved to its index file
// (IndexFormat.h) when they or the table changed. Tags load from the file only when first
// used; a tag whose file data is missing, damaged or out of step with the table is rebuilt
// from the table. The tags named after their field are also recorded in the table's header
// (TagDirectory.h), which keeps them when the index file is lost.
#pragma once

#include "DbfTable.h"
#include "KeyExpression.h"
#include "SortedEntries.h"
#include "OsFile.h"

#include <string>
#include <vector>

namespace sde {

class TagSet {
public:
    void Open(const DbfTable& table);
    // Saves the tags when that is safe (see Save()) and forgets them.
    void Close(const DbfTable& table);

    int Count() const { return static_cast<int>(tags_.size()); }
    int Find(const char* name) const;  // from 1; 0 when unknown
    const KeyExpression& Expression(int order) const { return tags_[order - 1].expression; }
    // The entries of tag `order` (from 1), loaded or rebuilt on first use.
    SortedEntries& Entries(int order, const DbfTable& table);

    // Builds the tag from the table, replacing a tag of the same name. False when the name
    // or the expression is not usable.
    bool Create(const DbfTable& table, const char* name, const char* expression);
    // The header's record of the tags that are named after their field, in tag order.
    dbf::TagDirectoryBytes HeaderDirectory(const DbfTable& table) const;

    // Called before the table itself changes: every tag must be in memory to follow it.
    void PrepareForChange(const DbfTable& table);
    void RecordAppended(const DbfTable& table, uint32_t recno, const char* record);
    // Record `recno` changed from `before` to `after`: the tags whose key changed follow.
    void RecordChanged(const DbfTable& table, uint32_t recno, const char* before,
                       const char* after);
    // After a pack the record numbers changed: every tag is rebuilt when next used.
    void InvalidateAll();

    // Writes the index file if anything changed and our tags can be trusted to match the
    // table: always in exclusive use; in shared use only while no other writer appended;
    // after a read-only open only while the table is unchanged since we rebuilt from it.
    void Save(const DbfTable& table);

private:
    enum class State {
        Loaded,
        OnDisk,
        Stale
    };
    struct Tag {
        std::string name;
        KeyExpression expression;
        SortedEntries entries;
        std::vector<char> appended{};  // entries of appended records, not yet in `entries`
        State state = State::Stale;
        uint32_t dataOffset = 0;
        uint32_t dataCount = 0;
        uint64_t dataChecksum = 0;
    };

    void ReadDirectory(const DbfTable& table);
    void AdoptHeaderDirectory(const DbfTable& table);
    void Put(Tag tag);  // in place of the tag of its name, or added after the others
    void Load(Tag& tag, const DbfTable& table);
    void RebuildStale(const DbfTable& table);
    void MergeAppended(Tag& tag);
    bool SafeToSave(const DbfTable& table) const;
    int KeyWidth(const Tag& tag, const DbfTable& table) const;

    std::vector<Tag> tags_;
    std::string indexPath_;
    OsFile indexFile_;
    uint64_t indexFileSize_ = 0;
    bool dirty_ = false;
    bool rebuiltFromTable_ = false;
    std::vector<char> oldEntry_, newEntry_;
    FileStamp stampAtRebuild_;
};

}  // namespace sde
