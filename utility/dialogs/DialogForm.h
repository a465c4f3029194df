// The record editors' form over a dialog window and its controls.
#pragma once

#include "EditorForm.h"
#include "Window.h"

namespace quillmap {

class DialogForm final : public EditorForm {
public:
    explicit DialogForm(const winkit::Window& dialog) : dialog_(dialog) {}

    void SetText(int control, const std::string& text) override;
    std::string Text(int control) const override;
    void SetWholeNumber(int control, int value) override;
    int WholeNumber(int control) const override;
    void SetSelection(int control, int index) override;
    int Selection(int control) const override;
    void ClearList(int control) override;
    void AddListEntry(int control, const std::string& text) override;
    std::optional<std::string> SelectedListEntry(int control) const override;
    bool Ask(const char* question) override;
    void Tell(const std::string& notice) override;

private:
    const winkit::Window& dialog_;
};

}  // namespace quillmap
