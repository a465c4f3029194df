#include "GeneratedTables.h"

#include <cstdio>
#include <vector>

#include "TableCreation.h"
#include "TableEngine.h"

bool CreateTable(const std::string& directory, const nav::TableDefinition& table, bool withTags)
{
    std::string path = nav::TablePath(nav::PathForm::Rebuild, directory.c_str(), table.name);
    const nav::Status created = sde::CreateTable(path.c_str(), table.fields);
    if (!created) {
        std::fprintf(stderr, "%s\n", created.Message().c_str());
        return false;
    }
    if (!TableOpen(path.c_str(), table.name, SDE_EXCLUSIVE, SDE_KIND_DBF)) return false;
    TableSetPassword(nav::TablePassword);
    if (withTags)
        for (const nav::TagDefinition& tag : table.tags)
            IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    return true;
}

void FinishTable()
{
    TableFinishIndexing();
    TableCloseAll();
}

std::string Key(int number)
{
    char key[16];
    std::snprintf(key, sizeof key, "%08d", number);
    return key;
}

bool MakeAirports(const std::string& directory, int count)
{
    if (!CreateTable(directory, nav::AirportsTable, false)) return false;
    for (int i = 1; i <= count; ++i) {
        RecordAppendBlank();
        char id[8], name[48];
        std::snprintf(id, sizeof id, "A%05d", i);
        std::snprintf(name, sizeof name, "GENERATED AIRPORT %d", i);
        FieldReplace("NUM", SDE_TEXT, Key(i).c_str());
        FieldReplace("ID", SDE_TEXT, id);
        FieldReplace("NAME", SDE_TEXT, name);
        int values[] = {30 + i % 30, i % 60,        (i * 7) % 60,
                        70 + i % 50, (i * 11) % 60, (i * 13) % 60};
        const char* fields[] = {"LAT2", "LAT3", "LAT4", "LON2", "LON3", "LON4"};
        for (int f = 0; f < 6; ++f) FieldReplace(fields[f], SDE_INTEGER, &values[f]);
    }
    for (const nav::TagDefinition& tag : nav::AirportsTable.tags)
        IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    FinishTable();
    return true;
}

bool MakeEmptyTables(const std::string& directory,
                     std::initializer_list<const nav::TableDefinition*> tables)
{
    for (const nav::TableDefinition* table : tables) {
        if (!CreateTable(directory, *table, true)) return false;
        FinishTable();
    }
    return true;
}
