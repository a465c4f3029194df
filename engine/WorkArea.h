// One open table with its cursor: the current record (or the phantom blank record past the
// end), the begin and end flags, the controlling order (0: record number, n: tag n), and
// the query that limits what moves visit.
//
// Movement follows the usual xBase rules: a skip past the last visible record stands on the
// phantom record with RecordAtEof set; a skip before the first visible record stays on it
// with RecordAtBof set; a skip back from the phantom record lands on the last visible one.
//
// The current record is a buffer: field puts and deletion change it in memory, and Flush()
// writes it whole, in one write, and brings the tags up to date. Every operation that leaves
// the record or reads beyond it flushes first (moves, seeks, queries, appends, pack, tag
// creation, saving the tags, close); the engine flushes every area before another area
// becomes current, so no other area of this process reads the record before it is written.
#pragma once

#include "DbfTable.h"
#include "QueryCondition.h"
#include "TagSet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sde {

struct EngineSettings {
    bool deletedHidden = false;
    bool softSeek = false;
};

class WorkArea {
public:
    explicit WorkArea(const EngineSettings& settings) : settings_(settings) {}
    ~WorkArea() { Close(); }

    bool Open(const std::string& path, const std::string& alias, OpenMode mode);
    void Close();
    const std::string& Alias() const { return alias_; }

    void GoTop();
    void GoBottom();
    void Skip(int count);
    bool AtBof() const { return bof_; }
    bool AtEof() const { return eof_; }
    bool Seek(const char* text);

    int TagOrder(const char* name) const { return tags_.Find(name); }
    void SetOrder(int order);

    void SetQuery(const char* condition);
    int QueryCount() const { return queryCount_; }

    // The current record's bytes of a field (blanks on the phantom record); null when the
    // table has no such field.
    const char* FieldBytes(const char* name, int& width) const;
    // Whether the current record carries the deletion flag (the phantom record never does).
    bool RecordDeleted() const { return !record_.empty() && record_[0] == dbf::DeletedFlag; }
    // The open table itself, for what the tools read beyond the operations (TableInspection.h).
    const DbfTable& Table() const { return table_; }
    void Replace(const char* name, int type, const void* value);
    void AppendBlank();
    void DeleteRecord();
    void Pack();

    void CreateTag(const char* name, const char* expression);
    void FinishIndexing();

    // Writes the current record if it changed since the cursor came to it; true when it wrote.
    bool Flush();
    // Another area of this process wrote to the file: cached records may be old.
    void ForgetCachedRecords() { table_.DropCache(); }

private:
    // A place in the controlling order: a record number, or an entry of the tag.
    struct Place {
        bool valid = false;
        uint32_t recno = 0;
        SortedEntries::Position entry;
    };

    Place FirstPlace();
    Place LastPlace();
    bool NextPlace(Place& place);
    bool PrevPlace(Place& place);
    // Where the current record stands; `exact` false when it has no entry of its own
    // in the tag (the place is then the first entry after it).
    Place CurrentPlace(bool& exact);
    Place TagPlace(SortedEntries::Position position);
    bool InQueryRange(const SortedEntries& entries, SortedEntries::Position position) const;

    // Before the first change of the current record: its stored copy, and every tag loaded.
    void BeginChange();
    // Whether the record in scratch_ carries the key of the tag entry at `position`.
    bool RecordHasEntryKey(const SortedEntries& entries, SortedEntries::Position position);

    bool Visible(uint32_t recno);  // reads the record into scratch_
    bool ForwardToVisible(Place& place);
    bool BackwardToVisible(Place& place);
    void Land(const Place& place);  // scratch_ holds the record
    void StandOnPhantom();
    void StandPastEnd();  // on the phantom record, begin flag clear
    // Before the first visible record: stands on it with the begin flag set.
    void StandOnFirstAtBof();

    // The parts of Skip: a count of 0 rereads the current record from the file.
    void RereadCurrent();
    void SkipForward(int count);
    void SkipBackward(int count);
    // Where a skip back starts, with `steps` adjusted; false (begin flag set) when the skip
    // from the phantom record finds no visible record.
    bool BackwardStart(Place& place, int64_t& steps);
    void ChooseQueryRange();
    bool IsCandidate(uint32_t recno) const;
    std::vector<uint32_t> QueryCandidates();

    const EngineSettings& settings_;
    DbfTable table_;
    TagSet tags_;
    std::string alias_;

    int order_ = 0;
    uint32_t recno_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    std::vector<char> record_;    // the current record, with the changes not yet written
    std::vector<char> stored_;    // the current record as the file and the tags hold it
    bool recordChanged_ = false;  // record_ is to be written
    bool recordNew_ = false;      // appended: not in the file (exclusive use) nor in the tags yet
    std::vector<char> scratch_;
    std::vector<char> fieldText_;
    std::vector<char> entry_;  // the current record's entry in the tag, when looked up

    // Where the cursor landed in the order, trusted while the tag has not changed since.
    Place landed_;
    int landedOrder_ = -1;
    uint64_t landedVersion_ = 0;

    bool queryActive_ = false;
    QueryCondition query_;
    std::vector<uint32_t> candidates_;  // sorted; the records that matched when it was set
    uint32_t queryRecordLimit_ = 0;     // records appended later are candidates too
    int queryCount_ = 0;
    const QueryCondition::Term* rangeTerm_ = nullptr;  // narrows the walk of the tag
};

}  // namespace sde
