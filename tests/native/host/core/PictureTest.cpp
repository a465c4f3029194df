#include <gtest/gtest.h>

#include <cstring>

#include "Picture.h"

using namespace host;

namespace {

TEST(PictureTest, BlackIsLeftOutOfOverlaysAndDrawingIsClipped)
{
    uint32_t pixels[4 * 3];
    for (uint32_t& p : pixels) p = 0x123456;
    PixelView view{4, 3, pixels};
    Picture marker{2, 2, {0x000000, 0xFF0000, 0xFF0000, 0x000000}};

    DrawPicture(view, marker, 3, 2, true);    // only its top left quarter is inside
    EXPECT_EQ(pixels[2 * 4 + 3], 0x123456u);  // black: the background shows
    DrawPicture(view, marker, 0, 0, true);
    EXPECT_EQ(pixels[0], 0x123456u);
    EXPECT_EQ(pixels[1], 0xFF0000u);
    EXPECT_EQ(pixels[4], 0xFF0000u);
    DrawPicture(view, marker, -1, 1, false);  // opaque: black is drawn too
    EXPECT_EQ(pixels[4], 0xFF0000u);
    EXPECT_EQ(pixels[2 * 4], 0x000000u);
}

TEST(PictureTest, BitmapFileIsBottomUpWithPaddedRows)
{
    uint32_t pixels[] = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    std::vector<uint8_t> file = EncodeBitmapFile({3, 2, pixels});
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    uint32_t width, bits;
    int32_t height;
    std::memcpy(&width, &file[18], 4);
    std::memcpy(&height, &file[22], 4);
    std::memcpy(&bits, &file[28], 2);
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(bits & 0xFFFF, 24u);
    // The first stored row is the bottom one, blue green red per pixel.
    EXPECT_EQ(file[54], 0xCC);
    EXPECT_EQ(file[55], 0xBB);
    EXPECT_EQ(file[56], 0xAA);
    EXPECT_EQ(file[54 + 12], 0x33);
    EXPECT_EQ(file[54 + 9], 0);  // padding to four bytes
}

}  // namespace
