#include "RouteFileDialogs.h"

#include <windows.h>

#include <cstring>

#include "FileDialog.h"
#include "GaugeState.h"
#include "RouteFile.h"
#include "TableEngine.h"

namespace gauge {

namespace {

constexpr char RouteFileFilter[] = "GPS Files (*.rte)|*.rte||";
constexpr char RouteFileExtension[] = "rte";

// Neither dialog moves the current directory to the chosen file's folder.
winkit::FileDialogRequest RouteFileRequest(const char* title, DWORD options)
{
    winkit::FileDialogRequest request;
    request.filter = RouteFileFilter;
    request.defaultExtension = RouteFileExtension;
    request.title = title;
    request.options = options | OFN_NOCHANGEDIR;
    return request;
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
    winkit::FileDialog dialog(RouteFileRequest("Save a Route", OFN_OVERWRITEPROMPT));
    if (!dialog.Save(gaugeState.hostWindow)) return;

    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(gaugeState.editedRoute, text);
    HANDLE file = CreateFileA(dialog.Path().c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, nav::RouteTextLength, &written, nullptr);
    CloseHandle(file);
}

void LoadRouteFile()
{
    winkit::FileDialog dialog(
        RouteFileRequest("Open a Route", OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
    char bytes[RouteFileSize];
    std::size_t length = 0;
    if (dialog.Open(gaugeState.hostWindow) &&
        ReadRouteBytes(dialog.Path().c_str(), bytes, length)) {
        RouteSlots slots;
        ParseRouteFile(bytes, length, slots);
        LookUpRouteSlots(slots);
        std::memcpy(gaugeState.editedRoute, slots, sizeof slots);
    }
    TableCloseAll();
}

}  // namespace gauge
