#include "AirportEditor.h"

#include "NavigationTables.h"
#include "QuillmapResources.h"
#include "TableConditions.h"
#include "TableEngine.h"

namespace quillmap {

namespace {

constexpr char DeleteRunwayQuestion[] = "Delete this runway ?";

// A designator that begins with two blanks counts as empty.
bool Listed(const std::string& designator)
{
    return designator.compare(0, 2, "  ") != 0;
}

void SelectArea(const char* alias)
{
    AreaSelect(AreaOfAlias(alias));
}

}  // namespace

void AirportEditor::OpenCompanionTables(const std::string& dataDirectory)
{
    OpenTable(dataDirectory, nav::RunwaysAlias);
}

void AirportEditor::ShowCompanions()
{
    SelectArea(nav::RunwaysAlias);
    QuerySet(NumCondition(Form().Text(IDC_NUM)).c_str());
    RecordGoTop();
    Form().ClearList(IDC_RUNWAY_LIST);
    for (int i = 0; i < QueryCount(); ++i) {
        const std::string designator = FieldGetString("RUNWAYS");
        if (Listed(designator)) Form().AddListEntry(IDC_RUNWAY_LIST, designator);
        RecordSkip(1);
    }
    SelectArea(AirportTable().alias);
}

void AirportEditor::DeleteCompanions()
{
    SelectArea(nav::RunwaysAlias);
    QuerySet(NumCondition(Form().Text(IDC_NUM)).c_str());
    RecordGoTop();
    for (int i = 0; i < QueryCount(); ++i) {
        RecordDelete();
        RecordSkip(1);
    }
    SelectArea(AirportTable().alias);
}

void AirportEditor::ClearCompanions()
{
    Form().ClearList(IDC_RUNWAY_LIST);
}

RunwaySelection AirportEditor::SelectRunway(bool isNew) const
{
    RunwaySelection selection;
    selection.isNew = isNew;
    selection.airportNum = Form().Text(IDC_NUM);
    selection.designator =
        Form().SelectedListEntry(IDC_RUNWAY_LIST).value_or("").substr(0, DesignatorLength);
    return selection;
}

void AirportEditor::DeleteRunway()
{
    if (!TablesOpen()) return;
    const std::optional<std::string> entry = Form().SelectedListEntry(IDC_RUNWAY_LIST);
    if (!entry || !Form().Ask(DeleteRunwayQuestion)) return;
    SelectArea(nav::RunwaysAlias);
    QuerySet(RunwayCondition(Form().Text(IDC_NUM), entry->substr(0, DesignatorLength)).c_str());
    RecordGoTop();
    if (QueryCount() > 0) RecordDelete();
    SelectArea(AirportTable().alias);
    ShowRecord();
}

}  // namespace quillmap
