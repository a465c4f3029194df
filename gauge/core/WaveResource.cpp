#include "WaveResource.h"

#include <algorithm>
#include <cstring>

namespace gauge {

namespace {

constexpr uint32_t RiffHeaderBytes = 12;
constexpr uint32_t ChunkHeaderBytes = 8;
constexpr uint32_t MinimumFormatBytes = 14;

uint32_t ReadLittleEndian32(const uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool IsTag(const uint8_t* bytes, const char* tag)
{
    return std::memcmp(bytes, tag, 4) == 0;
}

void ClearOutputs(const void** format, const void** samples, uint32_t* sampleBytes)
{
    if (format) *format = nullptr;
    if (samples) *samples = nullptr;
    if (sampleBytes) *sampleBytes = 0;
}

bool FindChunks(const void* image, uint32_t imageBytes, const void** format, const void** samples,
                uint32_t* sampleBytes)
{
    const auto* bytes = static_cast<const uint8_t*>(image);
    if (!bytes || imageBytes < RiffHeaderBytes || !IsTag(bytes, "RIFF") ||
        !IsTag(bytes + 8, "WAVE"))
        return false;
    const uint64_t end = std::min<uint64_t>(8ull + ReadLittleEndian32(bytes + 4), imageBytes);

    bool formatWanted = format != nullptr;
    bool samplesWanted = samples != nullptr || sampleBytes != nullptr;
    uint64_t position = RiffHeaderBytes;
    while (position + ChunkHeaderBytes <= end) {
        const uint8_t* chunk = bytes + position;
        const uint32_t length = ReadLittleEndian32(chunk + 4);
        const uint64_t body = position + ChunkHeaderBytes;
        if (body + length > end) return false;

        if (IsTag(chunk, "fmt ") && formatWanted) {
            if (length < MinimumFormatBytes) return false;
            *format = bytes + body;
            formatWanted = false;
            if (!samplesWanted) return true;
        } else if (IsTag(chunk, "data") && samplesWanted) {
            if (samples) *samples = bytes + body;
            if (sampleBytes) *sampleBytes = length;
            samplesWanted = false;
            if (!formatWanted) return true;
        }
        position = body + ((static_cast<uint64_t>(length) + 1) & ~1ull);
    }
    return false;
}

}  // namespace

bool ParseWaveResource(const void* image, uint32_t imageBytes, const void** format,
                       const void** samples, uint32_t* sampleBytes)
{
    ClearOutputs(format, samples, sampleBytes);
    if (FindChunks(image, imageBytes, format, samples, sampleBytes)) return true;
    ClearOutputs(format, samples, sampleBytes);  // nothing half-found is handed out
    return false;
}

}  // namespace gauge
