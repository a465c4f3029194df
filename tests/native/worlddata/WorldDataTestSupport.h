// Conversions of the hand-written fixtures into a scratch directory, and the columns of
// the lines they wrote, read back as the import reads them.
#pragma once

#include "CsvConversion.h"
#include "DataFileReader.h"
#include "ImportLayout.h"
#include "WorldConversion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

std::string Fixture(const char* name);

// A directory removed again with everything in it.
struct ScratchDirectory {
    ScratchDirectory();
    ~ScratchDirectory();
    std::filesystem::path path;
};

// The record lines of an import file (from line 4 to the first empty line).
std::vector<std::string> RecordLines(const std::filesystem::path& file);

struct Converted {
    ScratchDirectory output;
    nav::Expected<worlddata::ConversionSummary> result = nav::Fail("not converted");
    std::vector<std::string> problems;
    std::vector<std::string> airports, runways, navaids;
};

// Opens `path` for `file`, failing the test when it cannot.
void Open(worlddata::DataFileReader& file, const std::string& path);

// Converts APT and NAV (paths, fixture names, or empty for none) with `options`; problems
// are collected.
void Convert(Converted& converted, const std::string& apt, const std::string& nav,
             worlddata::ConversionOptions options = {});
// The CSV files airports.csv, runways.csv, navaids.csv and, with `frequencies`,
// airport-frequencies.csv of fixtures/.
worlddata::CsvWorldFiles CsvFixtures(bool frequencies = true);
void ConvertCsv(Converted& converted, const worlddata::CsvWorldFiles& files,
                worlddata::ConversionOptions options = {});

// The value of `field` in `line`, as the import takes it (text cut at the field's width),
// trailing blanks removed.
std::string Field(nav::ImportKind kind, const std::string& line, const char* field);
// The line whose `field` is `value`; empty when none is.
std::string LineWhere(nav::ImportKind kind, const std::vector<std::string>& lines,
                      const char* field, const std::string& value);
// Every line whose `field` is `value`.
std::vector<std::string> LinesWhere(nav::ImportKind kind, const std::vector<std::string>& lines,
                                    const char* field, const std::string& value);
// "0 47 27 00 0 122 18 42": LAT1..LON4 of a waypoint line.
std::string PositionText(nav::ImportKind kind, const std::string& line);
