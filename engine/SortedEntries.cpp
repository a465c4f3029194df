#include "SortedEntries.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace sde {

namespace {
constexpr size_t BlockBytes = 8192;
}

SortedEntries::SortedEntries(size_t keyWidth)
    : keyWidth_(keyWidth), maxEntriesPerBlock_(std::max<size_t>(8, BlockBytes / (keyWidth + 4)))
{
    Changed();
}

void SortedEntries::Changed()
{
    static std::atomic<uint64_t> lastVersion{0};
    version_ = ++lastVersion;
}

void SortedEntries::PutRecno(char* entry, size_t keyWidth, uint32_t recno)
{
    auto* p = reinterpret_cast<unsigned char*>(entry + keyWidth);
    p[0] = static_cast<unsigned char>(recno >> 24);
    p[1] = static_cast<unsigned char>(recno >> 16);
    p[2] = static_cast<unsigned char>(recno >> 8);
    p[3] = static_cast<unsigned char>(recno);
}

uint32_t SortedEntries::RecnoOf(const char* entry, size_t keyWidth)
{
    auto* p = reinterpret_cast<const unsigned char*>(entry + keyWidth);
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

int SortedEntries::CompareKey(const char* key, size_t keyWidth, const char* text, size_t length)
{
    size_t common = std::min(keyWidth, length);
    if (int c = std::memcmp(key, text, common)) return c;
    for (size_t i = common; i < length; ++i) {
        auto t = static_cast<unsigned char>(text[i]);
        if (t != ' ') return ' ' < t ? -1 : 1;
    }
    return 0;
}

void SortedEntries::Assign(const char* flat, size_t entryCount)
{
    Changed();
    blocks_.clear();
    count_ = entryCount;
    // Blocks start three quarters full so that inserts rarely split at once.
    size_t perBlock = std::max<size_t>(1, maxEntriesPerBlock_ * 3 / 4);
    for (size_t at = 0; at < entryCount; at += perBlock) {
        size_t n = std::min(perBlock, entryCount - at);
        blocks_.emplace_back(flat + at * Stride(), flat + (at + n) * Stride());
    }
}

void SortedEntries::AppendFlat(std::vector<char>& out) const
{
    for (const auto& block : blocks_) out.insert(out.end(), block.begin(), block.end());
}

template <class Below>
SortedEntries::Position SortedEntries::LowerBound(Below below) const
{
    // The first block whose last entry is not below the probe, then within it.
    size_t lo = 0, hi = blocks_.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (below(At({mid, BlockEntries(mid) - 1})))
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == blocks_.size()) return End();
    size_t first = 0, last = BlockEntries(lo);
    while (first < last) {
        size_t mid = (first + last) / 2;
        if (below(At({lo, mid})))
            first = mid + 1;
        else
            last = mid;
    }
    return {lo, first};
}

SortedEntries::Position SortedEntries::LowerBoundEntry(const char* entry) const
{
    size_t n = Stride();
    return LowerBound([entry, n](const char* e) { return std::memcmp(e, entry, n) < 0; });
}

SortedEntries::Position SortedEntries::LowerBoundKey(const char* text, size_t length) const
{
    size_t width = keyWidth_;
    return LowerBound([=](const char* e) { return CompareKey(e, width, text, length) < 0; });
}

SortedEntries::Position SortedEntries::UpperBoundKey(const char* text, size_t length) const
{
    size_t width = keyWidth_;
    return LowerBound([=](const char* e) { return CompareKey(e, width, text, length) <= 0; });
}

