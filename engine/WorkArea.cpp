#include "WorkArea.h"

#include "DbfFormat.h"
#include "FieldCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "TableEngine.h"

namespace sde {

namespace {
constexpr uint32_t ScanChunkRecords = 4096;
}

bool WorkArea::Open(const std::string& path, const std::string& alias, OpenMode mode)
{
    Close();
    if (!table_.Open(path, mode)) return false;
    alias_ = alias;
    tags_.Open(table_);
    record_.assign(table_.RecordLength(), ' ');
    scratch_.assign(table_.RecordLength(), ' ');
    GoTop();
    return true;
}

void WorkArea::Close()
{
    if (!table_.IsOpen()) return;
    Flush();
    // The header first: the index file records the table's size and time as they end up.
    table_.SyncHeader();
    tags_.Close(table_);
    table_.Close();
    order_ = 0;
    queryActive_ = false;
    candidates_.clear();
    queryCount_ = 0;
    rangeTerm_ = nullptr;
    recno_ = 0;
    bof_ = eof_ = true;
}

// ---- places in the controlling order -------------------------------------------------

bool WorkArea::IsCandidate(uint32_t recno) const
{
    return recno > queryRecordLimit_ ||
           std::binary_search(candidates_.begin(), candidates_.end(), recno);
}

bool WorkArea::InQueryRange(const SortedEntries& entries, SortedEntries::Position position) const
{
    if (!entries.Valid(position)) return false;
    if (!rangeTerm_) return true;
    return SortedEntries::CompareKey(entries.At(position), entries.KeyWidth(),
                                     rangeTerm_->text.data(), rangeTerm_->text.size()) == 0;
}

WorkArea::Place WorkArea::TagPlace(SortedEntries::Position position)
{
    SortedEntries& entries = tags_.Entries(order_, table_);
    Place place;
    place.valid = InQueryRange(entries, position);
    place.entry = position;
    if (place.valid) place.recno = SortedEntries::RecnoOf(entries.At(position), entries.KeyWidth());
    return place;
}

WorkArea::Place WorkArea::FirstPlace()
{
    if (order_) {
        SortedEntries& entries = tags_.Entries(order_, table_);
        return TagPlace(
            rangeTerm_ ? entries.LowerBoundKey(rangeTerm_->text.data(), rangeTerm_->text.size())
                       : entries.First());
    }
    Place place;
    uint32_t count = table_.RecordCount();
    if (queryActive_)
        place.recno = candidates_.empty() ? queryRecordLimit_ + 1 : candidates_.front();
    else
        place.recno = 1;
    place.valid = place.recno >= 1 && place.recno <= count;
    return place;
}

WorkArea::Place WorkArea::LastPlace()
{
    if (order_) {
        SortedEntries& entries = tags_.Entries(order_, table_);
        if (!rangeTerm_) return TagPlace(entries.Last());
        SortedEntries::Position end =
            entries.UpperBoundKey(rangeTerm_->text.data(), rangeTerm_->text.size());
        SortedEntries::Position last = entries.Valid(end) ? end : entries.Last();
        if (entries.Valid(end) && !entries.Prev(last)) return Place();
        return TagPlace(last);
    }
    Place place;
    uint32_t count = table_.RecordCount();
    if (queryActive_ && count <= queryRecordLimit_)
        place.recno = candidates_.empty() ? 0 : candidates_.back();
    else
        place.recno = count;
    place.valid = place.recno >= 1 && place.recno <= count;
    return place;
}

bool WorkArea::NextPlace(Place& place)
{
    if (order_) {
        SortedEntries& entries = tags_.Entries(order_, table_);
        SortedEntries::Position position = place.entry;
        entries.Next(position);
        place = TagPlace(position);
        return place.valid;
    }
    uint32_t recno = place.recno + 1;
    if (queryActive_ && recno <= queryRecordLimit_) {
        auto it = std::lower_bound(candidates_.begin(), candidates_.end(), recno);
        recno = it == candidates_.end() ? queryRecordLimit_ + 1 : *it;
    }
    place.recno = recno;
    place.valid = recno <= table_.RecordCount();
    return place.valid;
}

bool WorkArea::PrevPlace(Place& place)
{
    if (order_) {
        SortedEntries& entries = tags_.Entries(order_, table_);
        SortedEntries::Position position = place.entry;
        // From past the last entry, the step back is onto the last one.
        if (!entries.Valid(position))
            position = entries.Last();
        else if (!entries.Prev(position))
            return place.valid = false;
        place = TagPlace(position);
        return place.valid;
    }
    if (place.recno <= 1) return place.valid = false;
    uint32_t recno = std::min(place.recno - 1, table_.RecordCount());
    if (queryActive_ && recno <= queryRecordLimit_) {
        auto it = std::upper_bound(candidates_.begin(), candidates_.end(), recno);
        recno = it == candidates_.begin() ? 0 : *(it - 1);
    }
    place.recno = recno;
    place.valid = recno >= 1;
    return place.valid;
}

WorkArea::Place WorkArea::CurrentPlace(bool& exact)
{
    exact = true;
    if (!order_) {
        Place place;
        place.recno = recno_;
        place.valid = true;
        return place;
    }
    SortedEntries& entries = tags_.Entries(order_, table_);
    if (landedOrder_ == order_ && landedVersion_ == entries.Version() && landed_.recno == recno_)
        return landed_;
    entry_.resize(entries.Stride());
    tags_.Expression(order_).Extract(table_.Fields(), record_.data(), entry_.data());
    SortedEntries::PutRecno(entry_.data(), entries.KeyWidth(), recno_);
    SortedEntries::Position position = entries.LowerBoundEntry(entry_.data());
    exact = entries.Valid(position) &&
            std::memcmp(entries.At(position), entry_.data(), entry_.size()) == 0;
    Place place;
    place.entry = position;
    place.recno = entries.Valid(position)
                      ? SortedEntries::RecnoOf(entries.At(position), entries.KeyWidth())
                      : 0;
    place.valid = entries.Valid(position);
    return place;
}

// ---- visibility and landing ------------------------------------------------------------

bool WorkArea::Visible(uint32_t recno)
{
    if (queryActive_ && !IsCandidate(recno)) return false;
    if (!table_.ReadRecord(recno, scratch_.data())) return false;
    if (settings_.deletedHidden && scratch_[0] == dbf::DeletedFlag) return false;
    return !queryActive_ || query_.Matches(scratch_.data());
}

bool WorkArea::ForwardToVisible(Place& place)
{
    while (place.valid && !Visible(place.recno)) NextPlace(place);
    return place.valid;
}

bool WorkArea::BackwardToVisible(Place& place)
{
    while (place.valid && !Visible(place.recno)) PrevPlace(place);
    return place.valid;
}

void WorkArea::Land(const Place& place)
{
    recno_ = place.recno;
    record_.swap(scratch_);
    bof_ = eof_ = false;
    landed_ = place;
    landedOrder_ = order_;
    landedVersion_ = order_ ? tags_.Entries(order_, table_).Version() : 0;
}

void WorkArea::StandOnPhantom()
{
    recno_ = table_.RecordCount() + 1;
    std::fill(record_.begin(), record_.end(), ' ');
    eof_ = true;
}

// ---- moves -------------------------------------------------------------------------------

void WorkArea::GoTop()
{
    Flush();
    table_.RefreshCache();
    Place place = FirstPlace();
    if (ForwardToVisible(place)) {
        Land(place);
    } else {
        StandOnPhantom();
        bof_ = true;
    }
}

void WorkArea::GoBottom()
{
    Flush();
    table_.RefreshCache();
    Place place = LastPlace();
    if (BackwardToVisible(place)) {
        Land(place);
    } else {
        StandOnPhantom();
        bof_ = true;
    }
}

void WorkArea::Skip(int count)
{
    if (!table_.IsOpen()) return;
    Flush();
    if (count == 0)
        RereadCurrent();
    else if (count > 0)
        SkipForward(count);
    else
        SkipBackward(count);
}

void WorkArea::RereadCurrent()
{
    // Another writer may have changed the record since the cursor came to it.
    if (!eof_ && table_.ReadRecords(recno_, 1, scratch_.data())) record_.swap(scratch_);
}

void WorkArea::SkipForward(int count)
{
    if (eof_) return;
    bool exact = true;
    Place place = CurrentPlace(exact);
    for (int64_t steps = count; steps > 0; --steps) {
        // A record without an entry of its own stands before the entry of its place, so the
        // first step lands on that entry.
        if (exact || steps < count) NextPlace(place);
        if (!ForwardToVisible(place)) {
            StandPastEnd();
            return;
        }
    }
    Land(place);
}

void WorkArea::SkipBackward(int count)
{
    int64_t steps = count;
    Place place;
    if (!BackwardStart(place, steps)) return;
    for (; steps < 0; ++steps) {
        PrevPlace(place);
        if (!BackwardToVisible(place)) {
            StandOnFirstAtBof();
            return;
        }
    }
    Land(place);
}

bool WorkArea::BackwardStart(Place& place, int64_t& steps)
{
    if (!eof_) {
        bool exact = true;
        place = CurrentPlace(exact);
        return true;
    }
    // Back from the phantom record: the last visible record is the first step.
    place = LastPlace();
    if (!BackwardToVisible(place)) {
        bof_ = true;
        return false;
    }
    ++steps;
    return true;
}

void WorkArea::StandPastEnd()
{
    StandOnPhantom();
    bof_ = false;
}

void WorkArea::StandOnFirstAtBof()
{
    GoTop();
    bof_ = true;
}

bool WorkArea::Seek(const char* text)
{
    if (!table_.IsOpen()) return false;
    Flush();
    if (!order_) {
        StandPastEnd();
        return false;
    }
    table_.RefreshCache();
    size_t length = std::strlen(text);
    for (bool checked = false;; checked = true) {
        SortedEntries& entries = tags_.Entries(order_, table_);
        SortedEntries::Position position = entries.LowerBoundKey(text, length);
        while (entries.Valid(position) &&
               !Visible(SortedEntries::RecnoOf(entries.At(position), entries.KeyWidth())))
            entries.Next(position);
        if (!entries.Valid(position)) break;
        // An index file can pass every check of its own and still point at other records:
        // the record must carry the entry's key, or the tags are rebuilt from the table.
        if (!RecordHasEntryKey(entries, position)) {
            if (checked) break;
            tags_.InvalidateAll();
            continue;
        }
        bool found =
            SortedEntries::CompareKey(entries.At(position), entries.KeyWidth(), text, length) == 0;
        if (!found && !settings_.softSeek) break;
        Place place;
        place.valid = true;
        place.entry = position;
        place.recno = SortedEntries::RecnoOf(entries.At(position), entries.KeyWidth());
        Land(place);
        return found;
    }
    StandPastEnd();
    return false;
}

bool WorkArea::RecordHasEntryKey(const SortedEntries& entries, SortedEntries::Position position)
{
    entry_.resize(entries.Stride());
    tags_.Expression(order_).Extract(table_.Fields(), scratch_.data(), entry_.data());
    return std::memcmp(entry_.data(), entries.At(position), entries.KeyWidth()) == 0;
}

void WorkArea::SetOrder(int order)
{
    if (!table_.IsOpen()) return;
    order_ = order >= 1 && order <= tags_.Count() ? order : 0;
    ChooseQueryRange();
}

// ---- query -------------------------------------------------------------------------------

void WorkArea::ChooseQueryRange()
{
    rangeTerm_ = nullptr;
    if (!queryActive_ || !order_) return;
    const KeyExpression& expression = tags_.Expression(order_);
    if (expression.upper) return;
    for (const QueryCondition::Term& term : query_.Terms())
        if (term.field == &table_.Fields()[expression.fieldIndex] && !term.field->Numeric())
            rangeTerm_ = &term;
}

std::vector<uint32_t> WorkArea::QueryCandidates()
{
    std::vector<uint32_t> matches;
    if (query_.MatchesNone()) return matches;
    uint32_t total = table_.RecordCount();
    auto accept = [&](uint32_t recno, const char* record) {
        if (settings_.deletedHidden && record[0] == dbf::DeletedFlag) return;
        if (query_.Matches(record)) matches.push_back(recno);
    };

    // A term on a field that some tag keys on without change narrows the records to read.
    for (int order = 1; order <= tags_.Count(); ++order) {
        const KeyExpression& expression = tags_.Expression(order);
        if (expression.upper) continue;
        for (const QueryCondition::Term& term : query_.Terms()) {
            if (term.field != &table_.Fields()[expression.fieldIndex] || term.field->Numeric())
                continue;
            SortedEntries& entries = tags_.Entries(order, table_);
            SortedEntries::Position from =
                entries.LowerBoundKey(term.text.data(), term.text.size());
            SortedEntries::Position to = entries.UpperBoundKey(term.text.data(), term.text.size());
            std::vector<uint32_t> range;
            for (SortedEntries::Position p = from;
                 entries.Valid(p) && (p.block != to.block || p.slot != to.slot); entries.Next(p)) {
                range.push_back(SortedEntries::RecnoOf(entries.At(p), entries.KeyWidth()));
                if (range.size() > total / 16 + 16) break;
            }
            if (range.size() > total / 16 + 16) continue;
            std::sort(range.begin(), range.end());
            for (uint32_t recno : range)
                if (table_.ReadRecord(recno, scratch_.data())) accept(recno, scratch_.data());
            return matches;
        }
    }

    std::vector<char> chunk(size_t(std::min(total, ScanChunkRecords)) * table_.RecordLength());
    for (uint32_t first = 1; first <= total; first += ScanChunkRecords) {
        uint32_t n = std::min(ScanChunkRecords, total - first + 1);
        if (!table_.ReadRecords(first, n, chunk.data())) continue;
        for (uint32_t i = 0; i < n; ++i)
            accept(first + i, chunk.data() + size_t(i) * table_.RecordLength());
    }
    return matches;
}

void WorkArea::SetQuery(const char* condition)
{
    if (!table_.IsOpen()) return;
    Flush();
    table_.RefreshCache();
    query_ = QueryCondition::Parse(condition, table_.Fields());
    candidates_ = QueryCandidates();
    queryCount_ =
        static_cast<int>(std::min<size_t>(candidates_.size(), std::numeric_limits<int>::max()));
    queryRecordLimit_ = table_.RecordCount();
    queryActive_ = !query_.MatchesAll();
    if (!queryActive_) candidates_.clear();
    ChooseQueryRange();
    GoTop();
}

// ---- fields and records ----------------------------------------------------------------

const char* WorkArea::FieldBytes(const char* name, int& width) const
{
    if (!table_.IsOpen()) return nullptr;
    const TableField* field = table_.Field(name);
    if (!field) return nullptr;
    width = field->width;
    return record_.data() + field->offset;
}

void WorkArea::BeginChange()
{
    if (recordChanged_) return;
    tags_.PrepareForChange(table_);
    stored_ = record_;
    recordChanged_ = true;
}

void WorkArea::Replace(const char* name, int type, const void* value)
{
    if (!table_.IsOpen() || !table_.Writable() || eof_ || !value) return;
    const TableField* field = table_.Field(name);
    if (!field) return;
    fieldText_.resize(static_cast<size_t>(field->width));
    char* bytes = fieldText_.data();
    switch (type) {
    case SDE_INTEGER:
    case SDE_INTEGER_ALT: {
        int32_t number;
        std::memcpy(&number, value, sizeof number);
        EncodeInteger(*field, number, bytes);
        break;
    }
    case SDE_DOUBLE: {
        double number;
        std::memcpy(&number, value, sizeof number);
        EncodeDouble(*field, number, bytes);
        break;
    }
    case SDE_TEXT:
        EncodeText(*field, static_cast<const char*>(value), bytes);
        break;
    default:
        return;
    }
    char* current = record_.data() + field->offset;
    if (std::memcmp(bytes, current, fieldText_.size()) == 0) return;
    BeginChange();
    std::memcpy(current, bytes, fieldText_.size());
}

void WorkArea::DeleteRecord()
{
    if (!table_.IsOpen() || !table_.Writable() || eof_ || record_[0] == dbf::DeletedFlag) return;
    BeginChange();
    record_[0] = dbf::DeletedFlag;
}

bool WorkArea::Flush()
{
    if (!recordChanged_) return false;
    recordChanged_ = false;
    bool appended = recordNew_;
    recordNew_ = false;
    if (!table_.WriteRecord(recno_, record_.data())) {
        // Nothing was written: the cursor stands on the record as the file holds it.
        if (appended)
            StandOnPhantom();
        else
            record_ = stored_;
        return false;
    }
    if (appended)
        tags_.RecordAppended(table_, recno_, record_.data());
    else
        tags_.RecordChanged(table_, recno_, stored_.data(), record_.data());
    return true;
}

void WorkArea::AppendBlank()
{
    if (!table_.IsOpen() || !table_.Writable()) return;
    Flush();
    tags_.PrepareForChange(table_);
    uint32_t recno = table_.AppendRecord();
    if (!recno) return;
    std::fill(record_.begin(), record_.end(), ' ');
    recno_ = recno;
    bof_ = eof_ = false;
    recordChanged_ = recordNew_ = true;
}

void WorkArea::Pack()
{
    if (!table_.IsOpen() || !table_.Exclusive()) return;
    Flush();
    uint32_t before = table_.RecordCount();
    std::vector<uint32_t> kept;
    tags_.PrepareForChange(table_);
    bool packed = table_.Pack(kept);
    if (packed && kept.size() == before) return;
    tags_.InvalidateAll();
    queryActive_ = false;
    candidates_.clear();
    queryCount_ = 0;
    rangeTerm_ = nullptr;
    record_.assign(table_.RecordLength(), ' ');
    GoTop();
}

void WorkArea::FinishIndexing()
{
    Flush();
    table_.SyncHeader();
    tags_.Save(table_);
}

void WorkArea::CreateTag(const char* name, const char* expression)
{
    if (!table_.IsOpen() || !table_.Writable()) return;
    Flush();
    if (tags_.Create(table_, name, expression))
        table_.WriteTagDirectory(tags_.HeaderDirectory(table_));
    ChooseQueryRange();
}

}  // namespace sde
