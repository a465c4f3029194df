#include "UiScript.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace uitest {

namespace {

constexpr UINT kTickMilliseconds = 15;
constexpr DWORD kPatienceMilliseconds = 15000;
constexpr int kMessageBoxTextId = 0xFFFF;

Script* running = nullptr;

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

struct Search {
    const std::string* caption;
    bool messageBox;
    HWND found;
};

BOOL CALLBACK Consider(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    if (IsWindowVisible(window) && IsWindowEnabled(window) && IsMessageBox(window) == search->messageBox &&
        WindowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK Describe(HWND window, LPARAM)
{
    if (IsWindowVisible(window))
        std::fprintf(stderr, "  window \"%s\"%s%s\n", WindowText(window).c_str(),
                     IsWindowEnabled(window) ? "" : " (disabled)",
                     IsMessageBox(window) ? (" message: " + ControlText(window, kMessageBoxTextId)).c_str() : "");
    return TRUE;
}

}  // namespace

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

void TypeText(HWND dialog, int id, const std::string& text)
{
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, WM_CLEAR, 0, 0);
    for (char c : text)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SelectComboEntry(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboSelection(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ListEntries(HWND dialog, int id)
{
    std::vector<std::string> entries;
    const auto count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, i, 0);
        std::string entry(static_cast<size_t>(length) + 1, '\0');
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(length));
        entries.push_back(entry);
    }
    return entries;
}

void SelectListEntry(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DoubleClickListEntry(HWND dialog, int id, int index)
{
    SelectListEntry(dialog, id, index);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool IsMessageBox(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view;
    view.caption = WindowText(box);
    view.text = ControlText(box, kMessageBoxTextId);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child))
            view.buttons.push_back(GetDlgCtrlID(child));
        else if (lstrcmpiA(className, "Static") == 0 && !view.icon)
            view.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return view;
}

Script::Script() = default;

Script::~Script()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    if (running == this)
        running = nullptr;
}

Script& Script::On(const std::string& caption, std::function<void(HWND)> action)
{
    steps_.push_back({"dialog \"" + caption + "\"", false, caption, std::move(action)});
    return *this;
}

Script& Script::OnMessage(const std::string& caption, std::function<void(HWND)> action)
{
    steps_.push_back({"message box \"" + caption + "\"", true, caption, std::move(action)});
    return *this;
}

Script& Script::Answer(const std::string& caption, const std::string& text,
                       std::vector<int> buttons, HICON icon, int button)
{
    auto check = [caption, text, buttons = std::move(buttons), icon, button](HWND box) {
        const MessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.text, text);
        EXPECT_EQ(view.buttons, buttons) << "buttons of \"" << text << "\"";
        EXPECT_EQ(view.icon, icon) << "icon of \"" << text << "\"";
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
    steps_.push_back({"message \"" + text + "\"", true, caption, std::move(check)});
    return *this;
}

Script& Script::Question(const std::string& text, bool yes)
{
    return Answer("Quillmap", text, {IDYES, IDNO}, LoadIconA(nullptr, IDI_QUESTION),
                  yes ? IDYES : IDNO);
}

Script& Script::Pause(DWORD milliseconds)
{
    Step step{"a pause", false, "", nullptr};
    step.pause = milliseconds;
    steps_.push_back(std::move(step));
    return *this;
}

void Script::Start()
{
    running = this;
    lastProgress_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
}

void CALLBACK Script::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (running)
        running->RunDueStep();
}

void Script::RunDueStep()
{
    if (Finished())
        return;
    const Step& step = steps_[next_];
    if (step.pause) {
        if (!pausing_) {
            pausing_ = true;
            pauseEnd_ = GetTickCount() + step.pause;
        } else if (static_cast<LONG>(GetTickCount() - pauseEnd_) >= 0) {
            pausing_ = false;
            ++next_;
            lastProgress_ = GetTickCount();
        }
        return;
    }
    Search search{&step.caption, step.messageBox, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), Consider, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        if (GetTickCount() - lastProgress_ > kPatienceMilliseconds)
            GiveUp();
        return;
    }
    ++next_;  // first, so that a step's own failure cannot repeat it
    lastProgress_ = GetTickCount();
    step.action(search.found);
}

void Script::GiveUp() const
{
    std::fprintf(stderr, "UI script stalled at step %zu: waiting for %s\n", next_ + 1,
                 steps_[next_].description.c_str());
    EnumThreadWindows(GetCurrentThreadId(), Describe, 0);
    std::fflush(stderr);
    ExitProcess(3);
}

}  // namespace uitest
