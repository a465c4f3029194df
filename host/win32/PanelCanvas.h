// The gauge's elements as the host draws them: the pictures of the image and slider
// elements from the module's bitmaps, a font and a text buffer per text line (the buffer is
// handed to the gauge through the line's record), and the frame they are drawn into.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PanelRecords.h"
#include "Picture.h"

namespace host {

// The gauge's texts are Windows-1252 (the degree sign is byte 0xB0).
constexpr UINT ScreenCodePage = 1252;

class PanelCanvas {
public:
    struct Element {
        gauge::ElementHead* record;
        Picture picture;                 // images and the slider
        HFONT font = nullptr;            // text lines
        std::unique_ptr<char[]> buffer;  // text lines: the buffer handed to the gauge
    };

    PanelCanvas() = default;
    ~PanelCanvas();
    PanelCanvas(const PanelCanvas&) = delete;
    PanelCanvas& operator=(const PanelCanvas&) = delete;

    // The root and its children, root first; the frame takes the size of the root's picture.
    void Build(gauge::ElementHead* root, HMODULE module);
    // Takes the text buffers back from the records and forgets the elements.
    void Release();

    // The root's picture, opaque; false while no elements are built.
    bool PaintFace();
    // Every child whose hiddenBit is clear, over the face. The slider's variable is brought
    // up to date through `refresh` before its callback places it.
    void PaintChildren(gauge::VariableService refresh);

    const std::vector<std::unique_ptr<Element>>& Elements() const { return elements_; }
    int TextLineCount() const;
    std::string ScreenText(int line) const;                // 1-based, as its buffer holds it
    double MarkerOffset() const { return markerOffset_; }  // pixels, at the last drawing
    PixelView Frame() const;
    HDC FrameDC() const { return frameDC_; }

private:
    void PaintElement(Element& element, gauge::VariableService refresh);
    void PaintText(Element& element);

    std::vector<std::unique_ptr<Element>> elements_;
    HDC frameDC_ = nullptr;
    HBITMAP frameBitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* framePixels_ = nullptr;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    double markerOffset_ = 0.0;
};

}  // namespace host
