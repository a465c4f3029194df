#include "WorkArea.h"

#include "DbfFormat.h"
#include "FieldCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "TableEngine.h"

namespace sde {

namespace {
constexpr uint32_t scanChunkRecords = 4096;
}

bool WorkArea::open(const std::string& path, const std::string& alias, OpenMode mode) {
    close();
    if (!table_.open(path, mode)) return false;
    alias_ = alias;
    tags_.open(table_);
    record_.assign(table_.recordLength(), ' ');
    scratch_.assign(table_.recordLength(), ' ');
    goTop();
    return true;
}

void WorkArea::close() {
    if (!table_.isOpen()) return;
    flush();
    // The header first: the index file records the table's size and time as they end up.
    table_.syncHeader();
    tags_.close(table_);
    table_.close();
    order_ = 0;
    queryActive_ = false;
    candidates_.clear();
    queryCount_ = 0;
    rangeTerm_ = nullptr;
    recno_ = 0;
    bof_ = eof_ = true;
}

// ---- places in the controlling order -------------------------------------------------

bool WorkArea::isCandidate(uint32_t recno) const {
    return recno > queryRecordLimit_ || std::binary_search(candidates_.begin(), candidates_.end(), recno);
}

bool WorkArea::inQueryRange(const SortedEntries& entries, SortedEntries::Position position) const {
    if (!entries.valid(position)) return false;
    if (!rangeTerm_) return true;
    return SortedEntries::compareKey(entries.at(position), entries.keyWidth(), rangeTerm_->text.data(),
                                     rangeTerm_->text.size()) == 0;
}

WorkArea::Place WorkArea::tagPlace(SortedEntries::Position position) {
    SortedEntries& entries = tags_.entries(order_, table_);
    Place place;
    place.valid = inQueryRange(entries, position);
    place.entry = position;
    if (place.valid) place.recno = SortedEntries::recnoOf(entries.at(position), entries.keyWidth());
    return place;
}

WorkArea::Place WorkArea::firstPlace() {
    if (order_) {
        SortedEntries& entries = tags_.entries(order_, table_);
        return tagPlace(rangeTerm_ ? entries.lowerBoundKey(rangeTerm_->text.data(), rangeTerm_->text.size())
                                   : entries.first());
    }
    Place place;
    uint32_t count = table_.recordCount();
    if (queryActive_)
        place.recno = candidates_.empty() ? queryRecordLimit_ + 1 : candidates_.front();
    else
        place.recno = 1;
    place.valid = place.recno >= 1 && place.recno <= count;
    return place;
}

WorkArea::Place WorkArea::lastPlace() {
    if (order_) {
        SortedEntries& entries = tags_.entries(order_, table_);
        if (!rangeTerm_) return tagPlace(entries.last());
        SortedEntries::Position end = entries.upperBoundKey(rangeTerm_->text.data(), rangeTerm_->text.size());
        SortedEntries::Position last = entries.valid(end) ? end : entries.last();
        if (entries.valid(end) && !entries.prev(last)) return Place();
        return tagPlace(last);
    }
    Place place;
    uint32_t count = table_.recordCount();
    if (queryActive_ && count <= queryRecordLimit_)
        place.recno = candidates_.empty() ? 0 : candidates_.back();
    else
        place.recno = count;
    place.valid = place.recno >= 1 && place.recno <= count;
    return place;
}

bool WorkArea::nextPlace(Place& place) {
    if (order_) {
        SortedEntries& entries = tags_.entries(order_, table_);
        SortedEntries::Position position = place.entry;
        entries.next(position);
        place = tagPlace(position);
        return place.valid;
    }
    uint32_t recno = place.recno + 1;
    if (queryActive_ && recno <= queryRecordLimit_) {
        auto it = std::lower_bound(candidates_.begin(), candidates_.end(), recno);
        recno = it == candidates_.end() ? queryRecordLimit_ + 1 : *it;
    }
    place.recno = recno;
    place.valid = recno <= table_.recordCount();
    return place.valid;
}

bool WorkArea::prevPlace(Place& place) {
    if (order_) {
        SortedEntries& entries = tags_.entries(order_, table_);
        SortedEntries::Position position = place.entry;
        // From past the last entry, the step back is onto the last one.
        if (!entries.valid(position)) position = entries.last();
        else if (!entries.prev(position)) return place.valid = false;
        place = tagPlace(position);
        return place.valid;
    }
    if (place.recno <= 1) return place.valid = false;
    uint32_t recno = std::min(place.recno - 1, table_.recordCount());
    if (queryActive_ && recno <= queryRecordLimit_) {
        auto it = std::upper_bound(candidates_.begin(), candidates_.end(), recno);
        recno = it == candidates_.begin() ? 0 : *(it - 1);
    }
    place.recno = recno;
    place.valid = recno >= 1;
    return place.valid;
}

WorkArea::Place WorkArea::currentPlace(bool& exact) {
    exact = true;
    if (!order_) {
        Place place;
        place.recno = recno_;
        place.valid = true;
        return place;
    }
    SortedEntries& entries = tags_.entries(order_, table_);
    if (landedOrder_ == order_ && landedVersion_ == entries.version() && landed_.recno == recno_) return landed_;
    entry_.resize(entries.stride());
    tags_.expression(order_).extract(table_.fields(), record_.data(), entry_.data());
    SortedEntries::putRecno(entry_.data(), entries.keyWidth(), recno_);
    SortedEntries::Position position = entries.lowerBoundEntry(entry_.data());
    exact = entries.valid(position) && std::memcmp(entries.at(position), entry_.data(), entry_.size()) == 0;
    Place place;
    place.entry = position;
    place.recno = entries.valid(position) ? SortedEntries::recnoOf(entries.at(position), entries.keyWidth()) : 0;
    place.valid = entries.valid(position);
    return place;
}

// ---- visibility and landing ------------------------------------------------------------

bool WorkArea::visible(uint32_t recno) {
    if (queryActive_ && !isCandidate(recno)) return false;
    if (!table_.readRecord(recno, scratch_.data())) return false;
    if (settings_.deletedHidden && scratch_[0] == dbf::deletedFlag) return false;
    return !queryActive_ || query_.matches(scratch_.data());
}

bool WorkArea::forwardToVisible(Place& place) {
    while (place.valid && !visible(place.recno)) nextPlace(place);
    return place.valid;
}

bool WorkArea::backwardToVisible(Place& place) {
    while (place.valid && !visible(place.recno)) prevPlace(place);
    return place.valid;
}

void WorkArea::land(const Place& place) {
    recno_ = place.recno;
    record_.swap(scratch_);
    bof_ = eof_ = false;
    landed_ = place;
    landedOrder_ = order_;
    landedVersion_ = order_ ? tags_.entries(order_, table_).version() : 0;
}

void WorkArea::standOnPhantom() {
    recno_ = table_.recordCount() + 1;
    std::fill(record_.begin(), record_.end(), ' ');
    eof_ = true;
}

// ---- moves -------------------------------------------------------------------------------

void WorkArea::goTop() {
    flush();
    table_.refreshCache();
    Place place = firstPlace();
    if (forwardToVisible(place)) {
        land(place);
    } else {
        standOnPhantom();
        bof_ = true;
    }
}

void WorkArea::goBottom() {
    flush();
    table_.refreshCache();
    Place place = lastPlace();
    if (backwardToVisible(place)) {
        land(place);
    } else {
        standOnPhantom();
        bof_ = true;
    }
}

void WorkArea::skip(int count) {
    if (!table_.isOpen()) return;
    flush();
    if (count == 0) {
        // Reads the current record afresh from the file (another writer may have changed it).
        if (!eof_ && table_.readRecords(recno_, 1, scratch_.data())) record_.swap(scratch_);
        return;
    }
    int64_t steps = count;
    if (steps > 0) {
        if (eof_) return;
        bool exact = true;
        Place place = currentPlace(exact);
        for (; steps > 0; --steps) {
            if (exact || steps < count) nextPlace(place);
            if (!forwardToVisible(place)) {
                standOnPhantom();
                bof_ = false;
                return;
            }
        }
        land(place);
        return;
    }
    Place place;
    if (eof_) {
        // Back from the phantom record: the last visible record is the first step.
        place = lastPlace();
        if (!backwardToVisible(place)) {
            bof_ = true;
            return;
        }
        ++steps;
    } else {
        bool exact = true;
        place = currentPlace(exact);
    }
    for (; steps < 0; ++steps) {
        prevPlace(place);
        if (!backwardToVisible(place)) {
            // Before the first visible record: stand on it with the begin flag set.
            goTop();
            bof_ = true;
            return;
        }
    }
    land(place);
}

bool WorkArea::seek(const char* text) {
    if (!table_.isOpen()) return false;
    flush();
    if (!order_) {
        standOnPhantom();
        bof_ = false;
        return false;
    }
    table_.refreshCache();
    size_t length = std::strlen(text);
    for (bool checked = false;; checked = true) {
        SortedEntries& entries = tags_.entries(order_, table_);
        SortedEntries::Position position = entries.lowerBoundKey(text, length);
        while (entries.valid(position) &&
               !visible(SortedEntries::recnoOf(entries.at(position), entries.keyWidth())))
            entries.next(position);
        if (!entries.valid(position)) break;
        // An index file can pass every check of its own and still point at other records:
        // the record must carry the entry's key, or the tags are rebuilt from the table.
        if (!recordHasEntryKey(entries, position)) {
            if (checked) break;
            tags_.invalidateAll();
            continue;
        }
        bool found = SortedEntries::compareKey(entries.at(position), entries.keyWidth(), text, length) == 0;
        if (!found && !settings_.softSeek) break;
        Place place;
        place.valid = true;
        place.entry = position;
        place.recno = SortedEntries::recnoOf(entries.at(position), entries.keyWidth());
        land(place);
        return found;
    }
    standOnPhantom();
    bof_ = false;
    return false;
}

bool WorkArea::recordHasEntryKey(const SortedEntries& entries, SortedEntries::Position position) {
    entry_.resize(entries.stride());
    tags_.expression(order_).extract(table_.fields(), scratch_.data(), entry_.data());
    return std::memcmp(entry_.data(), entries.at(position), entries.keyWidth()) == 0;
}

void WorkArea::setOrder(int order) {
    if (!table_.isOpen()) return;
    order_ = order >= 1 && order <= tags_.count() ? order : 0;
    chooseQueryRange();
}

// ---- query -------------------------------------------------------------------------------

void WorkArea::chooseQueryRange() {
    rangeTerm_ = nullptr;
    if (!queryActive_ || !order_) return;
    const KeyExpression& expression = tags_.expression(order_);
    if (expression.upper) return;
    for (const QueryCondition::Term& term : query_.terms())
        if (term.field == &table_.fields()[expression.fieldIndex] && !term.field->numeric())
            rangeTerm_ = &term;
}

std::vector<uint32_t> WorkArea::queryCandidates() {
    std::vector<uint32_t> matches;
    if (query_.matchesNone()) return matches;
    uint32_t total = table_.recordCount();
    auto accept = [&](uint32_t recno, const char* record) {
        if (settings_.deletedHidden && record[0] == dbf::deletedFlag) return;
        if (query_.matches(record)) matches.push_back(recno);
    };

    // A term on a field that some tag keys on without change narrows the records to read.
    for (int order = 1; order <= tags_.count(); ++order) {
        const KeyExpression& expression = tags_.expression(order);
        if (expression.upper) continue;
        for (const QueryCondition::Term& term : query_.terms()) {
            if (term.field != &table_.fields()[expression.fieldIndex] || term.field->numeric()) continue;
            SortedEntries& entries = tags_.entries(order, table_);
            SortedEntries::Position from = entries.lowerBoundKey(term.text.data(), term.text.size());
            SortedEntries::Position to = entries.upperBoundKey(term.text.data(), term.text.size());
            std::vector<uint32_t> range;
            for (SortedEntries::Position p = from; entries.valid(p) && (p.block != to.block || p.slot != to.slot);
                 entries.next(p)) {
                range.push_back(SortedEntries::recnoOf(entries.at(p), entries.keyWidth()));
                if (range.size() > total / 16 + 16) break;
            }
            if (range.size() > total / 16 + 16) continue;
            std::sort(range.begin(), range.end());
            for (uint32_t recno : range)
                if (table_.readRecord(recno, scratch_.data())) accept(recno, scratch_.data());
            return matches;
        }
    }

    std::vector<char> chunk(size_t(std::min(total, scanChunkRecords)) * table_.recordLength());
    for (uint32_t first = 1; first <= total; first += scanChunkRecords) {
        uint32_t n = std::min(scanChunkRecords, total - first + 1);
        if (!table_.readRecords(first, n, chunk.data())) continue;
        for (uint32_t i = 0; i < n; ++i) accept(first + i, chunk.data() + size_t(i) * table_.recordLength());
    }
    return matches;
}

void WorkArea::setQuery(const char* condition) {
    if (!table_.isOpen()) return;
    flush();
    table_.refreshCache();
    query_ = QueryCondition::parse(condition, table_.fields());
    candidates_ = queryCandidates();
    queryCount_ = static_cast<int>(std::min<size_t>(candidates_.size(), std::numeric_limits<int>::max()));
    queryRecordLimit_ = table_.recordCount();
    queryActive_ = !query_.matchesAll();
    if (!queryActive_) candidates_.clear();
    chooseQueryRange();
    goTop();
}

// ---- fields and records ----------------------------------------------------------------

const char* WorkArea::fieldBytes(const char* name, int& width) const {
    if (!table_.isOpen()) return nullptr;
    const TableField* field = table_.field(name);
    if (!field) return nullptr;
    width = field->width;
    return record_.data() + field->offset;
}

void WorkArea::beginChange() {
    if (recordChanged_) return;
    tags_.prepareForChange(table_);
    stored_ = record_;
    recordChanged_ = true;
}

void WorkArea::replace(const char* name, int type, const void* value) {
    if (!table_.isOpen() || !table_.writable() || eof_ || !value) return;
    const TableField* field = table_.field(name);
    if (!field) return;
    fieldText_.resize(static_cast<size_t>(field->width));
    char* bytes = fieldText_.data();
    switch (type) {
    case SDE_INTEGER:
    case SDE_INTEGER_ALT: {
        int32_t number;
        std::memcpy(&number, value, sizeof number);
        encodeInteger(*field, number, bytes);
        break;
    }
    case SDE_DOUBLE: {
        double number;
        std::memcpy(&number, value, sizeof number);
        encodeDouble(*field, number, bytes);
        break;
    }
    case SDE_TEXT: encodeText(*field, static_cast<const char*>(value), bytes); break;
    default: return;
    }
    char* current = record_.data() + field->offset;
    if (std::memcmp(bytes, current, fieldText_.size()) == 0) return;
    beginChange();
    std::memcpy(current, bytes, fieldText_.size());
}

void WorkArea::deleteRecord() {
    if (!table_.isOpen() || !table_.writable() || eof_ || record_[0] == dbf::deletedFlag) return;
    beginChange();
    record_[0] = dbf::deletedFlag;
}

bool WorkArea::flush() {
    if (!recordChanged_) return false;
    recordChanged_ = false;
    bool appended = recordNew_;
    recordNew_ = false;
    if (!table_.writeRecord(recno_, record_.data())) {
        // Nothing was written: the cursor stands on the record as the file holds it.
        if (appended) standOnPhantom();
        else record_ = stored_;
        return false;
    }
    if (appended) tags_.recordAppended(table_, recno_, record_.data());
    else tags_.recordChanged(table_, recno_, stored_.data(), record_.data());
    return true;
}

void WorkArea::appendBlank() {
    if (!table_.isOpen() || !table_.writable()) return;
    flush();
    tags_.prepareForChange(table_);
    uint32_t recno = table_.appendRecord();
    if (!recno) return;
    std::fill(record_.begin(), record_.end(), ' ');
    recno_ = recno;
    bof_ = eof_ = false;
    recordChanged_ = recordNew_ = true;
}

void WorkArea::pack() {
    if (!table_.isOpen() || !table_.exclusive()) return;
    flush();
    uint32_t before = table_.recordCount();
    std::vector<uint32_t> kept;
    tags_.prepareForChange(table_);
    bool packed = table_.pack(kept);
    if (packed && kept.size() == before) return;
    tags_.invalidateAll();
    queryActive_ = false;
    candidates_.clear();
    queryCount_ = 0;
    rangeTerm_ = nullptr;
    record_.assign(table_.recordLength(), ' ');
    goTop();
}

void WorkArea::finishIndexing() {
    flush();
    table_.syncHeader();
    tags_.save(table_);
}

void WorkArea::createTag(const char* name, const char* expression) {
    if (!table_.isOpen() || !table_.writable()) return;
    flush();
    if (tags_.create(table_, name, expression)) table_.writeTagDirectory(tags_.headerDirectory(table_));
    chooseQueryRange();
}

}  // namespace sde
