#include "TagDirectory.h"

#include "Checksum.h"

#include <algorithm>
#include <iterator>

namespace sde {

namespace {

constexpr uint8_t upperBit = 0x80;
constexpr uint8_t fieldNumberMask = 0x7F;

uint8_t checkByte(const dbf::TagDirectoryBytes& bytes) {
    uint8_t covered[1 + sizeof bytes.slots] = {bytes.mark};
    std::copy(std::begin(bytes.slots), std::end(bytes.slots), covered + 1);
    return static_cast<uint8_t>(checksum64(covered, sizeof covered));
}

}  // namespace

std::vector<KeyExpression> readTagDirectory(const dbf::TagDirectoryBytes& bytes,
                                            const std::vector<TableField>& fields) {
    std::vector<KeyExpression> keys;
    if (bytes.mark != dbf::tagDirectoryMark || bytes.check != checkByte(bytes)) return keys;
    for (uint8_t slot : bytes.slots) {
        if (slot == 0) break;
        size_t number = slot & fieldNumberMask;
        if (number == 0 || number > fields.size()) return {};
        keys.push_back(keyOnField(fields, number - 1, (slot & upperBit) != 0));
    }
    return keys;
}

dbf::TagDirectoryBytes makeTagDirectory(const std::vector<KeyExpression>& keys) {
    dbf::TagDirectoryBytes bytes {};
    size_t used = 0;
    for (const KeyExpression& key : keys) {
        if (used == sizeof bytes.slots) break;
        if (key.fieldIndex + 1 > fieldNumberMask) continue;
        bytes.slots[used++] = static_cast<uint8_t>((key.upper ? upperBit : 0) | (key.fieldIndex + 1));
    }
    if (used == 0) return bytes;
    bytes.mark = dbf::tagDirectoryMark;
    bytes.check = checkByte(bytes);
    return bytes;
}

}  // namespace sde
