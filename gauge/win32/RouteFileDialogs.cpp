#include "RouteFileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "GaugeState.h"
#include "RouteFile.h"
#include "TableEngine.h"

namespace gauge {

namespace {

constexpr char RouteFileFilter[] = "GPS Files (*.rte)\0*.rte\0";
constexpr char RouteFileExtension[] = "rte";
constexpr DWORD FileNameCapacity = 260;

OPENFILENAMEA RouteFileDialog(char* name, const char* title, DWORD flags)
{
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = gaugeState.hostWindow;
    dialog.lpstrFilter = RouteFileFilter;
    dialog.lpstrFile = name;
    dialog.nMaxFile = FileNameCapacity;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = RouteFileExtension;
    dialog.Flags = flags;
    return dialog;
}

// Reads at most RouteFileSize bytes; false when the file cannot be opened or read.
bool ReadRouteBytes(const char* path, char (&bytes)[RouteFileSize], std::size_t& length)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    length = 0;
    bool ok = true;
    while (length < RouteFileSize) {
        DWORD read = 0;
        if (!ReadFile(file, bytes + length, static_cast<DWORD>(RouteFileSize - length), &read,
                      nullptr)) {
            ok = false;
            break;
        }
        if (read == 0) break;
        length += read;
    }
    CloseHandle(file);
    return ok;
}

}  // namespace

void SaveRouteFile()
{
    char name[FileNameCapacity] = "";
    OPENFILENAMEA dialog =
        RouteFileDialog(name, "Save a Route", OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR);
    if (!GetSaveFileNameA(&dialog)) return;

    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(gaugeState.editedRoute, text);
    HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, nav::RouteTextLength, &written, nullptr);
    CloseHandle(file);
}

void LoadRouteFile()
{
    char name[FileNameCapacity] = "";
    OPENFILENAMEA dialog = RouteFileDialog(name, "Open a Route",
                                           OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR);
    char bytes[RouteFileSize];
    std::size_t length = 0;
    if (GetOpenFileNameA(&dialog) && ReadRouteBytes(name, bytes, length)) {
        RouteSlots slots;
        ParseRouteFile(bytes, length, slots);
        LookUpRouteSlots(slots);
        std::memcpy(gaugeState.editedRoute, slots, sizeof slots);
    }
    TableCloseAll();
}

}  // namespace gauge
