#include "FileOpenDialog.h"

#include <commdlg.h>

#include <vector>

namespace appframe {

std::string FileDialogFilter(const char* filter)
{
    std::string converted(filter);
    for (char& c : converted) {
        if (c == '|') c = '\0';
    }
    converted.append(2, '\0');
    return converted;
}

std::optional<std::string> AskFileToOpen(HWND owner, const FileOpenRequest& request)
{
    std::string filter = FileDialogFilter(request.filter);
    const char* extension = request.defaultExtension;
    if (*extension == '.') ++extension;
    std::vector<char> path(MAX_PATH * 4, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = *request.initialDirectory ? request.initialDirectory : nullptr;
    dialog.lpstrDefExt = *extension ? extension : nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(path.data());
}

}  // namespace appframe
