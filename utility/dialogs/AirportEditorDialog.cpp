#include "AirportEditorDialog.h"

#include "QuillmapResources.h"
#include "RunwayEditorDialog.h"

namespace quillmap {

AirportEditorDialog::AirportEditorDialog() : RecordEditorDialog(IDD_AIRPORTS), editor_(Form()) {}

bool AirportEditorDialog::OnCommand(int notifyCode, int id, HWND control)
{
    if (id == IDC_RUNWAY_LIST && notifyCode == LBN_DBLCLK) {
        OnEditRunway(false);
        return true;
    }
    return RecordEditorDialog::OnCommand(notifyCode, id, control);
}

bool AirportEditorDialog::OnButtonClicked(int id)
{
    switch (id) {
    case IDC_ADD_RUNWAY:
        OnEditRunway(true);
        return true;
    case IDC_DELETE_RUNWAY:
        editor_.DeleteRunway();
        return true;
    default:
        return RecordEditorDialog::OnButtonClicked(id);
    }
}

void AirportEditorDialog::OnEditRunway(bool isNew)
{
    if (!editor_.TablesOpen()) return;
    RunwayEditorDialog runway(editor_.SelectRunway(isNew));
    if (runway.DoModal(handle_) == IDOK) editor_.ShowRecord();
}

}  // namespace quillmap
