#include "RebuildAllTables.h"

#include "MessageBoxes.h"
#include "ProgramCaption.h"
#include "QuillmapSettings.h"
#include "TableRebuild.h"

#include <string>

namespace quillmap {

void RebuildAllTables(HWND owner)
{
    if (!winkit::AskYesNo(owner, "Rebuild all files ?", ProgramCaption)) return;

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    std::vector<RebuildOutcome> outcomes = RebuildNavigationTables(ImportDataDirectory());
    SetCursor(LoadCursor(nullptr, IDC_ARROW));

    std::string notOpened;
    for (const RebuildOutcome& outcome : outcomes) {
        if (!outcome.opened) notOpened += "\n" + outcome.file;
    }
    if (notOpened.empty()) {
        winkit::ShowMessageBox(owner, "Rebuild completed !", MB_OK, ProgramCaption);
        return;
    }
    std::string text = "Rebuild completed, except for these tables, which could not be opened "
                       "(missing, or in use by another program):" +
                       notOpened;
    winkit::ShowMessageBox(owner, text.c_str(), MB_OK | MB_ICONEXCLAMATION, ProgramCaption);
}

}  // namespace quillmap
