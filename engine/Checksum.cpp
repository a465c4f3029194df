#include "Checksum.h"

#include <cstring>

namespace sde {

namespace {

constexpr uint64_t prime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t prime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t prime3 = 0x165667B19E3779F9ull;

uint64_t rotateLeft(uint64_t value, int bits) { return value << bits | value >> (64 - bits); }

uint64_t mix(uint64_t lane, uint64_t word) { return rotateLeft(lane + word * prime2, 31) * prime1; }

uint64_t word(const unsigned char* p) {
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

}  // namespace

uint64_t checksum64(const void* data, size_t size) {
    auto* p = static_cast<const unsigned char*>(data);
    uint64_t lanes[4] = {prime1 + prime2, prime2, 0, 0 - prime1};
    size_t i = 0;
    for (; i + 32 <= size; i += 32)
        for (int lane = 0; lane < 4; ++lane) lanes[lane] = mix(lanes[lane], word(p + i + 8 * lane));
    uint64_t hash = rotateLeft(lanes[0], 1) + rotateLeft(lanes[1], 7) + rotateLeft(lanes[2], 12) +
                    rotateLeft(lanes[3], 18) + size;
    for (; i + 8 <= size; i += 8) hash = rotateLeft(hash ^ mix(0, word(p + i)), 27) * prime1 + prime3;
    for (; i < size; ++i) hash = rotateLeft(hash ^ (p[i] * prime3), 11) * prime1;
    hash ^= hash >> 33;
    hash *= prime2;
    hash ^= hash >> 29;
    return hash;
}

}  // namespace sde
