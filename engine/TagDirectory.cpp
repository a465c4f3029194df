#include "TagDirectory.h"

#include "Checksum.h"

#include <algorithm>
#include <iterator>

namespace sde {

namespace {

constexpr uint8_t UpperBit = 0x80;
constexpr uint8_t FieldNumberMask = 0x7F;

uint8_t CheckByte(const dbf::TagDirectoryBytes& bytes)
{
    uint8_t covered[1 + sizeof bytes.slots] = {bytes.mark};
    std::copy(std::begin(bytes.slots), std::end(bytes.slots), covered + 1);
    return static_cast<uint8_t>(Checksum64(covered, sizeof covered));
}

}  // namespace

std::vector<KeyExpression> ReadTagDirectory(const dbf::TagDirectoryBytes& bytes,
                                            const std::vector<TableField>& fields)
{
    std::vector<KeyExpression> keys;
    if (bytes.mark != dbf::TagDirectoryMark || bytes.check != CheckByte(bytes)) return keys;
    for (uint8_t slot : bytes.slots) {
        if (slot == 0) break;
        size_t number = slot & FieldNumberMask;
        if (number == 0 || number > fields.size()) return {};
        keys.push_back(KeyOnField(fields, number - 1, (slot & UpperBit) != 0));
    }
    return keys;
}

dbf::TagDirectoryBytes MakeTagDirectory(const std::vector<KeyExpression>& keys)
{
    dbf::TagDirectoryBytes bytes{};
    size_t used = 0;
    for (const KeyExpression& key : keys) {
        if (used == sizeof bytes.slots) break;
        if (key.fieldIndex + 1 > FieldNumberMask) continue;
        bytes.slots[used++] =
            static_cast<uint8_t>((key.upper ? UpperBit : 0) | (key.fieldIndex + 1));
    }
    if (used == 0) return bytes;
    bytes.mark = dbf::TagDirectoryMark;
    bytes.check = CheckByte(bytes);
    return bytes;
}

}  // namespace sde
