#include "PanelCanvas.h"

#include <cmath>
#include <cstring>

namespace host {

using gauge::ElementHead;
using gauge::HiddenBit;
using gauge::SliderElement;
using gauge::TextLineElement;

namespace {

Picture LoadPicture(HMODULE module, uint32_t resource)
{
    Picture picture;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return picture;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = picture.width;
    format.bmiHeader.biHeight = -picture.height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return picture;
}

HFONT CreateLineFont(const TextLineElement& line)
{
    LOGFONTA font{};
    font.lfHeight = -(line.height - 2);
    font.lfWidth = line.capacity > 0 ? line.width / line.capacity : 0;
    font.lfWeight = line.fontWeight;
    font.lfCharSet = static_cast<BYTE>(line.characterSet);
    font.lfQuality = NONANTIALIASED_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::memcpy(font.lfFaceName, line.fontFace, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

}  // namespace

PanelCanvas::~PanelCanvas()
{
    if (frameDC_) {
        SelectObject(frameDC_, previousBitmap_);
        DeleteDC(frameDC_);
    }
    if (frameBitmap_) DeleteObject(frameBitmap_);
}

void PanelCanvas::Build(ElementHead* root, HMODULE module)
{
    Release();
    std::vector<ElementHead*> records{root};
    for (ElementHead** child = root->children; child && *child; ++child) records.push_back(*child);
    for (ElementHead* record : records) {
        auto element = std::make_unique<Element>();
        element->record = record;
        if (record->type == gauge::ElementTextLine) {
            auto* line = reinterpret_cast<TextLineElement*>(record);
            element->font = CreateLineFont(*line);
            element->buffer = std::make_unique<char[]>(line->capacity + 1);
            line->buffer = element->buffer.get();
        } else {
            element->picture = LoadPicture(module, record->bitmap);
        }
        elements_.push_back(std::move(element));
    }

    const Picture& face = elements_.front()->picture;
    if (face.width == frameWidth_ && face.height == frameHeight_ && frameDC_) return;
    if (frameDC_) {
        SelectObject(frameDC_, previousBitmap_);
        DeleteDC(frameDC_);
        DeleteObject(frameBitmap_);
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = face.width;
    format.bmiHeader.biHeight = -face.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    frameBitmap_ = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    framePixels_ = static_cast<uint32_t*>(bits);
    frameWidth_ = face.width;
    frameHeight_ = face.height;
    frameDC_ = CreateCompatibleDC(nullptr);
    previousBitmap_ = SelectObject(frameDC_, frameBitmap_);
}

void PanelCanvas::Release()
{
    for (auto& element : elements_) {
        if (element->font) DeleteObject(element->font);
        if (element->record->type == gauge::ElementTextLine)
            reinterpret_cast<TextLineElement*>(element->record)->buffer = nullptr;
    }
    elements_.clear();
}

bool PanelCanvas::PaintFace()
{
    if (elements_.empty()) return false;
    GdiFlush();
    const Element& face = *elements_.front();
    DrawPicture(Frame(), face.picture, face.record->x, face.record->y, false);
    return true;
}

void PanelCanvas::PaintChildren(gauge::VariableService refresh)
{
    for (size_t i = 1; i < elements_.size(); ++i)
        if (!(elements_[i]->record->flags & HiddenBit)) PaintElement(*elements_[i], refresh);
}

void PanelCanvas::PaintText(Element& element)
{
    auto* line = reinterpret_cast<TextLineElement*>(element.record);
    const char* buffer = element.buffer.get();
    int length = static_cast<int>(strnlen(buffer, line->capacity));
    wchar_t wide[256];
    int wideLength = MultiByteToWideChar(ScreenCodePage, 0, buffer, length, wide, 256);
    HGDIOBJ previousFont = SelectObject(frameDC_, element.font);
    SetTextColor(frameDC_, line->colour);
    SetBkMode(frameDC_, TRANSPARENT);
    RECT box{line->head.x, line->head.y, line->head.x + line->width, line->head.y + line->height};
    DrawTextW(frameDC_, wide, wideLength, &box, line->drawFlags | DT_NOPREFIX);
    SelectObject(frameDC_, previousFont);
    GdiFlush();
}

void PanelCanvas::PaintElement(Element& element, gauge::VariableService refresh)
{
    ElementHead& head = *element.record;
    PixelView frame = Frame();
    switch (head.type) {
    case gauge::ElementImage:
        DrawPicture(frame, element.picture, head.x, head.y, true);
        break;
    case gauge::ElementTextLine:
        PaintText(element);
        break;
    case gauge::ElementSlider: {
        auto* slider = reinterpret_cast<SliderElement*>(element.record);
        refresh(&slider->variable);
        markerOffset_ = slider->callback ? slider->callback(&slider->variable) : 0.0;
        int shift = static_cast<int>(std::lround(markerOffset_ * slider->scale));
        DrawPicture(frame, element.picture, head.x + shift, head.y, true);
        break;
    }
    default:
        break;
    }
}

int PanelCanvas::TextLineCount() const
{
    int count = 0;
    for (const auto& element : elements_)
        if (element->record->type == gauge::ElementTextLine) ++count;
    return count;
}

std::string PanelCanvas::ScreenText(int line) const
{
    int number = 0;
    for (const auto& element : elements_) {
        if (element->record->type != gauge::ElementTextLine || ++number != line) continue;
        auto* record = reinterpret_cast<TextLineElement*>(element->record);
        return std::string(element->buffer.get(),
                           strnlen(element->buffer.get(), record->capacity + 1));
    }
    return {};
}

PixelView PanelCanvas::Frame() const
{
    GdiFlush();
    return {frameWidth_, frameHeight_, framePixels_};
}

}  // namespace host
