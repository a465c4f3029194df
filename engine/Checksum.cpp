#include "Checksum.h"

#include <cstring>

namespace sde {

namespace {

constexpr uint64_t Prime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t Prime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t Prime3 = 0x165667B19E3779F9ull;

uint64_t RotateLeft(uint64_t value, int bits)
{
    return value << bits | value >> (64 - bits);
}

uint64_t Mix(uint64_t lane, uint64_t word)
{
    return RotateLeft(lane + word * Prime2, 31) * Prime1;
}

uint64_t Word(const unsigned char* p)
{
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

}  // namespace

uint64_t Checksum64(const void* data, size_t size)
{
    auto* p = static_cast<const unsigned char*>(data);
    uint64_t lanes[4] = {Prime1 + Prime2, Prime2, 0, 0 - Prime1};
    size_t i = 0;
    for (; i + 32 <= size; i += 32)
        for (int lane = 0; lane < 4; ++lane) lanes[lane] = Mix(lanes[lane], Word(p + i + 8 * lane));
    uint64_t hash = RotateLeft(lanes[0], 1) + RotateLeft(lanes[1], 7) + RotateLeft(lanes[2], 12) +
                    RotateLeft(lanes[3], 18) + size;
    for (; i + 8 <= size; i += 8)
        hash = RotateLeft(hash ^ Mix(0, Word(p + i)), 27) * Prime1 + Prime3;
    for (; i < size; ++i) hash = RotateLeft(hash ^ (p[i] * Prime3), 11) * Prime1;
    hash ^= hash >> 33;
    hash *= Prime2;
    hash ^= hash >> 29;
    return hash;
}

}  // namespace sde
