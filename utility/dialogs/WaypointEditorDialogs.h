// "Navaids" and "Users waypoints": the shared record editor on NAVAIDS and on USERS, with
// nothing of their own beyond template and table.
#pragma once

#include "RecordEditorDialog.h"

namespace quillmap {

class SingleTableEditorDialog : public RecordEditorDialog {
protected:
    SingleTableEditorDialog(int templateId, const EditorTable& table)
        : RecordEditorDialog(templateId), editor_(table, Form())
    {
    }
    RecordEditor& Editor() override { return editor_; }

private:
    RecordEditor editor_;
};

class NavaidEditorDialog final : public SingleTableEditorDialog {
public:
    NavaidEditorDialog();
};

class UserWaypointEditorDialog final : public SingleTableEditorDialog {
public:
    UserWaypointEditorDialog();
};

}  // namespace quillmap
