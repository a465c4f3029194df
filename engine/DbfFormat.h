// The dBase III table file: a 32-byte header, one 32-byte descriptor per field, a 0x0D
// terminator, then fixed-length records (a deletion flag and the fields' text) and a final
// 0x1A. All numbers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sde::dbf {

// Bytes 16..27, reserved by dBase for its multi-user versions and not read by dbfread or
// LibreOffice, hold the table's own record of its tags (TagDirectory.h), so that tags named
// after their field survive the loss of the index file. Other writers leave zeros there (or,
// rarely, bytes of their own, which the mark and the check byte tell apart).
struct TagDirectoryBytes {
    uint8_t mark;       // TagDirectoryMark when the bytes are ours
    uint8_t check;      // low byte of Checksum64 over mark and slots
    uint8_t slots[10];  // one per tag, in tag order, 0 ends: see TagDirectory.h
};
static_assert(sizeof(TagDirectoryBytes) == 12);
static_assert(offsetof(TagDirectoryBytes, slots) == 2);

struct FileHeader {
    uint8_t version;     // 0x03: dBase III without memo
    uint8_t updated[3];  // year - 1900, month, day of the last update
    uint8_t recordCount[4];
    uint8_t headerLength[2];  // offset of the first record
    uint8_t recordLength[2];  // deletion flag included
    uint8_t reserved[2];
    uint8_t transactionFlag;  // dBase IV: a transaction left incomplete; always 0 here
    uint8_t encryptionFlag;   // dBase IV: records encrypted; always 0 here
    TagDirectoryBytes tags;
    uint8_t productionIndex;  // dBase IV: a production .MDX exists; always 0 here
    uint8_t languageDriver;   // code page of the text (0x03: Windows ANSI)
    uint8_t reserved2[2];
};
static_assert(sizeof(FileHeader) == 32);
static_assert(offsetof(FileHeader, recordCount) == 4);
static_assert(offsetof(FileHeader, headerLength) == 8);
static_assert(offsetof(FileHeader, recordLength) == 10);
static_assert(offsetof(FileHeader, transactionFlag) == 14);
static_assert(offsetof(FileHeader, encryptionFlag) == 15);
static_assert(offsetof(FileHeader, tags) == 16);
static_assert(offsetof(FileHeader, productionIndex) == 28);
static_assert(offsetof(FileHeader, languageDriver) == 29);

struct FieldDescriptor {
    char name[11];  // upper case, NUL-padded
    char type;      // 'C' character, 'N' numeric
    uint8_t reserved1[4];
    uint8_t length;    // character fields: low byte of the width
    uint8_t decimals;  // numeric: decimals; character: high byte of the width
    uint8_t reserved2[14];
};
static_assert(sizeof(FieldDescriptor) == 32);
static_assert(offsetof(FieldDescriptor, type) == 11);
static_assert(offsetof(FieldDescriptor, length) == 16);
static_assert(offsetof(FieldDescriptor, decimals) == 17);

constexpr uint8_t VersionDbase3 = 0x03;
constexpr uint8_t LanguageWindowsAnsi = 0x03;  // text is Windows-1252
constexpr char HeaderTerminator = 0x0D;
constexpr char EndOfFile = 0x1A;
constexpr char LiveFlag = ' ';
constexpr char DeletedFlag = '*';
constexpr size_t MaxFieldNameLength = 10;
constexpr int MaxNumericWidth = 20;
constexpr int MaxCharacterWidth = 65535 - 1;  // the record length must still fit 16 bits
constexpr uint32_t MaxRecordCount = 0x7FFFFFFF;
constexpr uint8_t TagDirectoryMark = 'Q';

inline uint32_t ReadLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t ReadLe16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}
inline void WriteLe32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
inline void WriteLe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

}  // namespace sde::dbf
