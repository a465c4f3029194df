// A fast 64-bit checksum guarding the index file against damage (not against tampering):
// four lanes over 8-byte words with multiply-rotate mixing, so that checking a tag as it
// loads costs little next to reading it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sde {

uint64_t Checksum64(const void* data, size_t size);

}  // namespace sde
