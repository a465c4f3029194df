#include "DialogDriver.h"

#include <vector>

namespace {

constexpr UINT PollPeriodMs = 20;
constexpr char SeenProperty[] = "ScenarioSeen";          // the driver has taken the dialog
constexpr char AnsweredProperty[] = "ScenarioAnswered";  // its block has run to the end
constexpr char CancelledProperty[] = "ScenarioCancelled"; // asked to close as Cancel would
constexpr int FileNameCombo = 0x47C;   // file name box of the common file dialogs
constexpr int FileNameEdit = 0x480;    // the same in the older dialog layout

DialogDriver* activeDriver = nullptr;

std::string Caption(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && ClassOf(window) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> ShownDialogs()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// Closes a dialog as its Cancel button or the Esc key would; one that stays open after
// that is ended on the next look.
void Cancel(HWND dialog)
{
    if (GetPropA(dialog, CancelledProperty)) {
        EndDialog(dialog, IDCANCEL);
        return;
    }
    SetPropA(dialog, CancelledProperty, reinterpret_cast<HANDLE>(1));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

void TypeCharacter(HWND target, unsigned char character)
{
    SHORT scan = VkKeyScanA(static_cast<char>(character));
    UINT key = scan == -1 ? 0 : LOBYTE(scan);
    LPARAM down = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16);
    LPARAM up = down | 0xC0000000;
    if (key) SendMessageA(target, WM_KEYDOWN, key, down);
    SendMessageA(target, WM_CHAR, character, down);
    if (key) SendMessageA(target, WM_KEYUP, key, up);
}

}  // namespace

DialogDriver::DialogDriver(Reporter report) : report_(std::move(report))
{
    activeDriver = this;
}

DialogDriver::~DialogDriver()
{
    Stop();
    if (activeDriver == this) activeDriver = nullptr;
}

void DialogDriver::Start()
{
    if (!timer_) timer_ = SetTimer(nullptr, 0, PollPeriodMs, Poll);
}

void DialogDriver::Stop()
{
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
}

void DialogDriver::Expect(DialogBlock block)
{
    pending_.push_back(std::move(block));
}

void CALLBACK DialogDriver::Poll(HWND, UINT, UINT_PTR, DWORD)
{
    if (activeDriver) activeDriver->Check();
}

void DialogDriver::Fail(const std::string& message)
{
    ++failures_;
    report_(message, true);
}

void DialogDriver::Check()
{
    for (HWND dialog : ShownDialogs()) {
        std::string caption = Caption(dialog);
        if (GetPropA(dialog, CancelledProperty)) {
            Cancel(dialog);
            continue;
        }
        if (GetPropA(dialog, AnsweredProperty)) {
            Fail("dialog \"" + caption + "\" is still open after its block; cancelled");
            Cancel(dialog);
            continue;
        }
        if (GetPropA(dialog, SeenProperty)) continue;   // being answered further up
        SetPropA(dialog, SeenProperty, reinterpret_cast<HANDLE>(1));

        auto block = pending_.begin();
        while (block != pending_.end() && block->caption != caption) ++block;
        if (block == pending_.end()) {
            Fail("unexpected dialog \"" + caption + "\"; cancelled");
            Cancel(dialog);
            continue;
        }
        DialogBlock answer = std::move(*block);
        pending_.erase(block);
        Answer(dialog, answer);
    }
}

void DialogDriver::Answer(HWND dialog, const DialogBlock& block)
{
    report_("dialog \"" + block.caption + "\" (block of line " + std::to_string(block.line) +
                ") answered",
            false);
    for (const DialogStep& step : block.steps) {
        if (!RunStep(dialog, step)) {
            if (IsWindow(dialog) && IsWindowVisible(dialog)) Cancel(dialog);
            return;
        }
    }
    if (IsWindow(dialog)) SetPropA(dialog, AnsweredProperty, reinterpret_cast<HANDLE>(1));
}

bool DialogDriver::RunStep(HWND dialog, const DialogStep& step)
{
    const std::string where = " (line " + std::to_string(step.line) + ")";
    if (step.kind == DialogStepKind::File) {
        HWND name = GetDlgItem(dialog, FileNameCombo);
        if (!name) name = GetDlgItem(dialog, FileNameEdit);
        HWND ok = GetDlgItem(dialog, IDOK);
        if (!name || !ok) {
            Fail("dialog \"" + Caption(dialog) + "\" is not a file dialog" + where);
            return false;
        }
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text.c_str()));
        SendMessageA(ok, BM_CLICK, 0, 0);
        return true;
    }

    HWND control = GetDlgItem(dialog, step.control);
    if (!control) {
        Fail("dialog \"" + Caption(dialog) + "\" has no control " + std::to_string(step.control) +
             where);
        return false;
    }
    switch (step.kind) {
    case DialogStepKind::Text: {
        // Focus as the dialog manager does (an edit box selects its text), then type.
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        HWND target = GetFocus();
        if (target != control && !IsChild(control, target)) target = control;
        for (unsigned char character : step.text) TypeCharacter(target, character);
        return true;
    }
    case DialogStepKind::Select: {
        std::string kind = ClassOf(control);
        bool list = _stricmp(kind.c_str(), "ListBox") == 0;
        bool combo = _stricmp(kind.c_str(), "ComboBox") == 0;
        if (!list && !combo) {
            Fail("control " + std::to_string(step.control) + " is not a list" + where);
            return false;
        }
        int count = static_cast<int>(SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
        if (step.index >= count) {
            Fail("list " + std::to_string(step.control) + " has " + std::to_string(count) +
                 " lines" + where);
            return false;
        }
        if (list && (GetWindowLongA(control, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
            SendMessageA(control, LB_SETSEL, TRUE, step.index);
        else
            SendMessageA(control, list ? LB_SETCURSEL : CB_SETCURSEL, step.index, 0);
        WORD notification = list ? LBN_SELCHANGE : CBN_SELCHANGE;
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(step.control, notification),
                     reinterpret_cast<LPARAM>(control));
        return true;
    }
    case DialogStepKind::Press:
        if (!IsWindowEnabled(control)) {
            Fail("button " + std::to_string(step.control) + " is disabled" + where);
            return false;
        }
        SendMessageA(control, BM_CLICK, 0, 0);
        return true;
    case DialogStepKind::File:
        break;
    }
    return false;
}
