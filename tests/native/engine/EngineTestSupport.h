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

    // Opens shared read-write with the password, as the editors do; the table is current.
    int openTable(const std::string& path, const char* alias, int mode = SDE_SHARED);
    static void replaceText(const char* field, const char* text) { FieldReplace(field, SDE_TEXT, text); }
    static void replaceInteger(const char* field, int value) { FieldReplace(field, SDE_INTEGER, &value); }
    static void replaceDouble(const char* field, double value) { FieldReplace(field, SDE_DOUBLE, &value); }
    // Appends a waypoint record with the given key fields.
    static void appendWaypoint(const char* num, const char* id, const char* name);
    static std::string text(const char* field) { return FieldGetString(field); }
    // The NUM of every record visited from the top to the end, trailing blanks cut.
    static std::vector<std::string> walkNums();

    std::filesystem::path directory_;
};

std::string trimRight(std::string text);
