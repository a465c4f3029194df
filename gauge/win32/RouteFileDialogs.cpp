#include "RouteFileDialogs.h"

#include <windows.h>

#include <cstring>

#include "FileDialog.h"
#include "GaugeState.h"
#include "RouteFile.h"
#include "RoutePlanFile.h"
#include "TableEngine.h"

namespace gauge {

namespace {

// Route files first, the default; the plans that the flight-plan library reads after them.
constexpr char RouteFileFilter[] =
    "GPS Files (*.rte)|*.rte|Flight plans (*.gpx;*.fpl;*.pln)|*.gpx;*.fpl;*.pln|"
    "All Files (*.*)|*.*||";

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

// Replaces the edited route from the route file at `path`, unless it cannot be read.
void LoadRouteFileEntries(const std::string& path)
{
    char bytes[RouteFileSize];
    std::size_t length = 0;
    if (!ReadRouteBytes(path.c_str(), bytes, length)) return;
    RouteSlots slots;
    ParseRouteFile(bytes, length, slots);
    LookUpRouteSlots(slots);
    std::memcpy(gaugeState.editedRoute, slots, sizeof slots);
}

}  // namespace

std::string SaveRouteFile()
{
    winkit::FileDialog dialog(RouteFileRequest("Save a Route", OFN_OVERWRITEPROMPT));
    if (!dialog.Save(gaugeState.hostWindow)) return {};

    const SavedRoute saved = SavedRouteFor(dialog.Path(), gaugeState.editedRoute);
    if (!saved.warning.empty()) return saved.warning;
    HANDLE file = CreateFileA(dialog.Path().c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    DWORD written = 0;
    WriteFile(file, saved.bytes.data(), static_cast<DWORD>(saved.bytes.size()), &written, nullptr);
    CloseHandle(file);
    return {};
}

std::string LoadRouteFile()
{
    winkit::FileDialog dialog(
        RouteFileRequest("Open a Route", OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
    std::string warning;
    if (dialog.Open(gaugeState.hostWindow)) {
        if (IsRouteFileName(dialog.Path()))
            LoadRouteFileEntries(dialog.Path());
        else
            warning = LoadPlanFile(dialog.Path(), gaugeState.editedRoute);
    }
    TableCloseAll();
    return warning;
}

}  // namespace gauge
