#include "UiScript.h"

#include <gtest/gtest.h>

namespace uitest {

Script& Script::On(const std::string& caption, std::function<void(HWND)> action)
{
    script_.On(caption, std::move(action));
    return *this;
}

Script& Script::OnMessage(const std::string& caption, std::function<void(HWND)> action)
{
    script_.OnMessage(caption, std::move(action));
    return *this;
}

Script& Script::Answer(const std::string& caption, const std::string& text,
                       std::vector<int> buttons, HICON icon, int button)
{
    auto check = [text, buttons = std::move(buttons), icon, button](HWND box) {
        const MessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.text, text);
        EXPECT_EQ(view.buttons, buttons) << "buttons of \"" << text << "\"";
        EXPECT_EQ(view.icon, icon) << "icon of \"" << text << "\"";
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
    script_.OnMessage(caption, std::move(check));
    return *this;
}

Script& Script::Question(const std::string& text, bool yes)
{
    return Answer("Quillmap", text, {IDYES, IDNO}, LoadIconA(nullptr, IDI_QUESTION),
                  yes ? IDYES : IDNO);
}

Script& Script::Pause(DWORD milliseconds)
{
    script_.Pause(milliseconds);
    return *this;
}

}  // namespace uitest
