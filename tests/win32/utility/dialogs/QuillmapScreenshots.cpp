// Pictures of Quillmap's main dialog and of its airport editor on one airport, for the
// documentation: quillmap_screenshots OUTPUT_FOLDER DATA_FOLDER AIRPORT_NUM
// writes main-dialog.bmp and airport-editor.bmp (make_screenshots.py turns them into PNG).
// The folders are Windows paths; DATA_FOLDER ends with a backslash.
#include "AirportEditorDialog.h"
#include "MainDialog.h"
#include "QuillmapResources.h"
#include "TestApplication.h"
#include "UiScript.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD SettleMilliseconds = 500;

// Writes what the screen shows of the window (frame and caption included) as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: quillmap_screenshots OUTPUT_FOLDER DATA_FOLDER AIRPORT_NUM\n");
        return 2;
    }
    const std::string output = std::string(argv[1]) + "\\";
    const std::string airport = argv[3];
    uitest::TestApplication application;
    application.Profile().WriteString(nav::SettingsSection, nav::DataPathValue, argv[2]);
    bool saved = true;
    bool finished = true;

    {
        // The pauses let the X server catch up with what the dialogs drew.
        uitest::Script script;
        script.Pause(SettleMilliseconds).On("Quillmap", [&](HWND dialog) {
            saved &= SaveWindowPicture(dialog, output + "main-dialog.bmp");
            uitest::Click(dialog, IDCANCEL);
        });
        script.Start();
        quillmap::MainDialog dialog;
        dialog.DoModal();
        finished &= script.Finished();
    }
    {
        uitest::Script script;
        script.On("Airports", [](HWND dialog) { uitest::Click(dialog, IDC_FIND); })
            .On("Find",
                [&](HWND dialog) {
                    uitest::TypeText(dialog, IDC_NUM, airport);
                    uitest::Click(dialog, IDOK);
                })
            .Pause(SettleMilliseconds)
            .On("Airports", [&](HWND dialog) {
                saved &= SaveWindowPicture(dialog, output + "airport-editor.bmp");
                uitest::Click(dialog, IDCANCEL);
            });
        script.Start();
        quillmap::AirportEditorDialog dialog;
        dialog.DoModal();
        finished &= script.Finished();
    }
    return saved && finished ? 0 : 1;
}
