// Pixels of the panel host's drawing: 32-bit 0x00RRGGBB, top row first.
#pragma once

#include <cstdint>
#include <vector>

namespace host {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// A surface owned elsewhere (the host's drawing surface).
struct PixelView {
    int width;
    int height;
    uint32_t* pixels;
};

// Copies `source` with its top left corner at (x, y), clipped to the view. Elements drawn
// over the background leave their pure black pixels out, so the picture shows through.
void DrawPicture(PixelView target, const Picture& source, int x, int y, bool blackIsTransparent);

// A 24-bit bottom-up Windows bitmap file of the view.
std::vector<uint8_t> EncodeBitmapFile(const PixelView& view);

}  // namespace host
