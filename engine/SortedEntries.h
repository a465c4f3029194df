// The entries of one tag, kept sorted in memory while the table is open: fixed-width
// entries of the key followed by the record number (big-endian, so that a plain byte
// comparison of two entries orders them by key, then by record number). The entries live
// in blocks of a few kilobytes, so an insert or erase moves one block's bytes only, and a
// whole tag loads from or saves to a flat sorted array in one pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sde {

class SortedEntries {
public:
    struct Position {
        size_t block = 0;
        size_t slot = 0;
    };

    explicit SortedEntries(size_t keyWidth = 0);

    size_t keyWidth() const { return keyWidth_; }
    size_t stride() const { return keyWidth_ + 4; }
    size_t size() const { return count_; }
    // Changes with every insert, erase or assign, and differs between any two instances.
    uint64_t version() const { return version_; }

    // Replaces the content by `flat`, which holds size()/stride() entries in order.
    void assign(const char* flat, size_t entryCount);
    void appendFlat(std::vector<char>& out) const;

    void insert(const char* entry);
    // Inserts the `count` entries of `flat`, in any order: one by one when they are few
    // against the entries held, else sorted and merged with them in one pass.
    void insertAll(const char* flat, size_t count);
    bool erase(const char* entry);
    // `count` entries of `stride` bytes each, sorted by their bytes.
    static std::vector<char> sorted(const char* flat, size_t count, size_t stride);

    bool valid(Position p) const { return p.block < blocks_.size(); }
    Position end() const { return {blocks_.size(), 0}; }
    Position first() const { return {0, 0}; }   // end() when empty
    Position last() const;
    bool next(Position& p) const;   // false (and p = end()) past the last entry
    bool prev(Position& p) const;   // false (p unchanged) before the first entry
    const char* at(Position p) const { return blocks_[p.block].data() + p.slot * stride(); }

    Position lowerBoundEntry(const char* entry) const;
    // First entry whose key, extended with blanks, is not below `text` over its length.
    Position lowerBoundKey(const char* text, size_t length) const;
    // First entry whose key, extended with blanks, is above `text` over its length.
    Position upperBoundKey(const char* text, size_t length) const;

    static void putRecno(char* entry, size_t keyWidth, uint32_t recno);
    static uint32_t recnoOf(const char* entry, size_t keyWidth);
    // Compares a key (extended with blanks without end) with `text` over the text's length.
    static int compareKey(const char* key, size_t keyWidth, const char* text, size_t length);

private:
    template <class Below>
    Position lowerBound(Below below) const;
    size_t blockEntries(size_t block) const { return blocks_[block].size() / stride(); }

    size_t keyWidth_;
    size_t maxEntriesPerBlock_;
    void changed();

    size_t count_ = 0;
    uint64_t version_ = 0;
    std::vector<std::vector<char>> blocks_;
};

}  // namespace sde
