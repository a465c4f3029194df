// What the record editors need of their dialog: text, numbers and selections of controls
// named by their ids, the runway list, and the user's answers. The Win32 dialogs implement
// it over their windows; tests implement it over plain values.
#pragma once

#include <optional>
#include <string>

namespace quillmap {

class EditorForm {
public:
    virtual ~EditorForm() = default;

    virtual void SetText(int control, const std::string& text) = 0;
    virtual std::string Text(int control) const = 0;

    // Signed decimal text; reading text that is not a number gives 0.
    virtual void SetWholeNumber(int control, int value) = 0;
    virtual int WholeNumber(int control) const = 0;

    // Selection index of a drop-down list; an index that names no entry clears the
    // selection, and a list without one reads -1.
    virtual void SetSelection(int control, int index) = 0;
    virtual int Selection(int control) const = 0;

    // A sorted list box.
    virtual void ClearList(int control) = 0;
    virtual void AddListEntry(int control, const std::string& text) = 0;
    virtual std::optional<std::string> SelectedListEntry(int control) const = 0;

    // A Yes/No question; true only for Yes.
    virtual bool Ask(const char* question) = 0;
    // A notice with an OK button.
    virtual void Tell(const std::string& notice) = 0;
};

}  // namespace quillmap
