#include "Picture.h"

namespace host {

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

void DrawPicture(PixelView target, const Picture& source, int x, int y, bool blackIsTransparent)
{
    for (int row = 0; row < source.height; ++row) {
        int ty = y + row;
        if (ty < 0 || ty >= target.height) continue;
        for (int column = 0; column < source.width; ++column) {
            int tx = x + column;
            if (tx < 0 || tx >= target.width) continue;
            uint32_t pixel = source.pixels[row * source.width + column] & 0xFFFFFF;
            if (blackIsTransparent && pixel == 0) continue;
            target.pixels[ty * target.width + tx] = pixel;
        }
    }
}

std::vector<uint8_t> EncodeBitmapFile(const PixelView& view)
{
    constexpr uint32_t FileHeaderSize = 14;
    constexpr uint32_t InfoHeaderSize = 40;
    constexpr uint32_t PixelsPerMetre = 2835;  // 72 dots per inch
    const uint32_t stride = (static_cast<uint32_t>(view.width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(view.height);
    const uint32_t offset = FileHeaderSize + InfoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, offset + imageSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    PutLittleEndian(out, InfoHeaderSize, 4);
    PutLittleEndian(out, static_cast<uint32_t>(view.width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(view.height), 4);
    PutLittleEndian(out, 1, 2);   // planes
    PutLittleEndian(out, 24, 2);  // bits per pixel
    PutLittleEndian(out, 0, 4);   // uncompressed
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, PixelsPerMetre, 4);
    PutLittleEndian(out, PixelsPerMetre, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (int row = view.height - 1; row >= 0; --row) {
        const uint32_t* line = view.pixels + row * view.width;
        for (int x = 0; x < view.width; ++x) PutLittleEndian(out, line[x], 3);  // B, G, R
        for (uint32_t pad = static_cast<uint32_t>(view.width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

}  // namespace host
