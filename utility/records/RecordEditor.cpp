#include "RecordEditor.h"

#include "FieldTransfer.h"
#include "NavigationTables.h"
#include "TableEngine.h"

namespace quillmap {

bool RecordEditor::OpenTable(const std::string& dataDirectory, const char* alias)
{
    const std::string path = nav::TablePath(nav::PathForm::Editors, dataDirectory.c_str(), alias);
    const bool opened = TableOpen(path.c_str(), alias, SDE_SHARED, SDE_KIND_DBF) != 0;
    TableSetPassword(nav::TablePassword);
    if (!opened) unopened_.push_back(path);
    return opened;
}

void RecordEditor::Open(const std::string& dataDirectory)
{
    SetDeletedHidden(1);
    unopened_.clear();
    OpenCompanionTables(dataDirectory);
    OpenTable(dataDirectory, table_.alias);
    tablesOpen_ = unopened_.empty();
    if (!tablesOpen_) {
        // Nothing half-open may stay current, or a Save would land in the wrong table.
        TableCloseAll();
        std::string notice = unopened_.size() == 1 ? "Cannot open the table file\n"
                                                   : "Cannot open the table files\n";
        for (const std::string& path : unopened_) notice += path + "\n";
        notice += "\nCheck the Gps path in Preferences. Nothing can be shown or saved here.";
        form_.Tell(notice);
        ShowEmpty();
        return;
    }
    OrderSet(TagOrder(nav::NumTag));
    RecordGoTop();
    ShowRecord();
}

void RecordEditor::Close()
{
    TableCloseAll();
    SetDeletedHidden(0);
    tablesOpen_ = false;
}

void RecordEditor::ShowRecord()
{
    if (!tablesOpen_) {
        ShowEmpty();
        return;
    }
    for (const EditorField& field : table_.shownFields) ShowField(field, form_);
    ShowCompanions();
}

void RecordEditor::ShowEmpty()
{
    for (const EditorField& field : table_.shownFields) ClearField(field, form_);
    ClearCompanions();
}

void RecordEditor::First()
{
    if (!tablesOpen_) return;
    RecordGoTop();
    ShowRecord();
}

void RecordEditor::Previous()
{
    if (!tablesOpen_) return;
    RecordSkip(-1);
    if (RecordAtBof() == 0) ShowRecord();
}

void RecordEditor::Next()
{
    if (!tablesOpen_) return;
    RecordSkip(1);
    if (RecordAtEof() == 0) ShowRecord();
}

void RecordEditor::Last()
{
    if (!tablesOpen_) return;
    RecordGoBottom();
    ShowRecord();
}

void RecordEditor::New()
{
    if (!tablesOpen_ || !form_.Ask(table_.newQuestion)) return;
    RecordAppendBlank();
    ShowRecord();
}

void RecordEditor::Save()
{
    if (!tablesOpen_ || !form_.Ask(SaveQuestion)) return;
    for (const EditorField& field : table_.savedFields) WriteField(field, form_);
    // The user saw it saved: the gauge (another process) and a crash must see it too.
    nav::CommitRecord();
    ShowRecord();
}

void RecordEditor::Delete()
{
    if (!tablesOpen_ || !form_.Ask(table_.deleteQuestion)) return;
    DeleteCompanions();
    RecordDelete();
    RecordSkip(1);
    if (RecordAtEof() != 0) RecordSkip(-1);
    ShowRecord();
}

}  // namespace quillmap
