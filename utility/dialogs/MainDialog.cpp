#include "MainDialog.h"

#include "AirportEditorDialog.h"
#include "MessageBoxes.h"
#include "PreferencesDialog.h"
#include "QuillmapResources.h"
#include "RebuildAllTables.h"
#include "RunImport.h"
#include "SharedNames.h"
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "WaypointEditorDialogs.h"

namespace quillmap {

namespace {

constexpr char SimulatorWarning[] = "WARNING, Close Flight Simulator when you run the Quillmap.";

HICON LoadProgramIcon(int size)
{
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

template <class Dialog>
void RunDialog()
{
    Dialog dialog;
    dialog.DoModal();
}

}  // namespace

MainDialog::MainDialog()
    : ModalDialog(IDD_MAIN), bigIcon_(LoadProgramIcon(GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadProgramIcon(GetSystemMetrics(SM_CXSMICON)))
{
}

bool MainDialog::OnInit()
{
    nav::StartTableEngine(nav::DeletedRecords::Shown);
    SetIcon(ICON_SMALL, smallIcon_);
    SetIcon(ICON_BIG, bigIcon_);
    if (FindWindowExA(nullptr, nullptr, nav::SimulatorWindowClass, nullptr))
        winkit::ShowMessageBox(handle_, SimulatorWarning, MB_OK);
    return true;
}

bool MainDialog::OnButtonClicked(int id)
{
    switch (id) {
    case IDC_AIRPORTS:
        RunDialog<AirportEditorDialog>();
        return true;
    case IDC_NAVAIDS:
        RunDialog<NavaidEditorDialog>();
        return true;
    case IDC_USERS:
        RunDialog<UserWaypointEditorDialog>();
        return true;
    case IDC_PREFERENCES:
        RunDialog<PreferencesDialog>();
        return true;
    case IDC_IMPORT:
        RunImport(handle_);
        return true;
    case IDC_REBUILD:
        RebuildAllTables(handle_);
        return true;
    default:
        return ModalDialog::OnButtonClicked(id);
    }
}

}  // namespace quillmap
