// The dialog side of the airport, navaid and user waypoint editors: the hemisphere lists,
// the button row and Find, with the record logic in a RecordEditor. A derived editor owns
// its RecordEditor and may handle more controls.
#pragma once

#include "DialogForm.h"
#include "ModalDialog.h"
#include "RecordEditor.h"

namespace quillmap {

class RecordEditorDialog : public winkit::ModalDialog {
protected:
    explicit RecordEditorDialog(int templateId) : ModalDialog(templateId), form_(*this) {}

    EditorForm& Form() { return form_; }
    virtual RecordEditor& Editor() = 0;

    // Opens the tables and shows the first record.
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    // Closes the tables on every way out.
    void OnDestroy() override;

private:
    void OnFind();

    DialogForm form_;
};

}  // namespace quillmap
