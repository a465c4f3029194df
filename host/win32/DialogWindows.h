// This thread's dialog windows and their controls, found and worked as a user at the
// keyboard would: what the dialog drivers (DialogDriver.h for scenarios, DialogScript.h for
// the Windows tests) are made of.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

std::string WindowText(HWND window);
std::string WindowClass(HWND window);
// A dialog made by MessageBox: class "#32770" with the message text control.
bool IsMessageBox(HWND window);
// The visible top-level windows of this thread, in the order the system lists them.
std::vector<HWND> ShownThreadWindows();

// Control helpers.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
// Replaces the text as if typed: every character goes through WM_CHAR, so the control's
// styles (upper case) apply.
void TypeText(HWND dialog, int id, const std::string& text);
// Posts the button's click, so that a modal loop it opens runs outside the caller.
void Click(HWND dialog, int id);
void SelectComboEntry(HWND dialog, int id, int index);
int ComboSelection(HWND dialog, int id);
std::vector<std::string> ListEntries(HWND dialog, int id);
void SelectListEntry(HWND dialog, int id, int index);
// Selects the list entry and notifies the dialog of a double-click on it.
void DoubleClickListEntry(HWND dialog, int id, int index);

// What a message box shows.
struct MessageBoxView {
    std::string caption;
    std::string text;
    HICON icon = nullptr;      // compare with LoadIcon(nullptr, IDI_QUESTION) and the like
    std::vector<int> buttons;  // IDOK, IDYES, ... in window order
};
MessageBoxView ReadMessageBox(HWND box);

}  // namespace host
