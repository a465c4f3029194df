// Shared by the engine tests of both trees: a scratch directory per test and tables made
// from the navigation schema or from a field list, used through the engine's C operations.
#pragma once

#include "NavigationTables.h"
#include "TableCreation.h"
#include "TableEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The path of TABLE.DBF in the scratch directory.
    std::string TablePath(const char* table) const;
    // Creates TABLE.DBF from the navigation schema, with its tags.
    std::string CreateNavigationTable(const nav::TableDefinition& table);
    // AIRPORTS, NAVAIDS, RUNWAYS and USERS, empty, with their tags.
    void CreateNavigationTables();
    std::string CreateTableWith(const char* table, std::span<const nav::FieldDefinition> fields);
    // A new AIRPORTS table with its tags, open in `mode`: its paths in airports_ and
    // airportsIndex_.
    void OpenNewAirports(int mode);

    // Opens shared read-write with the password, as the editors do; the table is current.
    int OpenTable(const std::string& path, const char* alias, int mode = SDE_SHARED);
    // The NUM of every record of airports_ in the order of `tag` (record order for an unknown
    // tag), from an open in `mode` that is closed again.
    std::vector<std::string> AirportNumsInOrder(const char* tag, int mode = SDE_READONLY);
    // The records of TABLE.DBF in the scratch directory, from an open that is closed again.
    int RecordCount(const char* table);

public:
    static void PutText(const char* field, const char* text)
    {
        FieldReplace(field, SDE_TEXT, text);
    }
    static void PutInteger(const char* field, int value)
    {
        FieldReplace(field, SDE_INTEGER, &value);
    }
    static void PutDouble(const char* field, double value)
    {
        FieldReplace(field, SDE_DOUBLE, &value);
    }
    // Appends a waypoint record with the given key fields.
    static void AppendWaypoint(const char* num, const char* id, const char* name);
    static std::string Text(const char* field) { return FieldGetString(field); }
    // The NUM of every record visited from the top to the end, trailing blanks cut.
    static std::vector<std::string> WalkNums();

protected:
    std::filesystem::path directory_;
    std::string airports_, airportsIndex_;
};

std::string TrimRight(std::string text);
// The index file beside TABLE.DBF: TABLE.QIX.
std::string IndexFileOf(const std::string& tablePath);
std::string FileBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// A program built beside the running test program.
std::string SiblingProgram(const char* name);

// Runs `program arguments...` with its standard output read through the returned stream.
struct ChildProcess {
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    std::string ReadLine();  // without the line end; empty at the end of its output
    int Wait();              // exit status
    FILE* output = nullptr;
};
