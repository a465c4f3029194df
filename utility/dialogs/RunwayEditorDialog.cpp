#include "RunwayEditorDialog.h"

#include "QuillmapResources.h"

namespace quillmap {

RunwayEditorDialog::RunwayEditorDialog(RunwaySelection selection)
    : ModalDialog(IDD_RUNWAYS), form_(*this), editor_(form_, std::move(selection))
{
}

bool RunwayEditorDialog::OnInit()
{
    editor_.Begin();
    return true;
}

void RunwayEditorDialog::OnOK()
{
    editor_.Save();
    End(IDOK);
}

void RunwayEditorDialog::OnDestroy()
{
    editor_.End();
}

}  // namespace quillmap
