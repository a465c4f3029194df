// Finds the format block and the samples in a RIFF "WAVE" image, as the gauge's sound
// resources hold them.
#pragma once

#include <cstdint>

namespace gauge {

// Sets every wanted output (a non-null pointer) to none or 0 first, then walks the chunks
// from byte 12: "fmt " gives the format block (at least 14 bytes), "data" the samples and
// their size, in either order, other chunks are skipped; a chunk's body is padded to an
// even length. Succeeds once everything wanted is found. Nothing is read beyond
// `imageBytes` or beyond the RIFF length, whichever ends first; a chunk that runs past
// the end fails, and a failure leaves every output none or 0.
bool ParseWaveResource(const void* image, uint32_t imageBytes, const void** format,
                       const void** samples, uint32_t* sampleBytes);

}  // namespace gauge