void SortedEntries::Insert(const char* entry)
{
    size_t n = Stride();
    Changed();
    if (blocks_.empty()) {
        blocks_.emplace_back(entry, entry + n);
        ++count_;
        return;
    }
    Position p = LowerBoundEntry(entry);
    if (!Valid(p)) p = {blocks_.size() - 1, BlockEntries(blocks_.size() - 1)};
    auto& block = blocks_[p.block];
    block.insert(block.begin() + static_cast<std::ptrdiff_t>(p.slot * n), entry, entry + n);
    ++count_;
    if (block.size() / n > maxEntriesPerBlock_) {
        size_t half = block.size() / n / 2 * n;
        std::vector<char> upper(block.begin() + static_cast<std::ptrdiff_t>(half), block.end());
        block.resize(half);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(p.block + 1),
                       std::move(upper));
    }
}

std::vector<char> SortedEntries::Sorted(const char* flat, size_t count, size_t stride)
{
    // Sorted by the first eight bytes as a number, which settles most comparisons without
    // touching the entries; equal prefixes compare the whole entries.
    struct Item {
        uint64_t prefix;
        uint32_t index;
    };
    size_t prefixBytes = std::min<size_t>(stride, sizeof(uint64_t));
    std::vector<Item> items(count);
    for (size_t i = 0; i < count; ++i) {
        uint64_t prefix = 0;
        const auto* entry = reinterpret_cast<const unsigned char*>(flat + i * stride);
        for (size_t b = 0; b < sizeof(uint64_t); ++b)
            prefix = prefix << 8 | (b < prefixBytes ? entry[b] : 0);
        items[i] = {prefix, static_cast<uint32_t>(i)};
    }
    std::sort(items.begin(), items.end(), [flat, stride](const Item& a, const Item& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        return std::memcmp(flat + size_t(a.index) * stride, flat + size_t(b.index) * stride,
                           stride) < 0;
    });
    std::vector<char> out(count * stride);
    for (size_t i = 0; i < count; ++i)
        std::memcpy(out.data() + i * stride, flat + size_t(items[i].index) * stride, stride);
    return out;
}

void SortedEntries::InsertAll(const char* flat, size_t count)
{
    size_t n = Stride();
    if (count <= std::max<size_t>(64, count_ / 16)) {
        for (size_t i = 0; i < count; ++i) Insert(flat + i * n);
        return;
    }
    std::vector<char> added = Sorted(flat, count, n);
    std::vector<char> held;
    AppendFlat(held);
    std::vector<char> merged(held.size() + added.size());
    auto before = [n](const char* a, const char* b) { return std::memcmp(a, b, n) < 0; };
    const char *a = held.data(), *aEnd = a + held.size(), *b = added.data(),
               *bEnd = b + added.size();
    for (char* out = merged.data(); a != aEnd || b != bEnd; out += n) {
        const char*& next = b == bEnd || (a != aEnd && !before(b, a)) ? a : b;
        std::memcpy(out, next, n);
        next += n;
    }
    Assign(merged.data(), merged.size() / n);
}

bool SortedEntries::Erase(const char* entry)
{
    size_t n = Stride();
    Position p = LowerBoundEntry(entry);
    if (!Valid(p) || std::memcmp(At(p), entry, n) != 0) return false;
    Changed();
    auto& block = blocks_[p.block];
    auto from = block.begin() + static_cast<std::ptrdiff_t>(p.slot * n);
    block.erase(from, from + static_cast<std::ptrdiff_t>(n));
    if (block.empty()) blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(p.block));
    --count_;
    return true;
}

SortedEntries::Position SortedEntries::Last() const
{
    if (blocks_.empty()) return End();
    return {blocks_.size() - 1, BlockEntries(blocks_.size() - 1) - 1};
}

bool SortedEntries::Next(Position& p) const
{
    if (!Valid(p)) return false;
    if (++p.slot >= BlockEntries(p.block)) {
        ++p.block;
        p.slot = 0;
    }
    return Valid(p);
}

bool SortedEntries::Prev(Position& p) const
{
    if (!Valid(p)) return false;
    if (p.slot > 0) {
        --p.slot;
        return true;
    }
    if (p.block == 0) return false;
    --p.block;
    p.slot = BlockEntries(p.block) - 1;
    return true;
}

}  // namespace sde
