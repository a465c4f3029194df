// The system's file-open dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace appframe {

struct FileOpenRequest {
    // Pairs of description and pattern, each followed by '|', the list ended by "||", e.g.
    // "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*||".
    const char* filter = "";
    // Added to a typed name without extension; a leading '.' is allowed.
    const char* defaultExtension = "";
    const char* initialDirectory = "";
};

// The chosen path, or nothing when the user cancels. The read-only check box is hidden;
// a typed name need not exist (opening it is the caller's affair). As with every such
// dialog, the current directory becomes the folder of the chosen file.
std::optional<std::string> AskFileToOpen(HWND owner, const FileOpenRequest& request);

// The filter in the dialog's own form: '|' separators become NULs, ending with two NULs.
std::string FileDialogFilter(const char* filter);

}  // namespace appframe
