#include "RecordEditorDialog.h"

#include "FindDialog.h"
#include "QuillmapResources.h"
#include "QuillmapSettings.h"

namespace quillmap {

namespace {

void FillList(const winkit::Window& dialog, int control, const char* first, const char* second)
{
    dialog.SendItemMessage(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(first));
    dialog.SendItemMessage(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(second));
}

}  // namespace

bool RecordEditorDialog::OnInit()
{
    // The entries' order is the stored hemisphere index.
    FillList(*this, IDC_LAT_HEMISPHERE, "N", "S");
    FillList(*this, IDC_LON_HEMISPHERE, "W", "E");
    Editor().Open(EditorDataDirectory());
    return true;
}

bool RecordEditorDialog::OnButtonClicked(int id)
{
    RecordEditor& editor = Editor();
    switch (id) {
    case IDC_FIRST:
        editor.First();
        return true;
    case IDC_PREVIOUS:
        editor.Previous();
        return true;
    case IDC_NEXT:
        editor.Next();
        return true;
    case IDC_LAST:
        editor.Last();
        return true;
    case IDC_NEW:
        editor.New();
        return true;
    case IDC_SAVE:
        editor.Save();
        return true;
    case IDC_DELETE:
        editor.Delete();
        return true;
    case IDC_FIND:
        OnFind();
        return true;
    default:
        return ModalDialog::OnButtonClicked(id);
    }
}

void RecordEditorDialog::OnFind()
{
    if (!Editor().TablesOpen()) return;
    FindDialog find;
    if (find.DoModal(handle_) == IDOK) Editor().ShowRecord();
}

void RecordEditorDialog::OnDestroy()
{
    Editor().Close();
}

}  // namespace quillmap
