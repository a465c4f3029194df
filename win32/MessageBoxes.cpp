#include "MessageBoxes.h"

#include "Application.h"

namespace winkit {

int ShowMessageBox(HWND owner, const char* text, UINT type, const char* caption)
{
    if (!caption) {
        const Application* application = Application::Current();
        caption = application ? application->Name().c_str() : "";
    }
    return MessageBoxA(owner, text, caption, type);
}

bool AskYesNo(HWND owner, const char* text, const char* caption)
{
    return ShowMessageBox(owner, text, MB_YESNO | MB_ICONQUESTION, caption) == IDYES;
}

}  // namespace winkit
