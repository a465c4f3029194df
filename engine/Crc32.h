// CRC-32 (the zlib polynomial), guarding the index file against damage.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sde {

uint32_t crc32(const void* data, size_t size, uint32_t crc = 0);

}  // namespace sde
