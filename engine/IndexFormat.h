// The index file (extension .QIX): every tag of one table, each a flat sorted array of
// fixed-width entries (the key, then the record number big-endian), behind a header that
// records the state of the table the tags were built from. A tag is trusted only while that
// stamp matches the table and its checksum (Checksum.h) holds; otherwise it is rebuilt from the table.
// Tags named after their key field are also recorded in the table's header (TagDirectory.h),
// so they are rebuilt even when this file is lost; other tags are known from this file only.
//
//   IndexHeader   64 bytes
//   IndexTagEntry 64 bytes per tag
//   tag data      entryCount * (keyWidth + 4) bytes per tag, at dataOffset
//
// Numbers are little-endian (the engine runs on x86 only).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace sde::qix {

static_assert(std::endian::native == std::endian::little);

constexpr char Magic[8] = {'Q', 'M', 'A', 'P', 'Q', 'I', 'X', '1'};
constexpr uint32_t FormatVersion = 2;
constexpr uint32_t MaxTags = 64;

struct IndexHeader {
    char magic[8];
    uint32_t version;
    uint32_t tagCount;
    uint64_t tableSize;     // the table file's size, modification time, record count
    int64_t tableModified;  // and record length when the tags were last in step with it
    uint32_t recordCount;
    uint32_t recordLength;
    uint32_t reserved[4];
    uint64_t directoryChecksum;  // of this header (with this field 0) and the tag entries
};
static_assert(sizeof(IndexHeader) == 64);
static_assert(offsetof(IndexHeader, tableSize) == 16);
static_assert(offsetof(IndexHeader, recordCount) == 32);
static_assert(offsetof(IndexHeader, directoryChecksum) == 56);

struct IndexTagEntry {
    char name[12];        // NUL-padded, upper case
    char expression[32];  // NUL-padded: "NUM", "UPPER(NAME)"
    uint32_t keyWidth;
    uint32_t entryCount;
    uint32_t dataOffset;
    uint64_t dataChecksum;
};
static_assert(sizeof(IndexTagEntry) == 64);
static_assert(offsetof(IndexTagEntry, keyWidth) == 44);
static_assert(offsetof(IndexTagEntry, dataChecksum) == 56);

}  // namespace sde::qix
