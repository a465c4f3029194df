// Navigation tables of generated records in a data directory, for the benchmarks. The
// tables are made from the navigation schema through the engine's creation API.
#pragma once

#include <initializer_list>
#include <string>

#include "NavigationTables.h"

// Creates the table in `directory` (its path ends with a separator) and leaves it open
// for exclusive use, with its tags when `withTags` is set.
bool CreateTable(const std::string& directory, const nav::TableDefinition& table, bool withTags);

// Saves the tags of the open table and closes every table.
void FinishTable();

// The NUM key of record `number`: eight digits.
std::string Key(int number);

// AIRPORTS with `count` generated airports ("A00001", "GENERATED AIRPORT 1", ...) spread
// over a band of the northern hemisphere; the tags are built at the end.
bool MakeAirports(const std::string& directory, int count);

// Empty tables with their tags.
bool MakeEmptyTables(const std::string& directory,
                     std::initializer_list<const nav::TableDefinition*> tables);
