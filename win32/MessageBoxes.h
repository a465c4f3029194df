// Message boxes of the program. Without a caption the box carries the application's name.
#pragma once

#include <windows.h>

namespace winkit {

// Shows a message box owned by `owner` and returns the button pressed (IDOK, IDYES, ...).
int ShowMessageBox(HWND owner, const char* text, UINT type, const char* caption = nullptr);

// Yes/No question with the question icon; true only for Yes.
bool AskYesNo(HWND owner, const char* text, const char* caption = nullptr);

}  // namespace winkit
