#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "CsvConversion.h"
#include "ImportLayout.h"
#include "TextEncoding.h"
#include "WorldConversion.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace fuzz {

namespace {

// The widths of the table fields the checks read.
constexpr std::size_t IdWidth = 6;
constexpr std::size_t RunwaysWidth = 17;
constexpr std::size_t FrequencyWidth = 6;

constexpr int AptVersions[] = {850, 1000, 1100, 1200};
constexpr int NavVersions[] = {810, 1100, 1150, 1200};

std::string WriteFile(const char* name, const std::string& bytes)
{
    const std::string path = ScratchDirectory() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// One file's share of the input: a length word, then that many bytes.
std::string Part(FuzzInput& input)
{
    return input.Bytes(input.Word());
}

// A CSV file: the header row of the columns read, so that every input reaches the rows,
// then the input's share.
std::string CsvFile(const char* name, std::span<const std::string_view> columns, FuzzInput& input)
{
    std::string bytes;
    for (std::string_view column : columns) (bytes += column) += ',';
    bytes.back() = '\n';
    return WriteFile(name, bytes + Part(input));
}

// The record lines of an import file (line 4 on), after checking its signature line.
std::vector<std::string> RecordLines(const std::string& path, nav::ImportKind kind)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    if (!std::getline(file, line) || nav::ImportKindOfSignature(line) != kind) std::abort();
    for (int number = 2; std::getline(file, line); ++number) {
        if (number > 1 + nav::ImportFreeLines) lines.push_back(line);
    }
    return lines;
}

int Integer(std::string_view line, const nav::ImportColumn& column)
{
    return nav::ParseImportInteger(nav::ColumnText(line, column));
}

// What every line written must be, whatever the input held: a whole record of the import's
// buffer, no control byte to end or shift it, an identifier of the tables' code page, a
// position the tables can hold, no negative frequency and a runway length in range.
void CheckRecords(const std::string& path, nav::ImportKind kind, int count)
{
    const std::vector<std::string> lines = RecordLines(path, kind);
    if (static_cast<int>(lines.size()) != count) std::abort();
    for (const std::string& line : lines) {
        if (line.empty() || line.size() >= nav::RecordLineSize - 1) std::abort();
        for (char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F) std::abort();
        }
        for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
            const std::string_view field = column.field;
            const std::string_view text = nav::ColumnText(line, column);
            const int value = Integer(line, column);
            if ((field == "ID" && !worlddata::IsPrintableWindows1252(text.substr(0, IdWidth))) ||
                (field == "RUNWAYS" &&
                 !worlddata::IsPrintableWindows1252(text.substr(0, RunwaysWidth))))
                std::abort();
            if ((field == "LAT1" || field == "LON1") && value != 0 && value != 1) std::abort();
            if ((field == "LAT3" || field == "LAT4" || field == "LON3" || field == "LON4") &&
                (value < 0 || value > 59))
                std::abort();
            if ((field == "LAT2" && (value < 0 || value > 90)) ||
                (field == "LON2" && (value < 0 || value > 180)))
                std::abort();
            if ((field == "ATIS" || field == "TWR") && nav::ParseImportReal(text) < 0) std::abort();
            if (field.starts_with("FREQ") &&
                text.substr(0, FrequencyWidth).find('-') != std::string_view::npos)
                std::abort();
            if (field == "LEN" && (value < 1 || value > 50000)) std::abort();
        }
    }
}

}  // namespace

int FuzzWorldData(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.Byte();
    worlddata::ConversionOptions options;
    options.problem = [](const std::string& message) {
        if (message.empty()) std::abort();
    };
    if (mode & 0x40) {
        // A region from four bytes: latitudes -90..90 and longitudes -180..180 in steps.
        const double south = input.Byte() * 180.0 / 255 - 90;
        const double west = input.Byte() * 360.0 / 255 - 180;
        const double north = input.Byte() * 180.0 / 255 - 90;
        const double east = input.Byte() * 360.0 / 255 - 180;
        options.region = worlddata::Region{south, west, north, east};
    }
    const std::string output = ScratchDirectory() + "converted";
    nav::Expected<worlddata::ConversionSummary> result = nav::Fail("not converted");
    if (mode & 1) {
        worlddata::CsvWorldFiles files;
        files.airports = CsvFile("airports.csv", worlddata::AirportsCsvColumns, input);
        files.runways = CsvFile("runways.csv", worlddata::RunwaysCsvColumns, input);
        files.navaids = CsvFile("navaids.csv", worlddata::NavaidsCsvColumns, input);
        if (mode & 0x80)
            files.frequencies = CsvFile("frequencies.csv", worlddata::FrequenciesCsvColumns, input);
        result = worlddata::ConvertCsvWorldData(files, output, options);
    } else {
        // With bit 1 the header lines are given, so that every input reaches the rows; without
        // it the input's own header lines are read.
        std::string aptHeader, navHeader;
        if (mode & 2) {
            aptHeader = "I\n" + std::to_string(AptVersions[(mode >> 2) & 3]) + " Version\n";
            navHeader = "I\n" + std::to_string(NavVersions[(mode >> 4) & 3]) + " Version\n";
        }
        const std::string apt = WriteFile("apt.dat", aptHeader + Part(input));
        const std::string nav = WriteFile("nav.dat", navHeader + Part(input));
        result = worlddata::ConvertWorldData(apt, nav, output, options);
    }
    if (result) {
        CheckRecords(output + "/AIRPORTS.GPS", nav::ImportKind::Airports, result->airports);
        CheckRecords(output + "/RUNWAYS.GPS", nav::ImportKind::Runways, result->runways);
        CheckRecords(output + "/NAVAIDS.GPS", nav::ImportKind::Navaids, result->navaids);
    } else if (result.Message().empty()) {
        std::abort();  // a failure that does not say why
    }
    return 0;
}

}  // namespace fuzz
