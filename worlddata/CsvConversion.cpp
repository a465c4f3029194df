#include "CsvConversion.h"

#include "CsvReader.h"
#include "FrequencyBands.h"
#include "ImportFilesWriter.h"
#include "RowFields.h"
#include "SurfaceText.h"

#include <cmath>
#include <memory>
#include <span>
#include <unordered_map>

namespace worlddata {

namespace {

constexpr double KilohertzPerMegahertz = 1000;

struct AirportFrequencies {
    int atisKhz = 0;
    int towerKhz = 0;
};

// An input file, its CSV rows and where its malformed rows are reported.
struct CsvInput {
    explicit CsvInput(ImportFilesWriter& writer) : reader(file), problem(writer.ProblemsOf(file)) {}

    // The row's text of `column` as a number; nothing when blank or not a number.
    std::optional<double> Real(std::string_view column) const
    {
        return RealOf(reader.Field(column));
    }
    // Rounded (elevations may be given with decimals); 0 when blank.
    int WholeNumber(std::string_view column) const
    {
        return static_cast<int>(std::lround(Real(column).value_or(0)));
    }
    std::optional<GeoPosition> Position(std::string_view latitude, std::string_view longitude) const
    {
        std::optional<double> north = Real(latitude);
        std::optional<double> east = Real(longitude);
        if (!north || !east || !IsValidPosition({*north, *east})) return std::nullopt;
        return GeoPosition{*north, *east};
    }
    // A row cut at the limit is reported, as malformed; true when it was.
    bool RowCutReported() const
    {
        if (reader.RowCut())
            problem(reader.Line(), "row longer than " + std::to_string(MaximumLineBytes) +
                                       " characters (a quote not closed?)");
        return reader.RowCut();
    }

