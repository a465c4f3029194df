// Shared by the engine tests of both trees: a scratch directory per test and tables made
// from the navigation schema or from a field list, used through the engine's C operations.
#pragma once

#include "NavigationTables.h"
#include "TableCreation.h"
#include "TableEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The path of TABLE.DBF in the scratch directory.
    std::string tablePath(const char* table) const;
    // Creates TABLE.DBF from the navigation schema, with its tags.
    std::string createNavigationTable(const nav::TableDefinition& table);
    std::string createTableWith(const char* table, const std::vector<sde::FieldSpec>& fields);
    // A new AIRPORTS table with its tags, open in `mode`: its paths in airports_ and
    // airportsIndex_.
    void openNewAirports(int mode);

    // Opens shared read-write with the password, as the editors do; the table is current.
    int openTable(const std::string& path, const char* alias, int mode = SDE_SHARED);
    // The NUM of every record of airports_ in the order of `tag` (record order for an unknown
    // tag), from an open in `mode` that is closed again.
    std::vector<std::string> airportNumsInOrder(const char* tag, int mode = SDE_READONLY);

public:
    static void replaceText(const char* field, const char* text) { FieldReplace(field, SDE_TEXT, text); }
    static void replaceInteger(const char* field, int value) { FieldReplace(field, SDE_INTEGER, &value); }
    static void replaceDouble(const char* field, double value) { FieldReplace(field, SDE_DOUBLE, &value); }
    // Appends a waypoint record with the given key fields.
    static void appendWaypoint(const char* num, const char* id, const char* name);
    static std::string text(const char* field) { return FieldGetString(field); }
    // The NUM of every record visited from the top to the end, trailing blanks cut.
    static std::vector<std::string> walkNums();

protected:
    std::filesystem::path directory_;
    std::string airports_, airportsIndex_;
};

std::string trimRight(std::string text);
// The index file beside TABLE.DBF: TABLE.QIX.
std::string indexFileOf(const std::string& tablePath);
std::string fileBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// A program built beside the running test program.
std::string siblingProgram(const char* name);

// Runs `program arguments...` with its standard output read through the returned stream.
struct ChildProcess {
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    std::string readLine();   // without the line end; empty at the end of its output
    int wait();               // exit status
    FILE* output = nullptr;
};
