#include "RebuildAllTables.h"

#include "DataDirectorySetting.h"
#include "TableRebuild.h"

#include <string>

namespace {
constexpr char Caption[] = "Quillmap";
}

void RebuildAllTables(HWND owner)
{
    if (MessageBoxA(owner, "Rebuild all files ?", Caption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    std::vector<RebuildOutcome> outcomes = RebuildNavigationTables(ReadDataDirectorySetting());
    SetCursor(LoadCursor(nullptr, IDC_ARROW));

    std::string notOpened;
    for (const RebuildOutcome& outcome : outcomes) {
        if (!outcome.opened)
            notOpened += "\n" + outcome.file;
    }
    if (notOpened.empty()) {
        MessageBoxA(owner, "Rebuild completed !", Caption, MB_OK);
        return;
    }
    std::string text = "Rebuild completed, except for these tables, which could not be opened "
                       "(missing, or in use by another program):" + notOpened;
    MessageBoxA(owner, text.c_str(), Caption, MB_OK | MB_ICONEXCLAMATION);
}