    DataFileReader file;
    CsvReader reader;
    RowProblem problem;
};

// The type of the NAVAIDS table; empty for a type it has no place for. The DME of an
// NDB-DME is not listed: the NDB is.
std::string NavaidTypeOfText(std::string_view type)
{
    if (type == "NDB" || type == "NDB-DME") return "NDB";
    if (type == "VOR") return "VOR";
    if (type == "VOR-DME") return "VORDME";
    if (type == "VORTAC" || type == "DME" || type == "TACAN") return std::string(type);
    return {};
}

void ReadNavaids(CsvInput& input, ImportFilesWriter& writer)
{
    for (int records = 0; input.reader.Next();) {
        writer.Progress(input.file, records);
        if (input.RowCutReported()) continue;
        std::string type = NavaidTypeOfText(input.reader.Field("type"));
        if (type.empty()) {
            writer.Skip("navaid", "type that the table has no place for");
            continue;
        }
        NavDatRow row;
        row.line = input.reader.Line();
        // The kind only chooses the frequency's unit (kHz for an NDB, MHz for the rest) and
        // band here; the type is the data set's own.
        row.kind = type == "NDB"                      ? NavRowKind::Ndb
                   : type == "DME" || type == "TACAN" ? NavRowKind::StandaloneDme
                                                      : NavRowKind::Vor;
        row.ident = input.reader.Field("ident");
        std::optional<GeoPosition> position = input.Position("latitude_deg", "longitude_deg");
        if (row.ident.empty() || !position) {
            input.problem(row.line, "navaid row without identifier or position");
            continue;
        }
        // A station may have no frequency given (a TACAN); one given lies in its band.
        std::string_view frequency = input.reader.Field("frequency_khz");
        std::optional<double> khz = RealOf(frequency);
        const FrequencyBand& band = FrequencyBandOf(row.kind);
        if (!frequency.empty() && !(khz && band.Contains(*khz))) {
            input.problem(row.line, "navaid row: frequency_khz " + std::string(frequency) +
                                        " outside the " + band.name + " band");
            continue;
        }
        row.position = *position;
        row.name = input.reader.Field("name");
        row.elevationFeet = input.WholeNumber("elevation_ft");
        int wholeKhz = khz ? static_cast<int>(std::lround(*khz)) : 0;
        row.frequency = row.kind == NavRowKind::Ndb ? wholeKhz : wholeKhz / KilohertzPerVhfUnit;
        // The data set has no ICAO region: the country stands in for it in the key, so keys
        // stay stable from one edition of the data set to the next (not across sources).
        row.region = input.reader.Field("iso_country");
        writer.AddNavaid(row, type, input.file);
    }
}

std::unordered_map<std::string, AirportFrequencies> ReadFrequencies(CsvInput& input,
                                                                    ImportFilesWriter& writer)
{
    std::unordered_map<std::string, AirportFrequencies> frequencies;
    for (int records = 0; input.reader.Next();) {
        writer.Progress(input.file, records);
        if (input.RowCutReported()) continue;
        std::string_view type = input.reader.Field("type");
        if (type != "ATIS" && type != "TWR") continue;
        std::optional<double> megahertz = input.Real("frequency_mhz");
        if (!megahertz) {
            input.problem(input.reader.Line(), "frequency row without frequency");
            continue;
        }
        const FrequencyBand& band = type == "ATIS" ? AtisBand : AirportComBand;
        if (!band.Contains(*megahertz * KilohertzPerMegahertz)) {
            input.problem(input.reader.Line(),
                          "frequency row: frequency_mhz " +
                              std::string(input.reader.Field("frequency_mhz")) + " outside the " +
                              band.name + " band");
            continue;
        }
        AirportFrequencies& airport = frequencies[std::string(input.reader.Field("airport_ident"))];
        int& khz = type == "ATIS" ? airport.atisKhz : airport.towerKhz;
        if (khz == 0) khz = static_cast<int>(std::lround(*megahertz * KilohertzPerMegahertz));
    }
    return frequencies;
}

// The postal code of a US state or a Canadian province: iso_region "US-WA" gives "WA".
std::string StateOfRegion(std::string_view country, std::string_view region)
{
    std::size_t dash = region.find('-');
    if ((country != "US" && country != "CA") || dash == std::string_view::npos) return {};
    return std::string(region.substr(dash + 1));
}

void ReadAirports(CsvInput& input, ImportFilesWriter& writer,
                  const std::unordered_map<std::string, AirportFrequencies>& frequencies)
{
    for (int records = 0; input.reader.Next();) {
        writer.Progress(input.file, records);
        if (input.RowCutReported()) continue;
        if (input.reader.Field("type") == "closed") {
            writer.Skip("airport", "closed");
            continue;
        }
        AptAirport airport;
        airport.line = input.reader.Line();
        airport.ident = input.reader.Field("ident");
        std::optional<GeoPosition> position = input.Position("latitude_deg", "longitude_deg");
        if (airport.ident.empty() || !position) {
            input.problem(airport.line, "airport row without identifier or position");
            continue;
        }
        airport.name = input.reader.Field("name");
        airport.elevationFeet = input.WholeNumber("elevation_ft");
        airport.country = input.reader.Field("iso_country");
        airport.state = StateOfRegion(airport.country, input.reader.Field("iso_region"));
        auto found = frequencies.find(airport.ident);
        if (found != frequencies.end()) {
            airport.atisKhz = found->second.atisKhz;
            airport.towerKhz = found->second.towerKhz;
        }
        writer.AddAirport(airport, *position, input.file);
    }
}

// The runway of the row; false when it cannot be written, with `reason` for a skip (none
// for a malformed row, which is reported).
bool ReadRunway(const CsvInput& input, AptRunway& runway, const char*& reason)
{
    runway.line = input.reader.Line();
    std::string_view heIdent = input.reader.Field("he_ident");
    std::optional<GeoPosition> ends[2] = {input.Position("le_latitude_deg", "le_longitude_deg"),
                                          input.Position("he_latitude_deg", "he_longitude_deg")};
    // A helipad has one end, and no other.
    runway.kind = heIdent.empty() ? RunwayKind::Helipad : RunwayKind::Land;
    runway.ends[0].designator = input.reader.Field("le_ident");
    runway.ends[1].designator = heIdent;
    for (int i = 0; i < 2; ++i) runway.ends[i].position = ends[i].value_or(GeoPosition{});
    std::optional<double> given = input.Real("length_ft");
    if (!given && (runway.kind == RunwayKind::Helipad || !ends[0] || !ends[1])) {
        reason = "no length (neither length_ft nor the positions of both ends)";
        return false;
    }
    std::optional<int> length =
        RunwayLengthFeet(given ? *given : GreatCircleFeet(*ends[0], *ends[1]));
    if (!length) {
        input.problem(runway.line, "runway row with a length that no runway has");
        return false;
    }
    runway.lengthFeet = *length;
    runway.surfaceCode = SurfaceCodeOfText(input.reader.Field("surface"));
    runway.lightsOfUnknownKind = input.reader.Field("lighted") == "1";
    return true;
}

void ReadRunways(CsvInput& input, ImportFilesWriter& writer)
{
    for (int records = 0; input.reader.Next();) {
        writer.Progress(input.file, records);
        if (input.RowCutReported()) continue;
        std::string airportIdent(input.reader.Field("airport_ident"));
        if (airportIdent.empty() || input.reader.Field("le_ident").empty()) {
            input.problem(input.reader.Line(), "runway row without airport or designator");
            continue;
        }
        if (input.reader.Field("closed") == "1") {
            writer.Skip("runway", "closed");
            continue;
        }
        if (!writer.HasAirport(airportIdent)) {
            writer.Skip("runway", "of an airport not written");
            continue;
        }
        AptRunway runway;
        const char* reason = nullptr;
        if (ReadRunway(input, runway, reason))
            writer.AddRunway(runway, airportIdent, input.file);
        else if (reason)
            writer.Skip("runway", reason);
    }
}

// The input of `path`, or none when the path is empty; fails when it is given and cannot
// be opened or lacks a column that is read.
nav::Status StartInput(std::unique_ptr<CsvInput>& input, const std::string& path,
                       std::span<const std::string_view> columns, ImportFilesWriter& writer)
{
    if (path.empty()) return {};
    input = std::make_unique<CsvInput>(writer);
    if (nav::Status opened = OpenInput(input->file, path); !opened) return opened;
    return input->reader.ReadHeader(columns);
}

// The path, as the import files' header names it.
std::string SourceOf(const std::string& path, const char* file)
{
    return path.empty() ? std::string("no ") + file : path;
}

}  // namespace

nav::Expected<ConversionSummary> ConvertCsvWorldData(const CsvWorldFiles& files,
                                                     const std::string& outputDirectory,
                                                     const ConversionOptions& options)
{
    if (files.airports.empty() && files.navaids.empty())
        return nav::Fail("neither airports.csv nor navaids.csv given");
    ConversionSummary summary;
    ImportFilesWriter writer(options, summary);
    std::unique_ptr<CsvInput> airports, runways, navaids, frequencies;
    nav::Status step = StartInput(airports, files.airports, AirportsCsvColumns, writer);
    if (step) step = StartInput(runways, files.runways, RunwaysCsvColumns, writer);
    if (step) step = StartInput(navaids, files.navaids, NavaidsCsvColumns, writer);
    if (step) step = StartInput(frequencies, files.frequencies, FrequenciesCsvColumns, writer);
    if (step) step = writer.Open(outputDirectory);
    if (!step) return step.Failed();
    writer.WriteHeaders(SourceOf(files.airports, "airports.csv"),
                        SourceOf(files.runways, "runways.csv"),
                        SourceOf(files.navaids, "navaids.csv"));

    if (navaids) {
        ReadNavaids(*navaids, writer);
        if (step = ReadWhole(navaids->file, options); !step) return step.Failed();
    }
    std::unordered_map<std::string, AirportFrequencies> airportFrequencies;
    if (frequencies) {
        airportFrequencies = ReadFrequencies(*frequencies, writer);
        if (step = ReadWhole(frequencies->file, options); !step) return step.Failed();
    }
    if (airports) {
        ReadAirports(*airports, writer, airportFrequencies);
        if (step = ReadWhole(airports->file, options); !step) return step.Failed();
    }
    if (runways) {
        ReadRunways(*runways, writer);
        if (step = ReadWhole(runways->file, options); !step) return step.Failed();
    }
    if (step = writer.Commit(); !step) return step.Failed();
    return summary;
}

}  // namespace worlddata
