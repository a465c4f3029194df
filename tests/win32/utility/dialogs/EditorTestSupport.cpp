#include "EditorTestSupport.h"

namespace uitest {

std::string Trimmed(const std::string& text)
{
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::string Shown(HWND dialog, int id)
{
    return Trimmed(ControlText(dialog, id));
}

EditorTest::EditorTest() : data(::testing::UnitTest::GetInstance()->current_test_info()->name())
{
    DeleteProgramKey();
    PutString(SettingsKey, "PATH", data.Path());
}

EditorTest::~EditorTest()
{
    DeleteProgramKey();
}

}  // namespace uitest
