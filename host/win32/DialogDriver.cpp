#include "DialogDriver.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "DialogWindows.h"
#include "Picture.h"

namespace host {

namespace {

constexpr UINT PollPeriodMs = 20;
constexpr char SeenProperty[] = "ScenarioSeen";            // the driver has taken the dialog
constexpr char AnsweredProperty[] = "ScenarioAnswered";    // its block has run to the end
constexpr char CancelledProperty[] = "ScenarioCancelled";  // asked to close as Cancel would
constexpr int FileNameCombo = 0x47C;  // file name box of the common file dialogs
constexpr int FileNameEdit = 0x480;   // the same in the older dialog layout

DialogDriver* activeDriver = nullptr;

std::vector<HWND> ShownDialogs()
{
    std::vector<HWND> dialogs;
    for (HWND window : ShownThreadWindows())
        if (WindowClass(window) == "#32770") dialogs.push_back(window);
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

// A control's text without trailing blanks; a list's selected line, empty without one.
std::string ShownText(HWND control)
{
    std::string text;
    if (_stricmp(WindowClass(control).c_str(), "ListBox") == 0) {
        LRESULT line = SendMessageA(control, LB_GETCURSEL, 0, 0);
        if (line != LB_ERR) {
            text.resize(SendMessageA(control, LB_GETTEXTLEN, line, 0) + 1);
            SendMessageA(control, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
        }
    } else {
        text.resize(GetWindowTextLengthA(control) + 1);
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    }
    text.resize(std::strlen(text.c_str()));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// Where a failed step stands in the scenario.
std::string Where(const DialogStep& step)
{
    return " (line " + std::to_string(step.line) + ")";
}

// A picture of the window, frame included, as a bitmap file.
bool WriteWindowPicture(HWND window, const std::string& path)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT box;
    GetWindowRect(window, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // From the window's own surface: what it has drawn, frame and controls, whether or
    // not the display shows it yet.
    HDC source = GetWindowDC(window);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
    GdiFlush();
    std::vector<uint8_t> file = EncodeBitmapFile({width, height, static_cast<uint32_t*>(bits)});
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);

    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
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
    pending_.push_back({std::move(block), {}});
}

void DialogDriver::Expect(std::string caption, Handler handler)
{
    pending_.push_back({{std::move(caption), 0, {}}, std::move(handler)});
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
        std::string caption = WindowText(dialog);
        if (GetPropA(dialog, CancelledProperty)) {
            Cancel(dialog);
            continue;
        }
        if (GetPropA(dialog, AnsweredProperty)) {
            Fail("dialog \"" + caption + "\" is still open after its block; cancelled");
            Cancel(dialog);
            continue;
        }
        if (GetPropA(dialog, SeenProperty)) continue;  // being answered further up
        SetPropA(dialog, SeenProperty, reinterpret_cast<HANDLE>(1));

        auto expected = pending_.begin();
        while (expected != pending_.end() && expected->block.caption != caption) ++expected;
        if (expected == pending_.end()) {
            Fail("unexpected dialog \"" + caption + "\"; cancelled");
            Cancel(dialog);
            continue;
        }
        Expectation answer = std::move(*expected);
        pending_.erase(expected);
        Answer(dialog, answer);
    }
}

void DialogDriver::Answer(HWND dialog, const Expectation& expectation)
{
    const DialogBlock& block = expectation.block;
    report_("dialog \"" + block.caption + "\"" +
                (block.line > 0 ? " (block of line " + std::to_string(block.line) + ")"
                                : std::string()) +
                " answered",
            false);
    if (expectation.handler) {
        expectation.handler(dialog);
    } else {
        for (const DialogStep& step : block.steps) {
            if (!Perform(dialog, step)) {
                if (IsWindow(dialog) && IsWindowVisible(dialog)) Cancel(dialog);
                return;
            }
        }
    }
    if (IsWindow(dialog)) SetPropA(dialog, AnsweredProperty, reinterpret_cast<HANDLE>(1));
}

bool DialogDriver::Perform(HWND dialog, const DialogStep& step)
{
    switch (step.kind) {
    case DialogStepKind::Close:
        return CloseBox(dialog);
    case DialogStepKind::Run:
        return RunClock(step);
    case DialogStepKind::Shot:
        return TakePicture(dialog, step);
    case DialogStepKind::File:
        return EnterFileName(dialog, step);
    case DialogStepKind::Text:
        return OnControl(dialog, step, &DialogDriver::TypeInto);
    case DialogStepKind::Select:
        return OnControl(dialog, step, &DialogDriver::SelectLine);
    case DialogStepKind::Press:
        return OnControl(dialog, step, &DialogDriver::PressButton);
    case DialogStepKind::Expect:
        return OnControl(dialog, step, &DialogDriver::CheckText);
    case DialogStepKind::Count:
        return OnControl(dialog, step, &DialogDriver::CheckCount);
    }
    return false;
}

bool DialogDriver::CloseBox(HWND dialog)
{
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool DialogDriver::RunClock(const DialogStep& step)
{
    if (!clock_) {
        Fail("no clock to run" + Where(step));
        return false;
    }
    clock_(step.index);
    return true;
}

bool DialogDriver::TakePicture(HWND dialog, const DialogStep& step)
{
    if (!WriteWindowPicture(dialog, step.text)) {
        Fail("cannot write " + step.text + Where(step));
        return false;
    }
    report_("picture of \"" + WindowText(dialog) + "\" written to " + step.text, false);
    return true;
}

bool DialogDriver::EnterFileName(HWND dialog, const DialogStep& step)
{
    HWND name = GetDlgItem(dialog, FileNameCombo);
    if (!name) name = GetDlgItem(dialog, FileNameEdit);
    HWND ok = GetDlgItem(dialog, IDOK);
    if (!name || !ok) {
        Fail("dialog \"" + WindowText(dialog) + "\" is not a file dialog" + Where(step));
        return false;
    }
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text.c_str()));
    SendMessageA(ok, BM_CLICK, 0, 0);
    return true;
}

bool DialogDriver::OnControl(HWND dialog, const DialogStep& step, ControlStep perform)
{
    HWND control = GetDlgItem(dialog, step.control);
    if (!control) {
        Fail("dialog \"" + WindowText(dialog) + "\" has no control " +
             std::to_string(step.control) + Where(step));
        return false;
    }
    return (this->*perform)(dialog, control, step);
}

bool DialogDriver::TypeInto(HWND dialog, HWND control, const DialogStep& step)
{
    // Focus as the dialog manager does (an edit box selects its text), then type.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    HWND target = GetFocus();
    if (target != control && !IsChild(control, target)) target = control;
    for (unsigned char character : step.text) TypeCharacter(target, character);
    return true;
}

bool DialogDriver::SelectLine(HWND dialog, HWND control, const DialogStep& step)
{
    std::string kind = WindowClass(control);
    bool list = _stricmp(kind.c_str(), "ListBox") == 0;
    bool combo = _stricmp(kind.c_str(), "ComboBox") == 0;
    if (!list && !combo) {
        Fail("control " + std::to_string(step.control) + " is not a list" + Where(step));
        return false;
    }
    int count = static_cast<int>(SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    if (step.index >= count) {
        Fail("list " + std::to_string(step.control) + " has " + std::to_string(count) + " lines" +
             Where(step));
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

bool DialogDriver::PressButton(HWND, HWND control, const DialogStep& step)
{
    if (!IsWindowEnabled(control)) {
        Fail("button " + std::to_string(step.control) + " is disabled" + Where(step));
        return false;
    }
    SendMessageA(control, BM_CLICK, 0, 0);
    return true;
}

bool DialogDriver::CheckText(HWND, HWND control, const DialogStep& step)
{
    ++checks_;
    std::string shown = ShownText(control);
    if (shown != step.text)
        Fail("control " + std::to_string(step.control) + " shows \"" + shown + "\", expected \"" +
             step.text + "\"" + Where(step));
    return true;
}

bool DialogDriver::CheckCount(HWND, HWND control, const DialogStep& step)
{
    ++checks_;
    int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
    if (count != step.index)
        Fail("list " + std::to_string(step.control) + " has " + std::to_string(count) +
             " lines, expected " + std::to_string(step.index) + Where(step));
    return true;
}

}  // namespace host
