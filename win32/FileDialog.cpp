#include "FileDialog.h"

#include <vector>

namespace winkit {

namespace {

// Room for a long path typed or chosen in the dialog.
constexpr DWORD PathCapacity = MAX_PATH * 4;

}  // namespace

std::string FileDialogFilter(const char* filter)
{
    std::string converted(filter);
    for (char& c : converted) {
        if (c == '|') c = '\0';
    }
    converted.append(2, '\0');
    return converted;
}

bool FileDialog::Open(HWND owner)
{
    return Ask(owner, GetOpenFileNameA);
}

bool FileDialog::Save(HWND owner)
{
    return Ask(owner, GetSaveFileNameA);
}

bool FileDialog::Ask(HWND owner, Question question)
{
    const std::string filter = FileDialogFilter(request_.filter);
    const char* extension = request_.defaultExtension;
    if (*extension == '.') ++extension;
    std::vector<char> path(PathCapacity, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = PathCapacity;
    dialog.lpstrInitialDir = *request_.initialDirectory ? request_.initialDirectory : nullptr;
    dialog.lpstrTitle = request_.title;
    dialog.lpstrDefExt = *extension ? extension : nullptr;
    dialog.Flags = request_.options;
    if (!question(&dialog)) return false;
    path_ = path.data();
    chosenFilter_ = static_cast<int>(dialog.nFilterIndex);
    return true;
}

std::optional<std::string> AskFileToOpen(HWND owner, const FileDialogRequest& request)
{
    FileDialog dialog(request);
    if (!dialog.Open(owner)) return std::nullopt;
    return dialog.Path();
}

}  // namespace winkit
