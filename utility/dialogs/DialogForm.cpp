#include "DialogForm.h"

#include "MessageBoxes.h"
#include "ProgramCaption.h"

namespace quillmap {

void DialogForm::SetText(int control, const std::string& text)
{
    dialog_.SetItemText(control, text);
}

std::string DialogForm::Text(int control) const
{
    return dialog_.ItemText(control);
}

void DialogForm::SetWholeNumber(int control, int value)
{
    dialog_.SetItemInt(control, value);
}

int DialogForm::WholeNumber(int control) const
{
    return dialog_.ItemInt(control);
}

void DialogForm::SetSelection(int control, int index)
{
    const auto count = static_cast<int>(dialog_.SendItemMessage(control, CB_GETCOUNT));
    dialog_.SendItemMessage(control, CB_SETCURSEL, index >= 0 && index < count ? index : -1);
}

int DialogForm::Selection(int control) const
{
    return static_cast<int>(dialog_.SendItemMessage(control, CB_GETCURSEL));
}

void DialogForm::ClearList(int control)
{
    dialog_.SendItemMessage(control, LB_RESETCONTENT);
}

void DialogForm::AddListEntry(int control, const std::string& text)
{
    dialog_.SendItemMessage(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::optional<std::string> DialogForm::SelectedListEntry(int control) const
{
    const LRESULT index = dialog_.SendItemMessage(control, LB_GETCURSEL);
    if (index == LB_ERR) return std::nullopt;
    const LRESULT length = dialog_.SendItemMessage(control, LB_GETTEXTLEN, index);
    if (length == LB_ERR) return std::nullopt;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    dialog_.SendItemMessage(control, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool DialogForm::Ask(const char* question)
{
    return winkit::AskYesNo(dialog_.Handle(), question, ProgramCaption);
}

void DialogForm::Tell(const std::string& notice)
{
    winkit::ShowMessageBox(dialog_.Handle(), notice.c_str(), MB_OK | MB_ICONEXCLAMATION,
                           ProgramCaption);
}

}  // namespace quillmap
