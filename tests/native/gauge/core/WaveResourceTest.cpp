#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WaveResource.h"

using namespace gauge;

namespace {

using Bytes = std::vector<uint8_t>;

void Append32(Bytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

struct Chunk {
    std::string tag;
    Bytes body;
};

// A RIFF image of the given chunks, each padded to an even length.
Bytes Riff(const std::vector<Chunk>& chunks)
{
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Chunk& c : chunks) {
        body.insert(body.end(), c.tag.begin(), c.tag.end());
        Append32(body, static_cast<uint32_t>(c.body.size()));
        body.insert(body.end(), c.body.begin(), c.body.end());
        if (c.body.size() % 2) body.push_back(0);
    }
    Bytes image = {'R', 'I', 'F', 'F'};
    Append32(image, static_cast<uint32_t>(body.size()));
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

const Bytes pcmFormat(16, 1);
const Bytes samples = {128, 130, 126, 140, 120};  // odd length

struct Parsed {
    bool ok;
    const void* format;
    const void* samples;
    uint32_t bytes;
};

Parsed Parse(const Bytes& image, uint32_t size)
{
    Parsed p{};
    p.ok = ParseWaveResource(image.data(), size, &p.format, &p.samples, &p.bytes);
    return p;
}

Parsed Parse(const Bytes& image)
{
    return Parse(image, static_cast<uint32_t>(image.size()));
}

TEST(WaveResource, FindsFormatAndSamplesAcrossOtherChunksInEitherOrder)
{
    Bytes withFact = Riff({{"fmt ", pcmFormat}, {"fact", {5, 0, 0, 0}}, {"data", samples}});
    Parsed p = Parse(withFact);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.format, withFact.data() + 20);
    EXPECT_EQ(p.samples, withFact.data() + 20 + 16 + 12 + 8);
    EXPECT_EQ(p.bytes, 5u);

    Bytes reordered =
        Riff({{"LIST", {1, 2, 3}}, {"data", samples}, {"junk", {}}, {"fmt ", pcmFormat}});
    p = Parse(reordered);
    ASSERT_TRUE(p.ok);
    // "LIST" has an odd length: one pad byte before "data".
    EXPECT_EQ(p.samples, reordered.data() + 12 + 8 + 4 + 8);
    EXPECT_EQ(static_cast<const uint8_t*>(p.format), reordered.data() + reordered.size() - 16);
}

TEST(WaveResource, OnlyWhatIsAskedForIsNeeded)
{
    Bytes formatOnly = Riff({{"fmt ", pcmFormat}});
    const void* format = nullptr;
    EXPECT_TRUE(ParseWaveResource(formatOnly.data(), formatOnly.size(), &format, nullptr, nullptr));
    EXPECT_NE(format, nullptr);
    uint32_t bytes = 0;
    EXPECT_FALSE(ParseWaveResource(formatOnly.data(), formatOnly.size(), nullptr, nullptr, &bytes));
}

TEST(WaveResource, DamagedImagesFailAndClearTheOutputs)
{
    Bytes good = Riff({{"fmt ", pcmFormat}, {"data", samples}});
    std::vector<Bytes> damaged;
    damaged.push_back(Riff({{"fmt ", Bytes(13, 1)}, {"data", samples}}));  // format too short
    damaged.push_back(Riff({{"data", samples}}));                          // no format
    damaged.push_back(Riff({}));                                           // no chunks
    Bytes notRiff = good;
    notRiff[0] = 'X';
    damaged.push_back(notRiff);
    Bytes notWave = good;
    notWave[11] = 'X';
    damaged.push_back(notWave);
    Bytes longData = good;
    longData[good.size() - 10] = 200;  // data length beyond the image (low byte of 5 -> 200)
    damaged.push_back(longData);
    for (const Bytes& image : damaged) {
        Parsed p{true, &p, &p, 99};
        p.ok = ParseWaveResource(image.data(), image.size(), &p.format, &p.samples, &p.bytes);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.format, nullptr);
        EXPECT_EQ(p.bytes, 0u);
    }
}

TEST(WaveResource, NeverReadsBeyondTheImageOrTheRiffLength)
{
    Bytes good = Riff({{"fmt ", pcmFormat}, {"data", samples}});
    EXPECT_TRUE(Parse(good).ok);
    // The resource is shorter than its RIFF length says: the data chunk is cut off.
    EXPECT_FALSE(Parse(good, static_cast<uint32_t>(good.size() - 3)).ok);
    // The RIFF length ends before the data chunk although the bytes are there.
    Bytes shortRiff = good;
    shortRiff[4] = static_cast<uint8_t>(4 + 8 + 16);
    EXPECT_FALSE(Parse(shortRiff).ok);
    EXPECT_FALSE(Parse(good, 11).ok);
    EXPECT_FALSE(ParseWaveResource(nullptr, 100, nullptr, nullptr, nullptr));
}

struct DeliveredSound {
    const char* file;
    uint32_t rate;
    uint32_t sampleBytes;
    bool hasFact;
};

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(WaveResource, TheGaugeSoundsHaveTheirDeliveredFormats)
{
    const char* source = std::getenv("QUILLMAP_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const DeliveredSound sounds[] = {{"click.wav", 22255, 2432, false},
                                     {"alarm.wav", 11025, 8678, true},
                                     {"waypoint.wav", 11025, 4588, true}};
    for (const DeliveredSound& sound : sounds) {
        Bytes image = ReadFile(std::string(source) + "/gauge/resources/" + sound.file);
        Parsed p = Parse(image);
        ASSERT_TRUE(p.ok) << sound.file;
        const auto* format = static_cast<const uint8_t*>(p.format);
        auto word = [&](int offset) { return format[offset] | format[offset + 1] << 8; };
        EXPECT_EQ(word(0), 1) << sound.file;  // PCM
        EXPECT_EQ(word(2), 1) << sound.file;  // mono
        EXPECT_EQ(static_cast<uint32_t>(word(4) | word(6) << 16), sound.rate) << sound.file;
        EXPECT_EQ(word(14), 8) << sound.file;  // 8-bit
        EXPECT_EQ(p.bytes, sound.sampleBytes) << sound.file;
        // A "fact" chunk between "fmt " and "data" where the format asks for one.
        std::string text(image.begin(), image.end());
        std::size_t fact = text.find("fact");
        EXPECT_EQ(fact != std::string::npos, sound.hasFact) << sound.file;
        if (sound.hasFact) {
            EXPECT_GT(fact, text.find("fmt "));
            EXPECT_LT(fact, text.find("data"));
        }
    }
}

}  // namespace
