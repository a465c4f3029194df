// "Runways": one runway of the airport editor's airport, new or selected.
#pragma once

#include "DialogForm.h"
#include "ModalDialog.h"
#include "RunwayEditor.h"

namespace quillmap {

class RunwayEditorDialog final : public winkit::ModalDialog {
public:
    explicit RunwayEditorDialog(RunwaySelection selection);

protected:
    bool OnInit() override;
    // Saves on Yes; ends with OK either way, so the airport editor refreshes its list.
    void OnOK() override;
    void OnDestroy() override;

private:
    DialogForm form_;
    RunwayEditor editor_;
};

}  // namespace quillmap
