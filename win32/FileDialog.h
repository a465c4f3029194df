// The system's file dialogs, for opening and for saving.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

namespace winkit {

struct FileDialogRequest {
    // Pairs of description and patterns, each followed by '|', the list ended by "||", e.g.
    // "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*||"; several patterns of one entry are
    // separated by ';'. The first entry is the one shown first.
    const char* filter = "";
    // Added to a typed name without extension; a leading '.' is allowed.
    const char* defaultExtension = "";
    const char* initialDirectory = "";
    // The dialog's caption; null gives the system's own ("Open", "Save As").
    const char* title = nullptr;
    // OFN_* options. The default hides the read-only check box; a typed name need not exist.
    DWORD options = OFN_EXPLORER | OFN_HIDEREADONLY;
};

// One question for a file name: the dialog is asked with Open or Save, then the chosen path
// and filter are read from it.
class FileDialog {
public:
    explicit FileDialog(const FileDialogRequest& request) : request_(request) {}

    // Each returns true when the user chose a file, false when they cancelled or the dialog
    // failed. Unless the request has OFN_NOCHANGEDIR, the current directory becomes the
    // folder of the chosen file.
    bool Open(HWND owner);
    bool Save(HWND owner);

    // The chosen path, and the 1-based number of the filter entry shown when it was chosen.
    const std::string& Path() const { return path_; }
    int ChosenFilter() const { return chosenFilter_; }

private:
    using Question = BOOL(WINAPI*)(OPENFILENAMEA*);
    bool Ask(HWND owner, Question question);

    FileDialogRequest request_;
    std::string path_;
    int chosenFilter_ = 0;
};

// The chosen path of a file to open, or nothing when the user cancels.
std::optional<std::string> AskFileToOpen(HWND owner, const FileDialogRequest& request);

// The filter in the dialog's own form: '|' separators become NULs, ending with two NULs.
std::string FileDialogFilter(const char* filter);

}  // namespace winkit
