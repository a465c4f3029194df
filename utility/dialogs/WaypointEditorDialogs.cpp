#include "WaypointEditorDialogs.h"

#include "QuillmapResources.h"

namespace quillmap {

NavaidEditorDialog::NavaidEditorDialog() : SingleTableEditorDialog(IDD_NAVAIDS, NavaidTable()) {}

UserWaypointEditorDialog::UserWaypointEditorDialog()
    : SingleTableEditorDialog(IDD_USERS, UserWaypointTable())
{
}

}  // namespace quillmap
