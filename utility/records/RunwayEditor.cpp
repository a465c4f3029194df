#include "RunwayEditor.h"

#include "EditorFields.h"
#include "FieldTransfer.h"
#include "NavigationTables.h"
#include "TableConditions.h"
#include "TableEngine.h"

namespace quillmap {

void RunwayEditor::Begin()
{
    AreaSelect(AreaOfAlias(nav::RunwaysAlias));
    if (selection_.isNew) return;
    QuerySet(RunwayCondition(selection_.airportNum, selection_.designator).c_str());
    RecordGoTop();
    for (const EditorField& field : RunwayFields()) ShowField(field, form_);
}

void RunwayEditor::Save()
{
    if (!form_.Ask(SaveQuestion)) return;
    if (selection_.isNew) RecordAppendBlank();
    FieldReplace("NUM", SDE_TEXT, selection_.airportNum.c_str());
    for (const EditorField& field : RunwayFields()) WriteField(field, form_);
    // RUNWAYS stays current until the dialog ends: the runway is written here, not then.
    nav::CommitRecord();
}

void RunwayEditor::End()
{
    AreaSelect(AreaOfAlias(AirportTable().alias));
}

}  // namespace quillmap
