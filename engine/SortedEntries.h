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

    size_t KeyWidth() const { return keyWidth_; }
    size_t Stride() const { return keyWidth_ + 4; }
    size_t Size() const { return count_; }
    // Changes with every insert, erase or assign, and differs between any two instances.
    uint64_t Version() const { return version_; }

    // Replaces the content by `flat`, which holds Size()/Stride() entries in order.
    void Assign(const char* flat, size_t entryCount);
    void AppendFlat(std::vector<char>& out) const;

    void Insert(const char* entry);
    // Inserts the `count` entries of `flat`, in any order: one by one when they are few
    // against the entries held, else sorted and merged with them in one pass.
    void InsertAll(const char* flat, size_t count);
    bool Erase(const char* entry);
    // `count` entries of `stride` bytes each, sorted by their bytes.
    static std::vector<char> Sorted(const char* flat, size_t count, size_t stride);

    bool Valid(Position p) const { return p.block < blocks_.size(); }
    Position End() const { return {blocks_.size(), 0}; }
    Position First() const { return {0, 0}; }  // End() when empty
    Position Last() const;
    bool Next(Position& p) const;  // false (and p = End()) past the last entry
    bool Prev(Position& p) const;  // false (p unchanged) before the first entry
    const char* At(Position p) const { return blocks_[p.block].data() + p.slot * Stride(); }

    Position LowerBoundEntry(const char* entry) const;
    // First entry whose key, extended with blanks, is not below `text` over its length.
    Position LowerBoundKey(const char* text, size_t length) const;
    // First entry whose key, extended with blanks, is above `text` over its length.
    Position UpperBoundKey(const char* text, size_t length) const;

    static void PutRecno(char* entry, size_t keyWidth, uint32_t recno);
    static uint32_t RecnoOf(const char* entry, size_t keyWidth);
    // Compares a key (extended with blanks without end) with `text` over the text's length.
    static int CompareKey(const char* key, size_t keyWidth, const char* text, size_t length);

private:
    template <class Below>
    Position LowerBound(Below below) const;
    size_t BlockEntries(size_t block) const { return blocks_[block].size() / Stride(); }

    size_t keyWidth_;
    size_t maxEntriesPerBlock_;
    void Changed();

    size_t count_ = 0;
    uint64_t version_ = 0;
    std::vector<std::vector<char>> blocks_;
};

}  // namespace sde
