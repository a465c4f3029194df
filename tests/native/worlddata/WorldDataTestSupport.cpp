#include "WorldDataTestSupport.h"

#include "ImportLineBuilder.h"

#include <fstream>
#include <functional>
#include <random>

using namespace worlddata;

std::string Fixture(const char* name)
{
    return std::string(WORLDDATA_FIXTURES) + "/" + name;
}

ScratchDirectory::ScratchDirectory()
{
    std::random_device random;
    path = std::filesystem::temp_directory_path() / ("worlddata-" + std::to_string(random()));
    std::filesystem::create_directories(path);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code error;
    std::filesystem::remove_all(path, error);
}

std::vector<std::string> RecordLines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (number <= 3) continue;
        if (line.empty()) break;
        lines.push_back(line);
    }
    return lines;
}

void Open(DataFileReader& file, const std::string& path)
{
    const nav::Status opened = file.Open(path);
    ASSERT_TRUE(opened) << opened.Message();
}

namespace {

// Runs `convert` into the scratch directory, collecting the problems and the lines written.
void ConvertWith(Converted& converted, worlddata::ConversionOptions options,
                 const std::function<nav::Expected<ConversionSummary>(
                     const std::string& output, const ConversionOptions& options)>& convert)
{
    options.problem = [&converted](const std::string& message) {
        converted.problems.push_back(message);
    };
    converted.result = convert(converted.output.path.string(), options);
    converted.airports = RecordLines(converted.output.path / "AIRPORTS.GPS");
    converted.runways = RecordLines(converted.output.path / "RUNWAYS.GPS");
    converted.navaids = RecordLines(converted.output.path / "NAVAIDS.GPS");
}

}  // namespace

void Convert(Converted& converted, const std::string& apt, const std::string& nav,
             worlddata::ConversionOptions options)
{
    auto path = [](const std::string& name) {
        return name.empty() || name.find('/') != std::string::npos ? name : Fixture(name.c_str());
    };
    ConvertWith(converted, std::move(options),
                [&](const std::string& output, const ConversionOptions& given) {
                    return ConvertWorldData(path(apt), path(nav), output, given);
                });
}

CsvWorldFiles CsvFixtures(bool frequencies)
{
    return {Fixture("airports.csv"), Fixture("runways.csv"), Fixture("navaids.csv"),
            frequencies ? Fixture("airport-frequencies.csv") : std::string()};
}

void ConvertCsv(Converted& converted, const CsvWorldFiles& files,
                worlddata::ConversionOptions options)
{
    ConvertWith(converted, std::move(options),
                [&](const std::string& output, const ConversionOptions& given) {
                    return ConvertCsvWorldData(files, output, given);
                });
}

std::string Field(nav::ImportKind kind, const std::string& line, const char* field)
{
    for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
        if (std::string(column.field) != field) continue;
        std::string text(nav::ColumnText(line, column));
        if (column.conversion == nav::ColumnConversion::Text)
            text = text.substr(0, worlddata::ImportLineBuilder(kind).TextWidth(field));
        else
            text.erase(0, text.find_first_not_of(' '));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    ADD_FAILURE() << "no column " << field;
    return {};
}

std::vector<std::string> LinesWhere(nav::ImportKind kind, const std::vector<std::string>& lines,
                                    const char* field, const std::string& value)
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (Field(kind, line, field) == value) found.push_back(line);
    }
    return found;
}

std::string LineWhere(nav::ImportKind kind, const std::vector<std::string>& lines,
                      const char* field, const std::string& value)
{
    std::vector<std::string> found = LinesWhere(kind, lines, field, value);
    return found.empty() ? std::string() : found.front();
}

std::string PositionText(nav::ImportKind kind, const std::string& line)
{
    std::string text;
    for (const char* field : {"LAT1", "LAT2", "LAT3", "LAT4", "LON1", "LON2", "LON3", "LON4"})
        text += (text.empty() ? "" : " ") + Field(kind, line, field);
    return text;
}
