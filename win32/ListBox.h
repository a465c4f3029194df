// A list box control and one-line wrappers over the messages the programs send it.
#pragma once

#include "Window.h"

#include <string>

namespace winkit {

class ListBox : public Window {
public:
    using Window::Window;

    // The number of lines, and the selected line or LB_ERR without a selection.
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }

    void Clear() const { Send(LB_RESETCONTENT); }
    // Appends a line (or sorts it in, in a sorted list); false when it could not be added.
    bool Add(const char* line) const
    {
        return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line)) >= 0;
    }
    bool Add(const std::string& line) const { return Add(line.c_str()); }
    // Reserves room for `lines` more lines of `bytes` characters in all, so that a long fill
    // does not grow the list line by line.
    bool Reserve(std::size_t lines, std::size_t bytes) const
    {
        return Send(LB_INITSTORAGE, lines, static_cast<LPARAM>(bytes)) != LB_ERRSPACE;
    }
    // Selects the first line after line `after` (wrapping round) that begins with `prefix`,
    // ignoring case; false when none does.
    bool SelectPrefix(int after, const char* prefix) const
    {
        return Send(LB_SELECTSTRING, static_cast<WPARAM>(after),
                    reinterpret_cast<LPARAM>(prefix)) != LB_ERR;
    }
    // One tab stop, in dialog units from the left edge.
    bool SetTabStop(int dialogUnits) const
    {
        return Send(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&dialogUnits)) != FALSE;
    }
    // Switches redrawing off for a fill, and back on with the whole list repainted.
    void HoldRedraw() const { Send(WM_SETREDRAW, FALSE); }
    bool ResumeRedraw() const
    {
        Send(WM_SETREDRAW, TRUE);
        return InvalidateRect(handle_, nullptr, TRUE) != FALSE;
    }
};

}  // namespace winkit
