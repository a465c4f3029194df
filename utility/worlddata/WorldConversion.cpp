#include "WorldConversion.h"

#include "AptDatReader.h"
#include "ImportLineBuilder.h"
#include "NavDatReader.h"
#include "NavaidFieldValues.h"
#include "NavigationTables.h"
#include "RunwayFieldValues.h"
#include "StableNum.h"
#include "StagedFile.h"
#include "StateCodes.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>

namespace quillmap {

namespace {

constexpr std::size_t IdentWidth = 6;  // the ID field
constexpr int ProgressEvery = 256;     // records between looks at the progress
constexpr int KilohertzPerHundredthMegahertz = 10;
constexpr double HundredthsPerMegahertz = 100.0;

std::string Upper(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string WithoutDashes(std::string_view ident)
{
    std::string text(ident);
    std::erase(text, '-');
    return text;
}

// The frequency in MHz, cut to two decimals as MegahertzText shows it.
double Megahertz(int khz)
{
    return khz / KilohertzPerHundredthMegahertz / HundredthsPerMegahertz;
}

// The airport's position: its datum, else the middle of its first runway (or the helipad).
std::optional<GeoPosition> AirportPosition(const AptAirport& airport)
{
    if (airport.datum) return airport.datum;
    if (airport.runways.empty()) return std::nullopt;
    const AptRunway& first = airport.runways.front();
    if (first.kind == RunwayKind::Helipad) return first.ends[0].position;
    return GreatCircleMidpoint(first.ends[0].position, first.ends[1].position);
}

struct Localizer {
    std::string ident;
    std::string frequency;
};

class Conversion {
public:
    Conversion(const ConversionOptions& options, ConversionResult& result)
        : options_(options), result_(result)
    {
    }

    RowProblem ProblemsOf(const DataFileReader& file);
    void ReadNavaids(NavDatReader& reader, const DataFileReader& file, StagedFile& output);
    void ReadAirports(AptDatReader& reader, const DataFileReader& file, StagedFile& airports,
                      StagedFile& runways);

private:
    void Skip(const char* what, const std::string& reason)
    {
        ++result_.skipped[std::string(what) + ": " + reason];
    }
    void Report(const DataFileReader& file, int line, const std::string& problem);
    bool Selected(const char* what, const std::string& ident, const GeoPosition& position);
    bool IdentFits(const char* what, const DataFileReader& file, int line,
                   const std::string& ident);
    void Progress(const DataFileReader& file, int& records);
    void KeepLocalizer(const NavDatRow& row);
    void WriteNavaid(const NavDatRow& row, const std::string& type, const std::string& num,
                     StagedFile& output);
    void WriteAirport(const AptAirport& airport, const GeoPosition& position,
                      const std::string& num, StagedFile& output);
    void WriteRunway(const AptRunway& runway, const std::string& airportIdent,
                     const std::string& num, StagedFile& output);
    void LandingAid(ImportLineBuilder& line, const std::string& airportIdent,
                    const AptRunwayEnd& end, const char* nav, const char* rwy, const char* freq);

    const ConversionOptions& options_;
    ConversionResult& result_;
    int lastPercent_ = -1;
    std::unordered_map<std::string, Localizer> localizers_;  // by "AIRPORT RUNWAY-END"
    std::unordered_set<std::string> airportNums_;
    NavaidNums navaidNums_;
};

void Conversion::Report(const DataFileReader& file, int line, const std::string& problem)
{
    if (options_.problem)
        options_.problem(file.Path() + ":" + std::to_string(line) + ": " + problem);
}

RowProblem Conversion::ProblemsOf(const DataFileReader& file)
{
    return [this, &file](int line, const std::string& problem) {
        ++result_.malformedRows;
        Report(file, line, problem);
    };
}

void Conversion::Progress(const DataFileReader& file, int& records)
{
    if (++records % ProgressEvery != 0 || !options_.progress || file.Size() == 0) return;
    int percent = static_cast<int>(std::min<int64_t>(100, file.BytesRead() * 100 / file.Size()));
    if (percent != lastPercent_) {
        lastPercent_ = percent;
        options_.progress(file.Path(), percent);
    }
}

bool Conversion::Selected(const char* what, const std::string& ident, const GeoPosition& position)
{
    if (options_.region && !options_.region->Contains(position)) {
        Skip(what, "outside the region");
        return false;
    }
    if (!options_.idents.empty() && !options_.idents.contains(Upper(ident))) {
        Skip(what, "not in the identifier list");
        return false;
    }
    return true;
}

// An identifier that the ID field cannot hold is never cut: two cut ones could clash.
bool Conversion::IdentFits(const char* what, const DataFileReader& file, int line,
                           const std::string& ident)
{
    if (ident.size() <= IdentWidth) return true;
    Report(file, line,
           std::string(what) + " identifier \"" + ident + "\" is longer than " +
               std::to_string(IdentWidth) + " characters; skipped");
    Skip(what, "identifier longer than " + std::to_string(IdentWidth) + " characters");
    return false;
}

void Conversion::KeepLocalizer(const NavDatRow& row)
{
    Localizer localizer{WithoutDashes(row.ident), NavaidFrequency(row)};
    if (localizer.ident.size() > ImportLineBuilder(ImportKind::Runways).TextWidth("NAV1")) {
        Skip("localizer", "identifier longer than the runway table's NAV field");
        return;
    }
    // The first localizer of a runway end counts (an ILS before a later LDA or SDF).
    localizers_.try_emplace(row.airport + " " + row.runway, std::move(localizer));
}

void Conversion::WriteNavaid(const NavDatRow& row, const std::string& type, const std::string& num,
                             StagedFile& output)
{
    ImportLineBuilder line(ImportKind::Navaids);
    line.Text("NUM", num);
    line.Text("ID", row.ident);
    line.Text("NAME", ToWindows1252(row.name));
    line.Position(row.position);
    line.Integer("ALT", row.elevationFeet);
    line.Text("FREQ", NavaidFrequency(row));
    line.Text("TYPE", type);
    output.WriteLine(line.Line());
    ++result_.navaids;
}

void Conversion::ReadNavaids(NavDatReader& reader, const DataFileReader& file, StagedFile& output)
{
    NavDatRow row;
    int records = 0;
    while (reader.Next(row)) {
        Progress(file, records);
        if (row.kind == NavRowKind::Localizer) {
            KeepLocalizer(row);
            continue;
        }
        std::string type = NavaidType(row);
        if (type.empty()) {
            Skip("navaid", "DME of a VOR or an ILS (listed with it)");
            continue;
        }
        if (!IdentFits("navaid", file, row.line, row.ident) ||
            !Selected("navaid", row.ident, row.position))
            continue;
        std::string num = navaidNums_.Assign(row.ident, type, row.region, row.position);
        if (num.empty()) {
            Skip("navaid", "duplicate (same identifier, type, region and place)");
            continue;
        }
        WriteNavaid(row, type, num, output);
    }
}

void Conversion::LandingAid(ImportLineBuilder& line, const std::string& airportIdent,
                            const AptRunwayEnd& end, const char* nav, const char* rwy,
                            const char* freq)
{
    auto found = localizers_.find(airportIdent + " " + end.designator);
    if (found == localizers_.end()) return;
    line.Text(nav, found->second.ident);
    line.Text(rwy, end.designator);
    line.Text(freq, found->second.frequency);
    ++result_.localizers;
}

void Conversion::WriteRunway(const AptRunway& runway, const std::string& airportIdent,
                             const std::string& num, StagedFile& output)
{
    ImportLineBuilder line(ImportKind::Runways);
    line.Text("NUM", num);
    line.Text("RUNWAYS", RunwayDesignators(runway));
    line.Text("LEN", std::to_string(RunwayLengthFeet(runway)));
    line.Text("SURFACE", SurfaceName(runway));
    line.Text("REM", LightingRemark(runway));
    if (runway.kind != RunwayKind::Helipad) {
        LandingAid(line, airportIdent, runway.ends[0], "NAV1", "RWY1", "FREQ1");
        LandingAid(line, airportIdent, runway.ends[1], "NAV2", "RWY2", "FREQ2");
    }
    output.WriteLine(line.Line());
    ++result_.runways;
}

void Conversion::WriteAirport(const AptAirport& airport, const GeoPosition& position,
                              const std::string& num, StagedFile& output)
{
    ImportLineBuilder line(ImportKind::Airports);
    line.Text("NUM", num);
    line.Text("ID", airport.ident);
    line.Text("NAME", ToWindows1252(airport.name));
    // Codes where the metadata gives them; a country given by its full name is known by
    // its ICAO region instead, a state by its postal code (a name cut to four or five
    // letters would say nothing).
    std::string country = Upper(airport.country);
    if (country.size() > line.TextWidth("COUNTRY")) country = Upper(airport.regionCode);
    line.Text("COUNTRY", country);
    std::string state = Upper(airport.state);
    if (state.size() > line.TextWidth("STATE")) state = StateCode(state);
    line.Text("STATE", state);
    line.Integer("ALT", airport.elevationFeet);
    line.ComputedVariation();
    line.Position(position);
    line.Real("ATIS", Megahertz(airport.atisKhz));
    line.Real("TWR", Megahertz(airport.towerKhz));
    output.WriteLine(line.Line());
    ++result_.airports;
}

void Conversion::ReadAirports(AptDatReader& reader, const DataFileReader& file,
                              StagedFile& airports, StagedFile& runways)
{
    AptAirport airport;
    int records = 0;
    while (reader.Next(airport)) {
        Progress(file, records);
        if (!IdentFits("airport", file, airport.line, airport.ident)) continue;
        std::optional<GeoPosition> position = AirportPosition(airport);
        if (!position) {
            Skip("airport", "no position (neither datum nor runway)");
            continue;
        }
        if (!Selected("airport", airport.ident, *position)) continue;
        std::string num = AirportNum(airport.ident);
        if (!airportNums_.insert(num).second) {
            Report(file, airport.line,
                   "airport \"" + airport.ident + "\" given a second time; skipped");
            Skip("airport", "identifier given a second time");
            continue;
        }
        WriteAirport(airport, *position, num, airports);
        for (const AptRunway& runway : airport.runways)
            WriteRunway(runway, airport.ident, num, runways);
    }
    if (reader.MalformedAirports() > 0)
        result_.skipped["airport: malformed header row"] += reader.MalformedAirports();
}

void WriteHeader(StagedFile& file, char kind, const std::string& what, const std::string& source,
                 int version)
{
    file.WriteLine(std::string("IMPORT ") + kind);
    file.WriteLine(what + " converted by navdb convert");
    file.WriteLine("from " + source + " version " + std::to_string(version));
}

bool Opened(const DataFileReader& file, ConversionResult& result)
{
    if (!file.IsOpen()) result.error = "cannot read " + file.Path() + ": " + file.Error();
    return file.IsOpen();
}

bool ReadWhole(const DataFileReader& file, ConversionResult& result,
               const ConversionOptions& options)
{
    if (file.LinesCut() > 0 && options.problem)
        options.problem(file.Path() + ": " + std::to_string(file.LinesCut()) +
                        " rows longer than " + std::to_string(MaximumLineBytes) +
                        " characters, read only that far");
    if (file.Failed())
        result.error = "cannot read " + file.Path() + ": " + file.Error() + " (at line " +
                       std::to_string(file.LineNumber() + 1) + ")";
    return !file.Failed();
}

}  // namespace

bool Region::Contains(const GeoPosition& position) const
{
    if (position.latitude < south || position.latitude > north) return false;
    if (west <= east) return position.longitude >= west && position.longitude <= east;
    return position.longitude >= west || position.longitude <= east;
}

ConversionResult ConvertWorldData(const std::string& aptPath, const std::string& navPath,
                                  const std::string& outputDirectory,
                                  const ConversionOptions& options)
{
    ConversionResult result;
    Conversion conversion(options, result);
    DataFileReader aptFile(aptPath);
    DataFileReader navFile(navPath);
    if (!Opened(aptFile, result) || !Opened(navFile, result)) return result;
    AptDatReader aptReader(aptFile, conversion.ProblemsOf(aptFile));
    NavDatReader navReader(navFile, conversion.ProblemsOf(navFile));
    if (!aptReader.ReadHeader()) {
        result.error = aptPath + ": " + aptReader.Error();
        return result;
    }
    if (!navReader.ReadHeader()) {
        result.error = navPath + ": " + navReader.Error();
        return result;
    }
    result.aptVersion = aptReader.Version();
    result.navVersion = navReader.Version();

    std::string directory =
        outputDirectory.empty() || outputDirectory.back() == '/' || outputDirectory.back() == '\\'
            ? outputDirectory
            : outputDirectory + "/";
    std::error_code
        ignored;  // a directory that cannot be made shows as a file that cannot be written
    std::filesystem::create_directories(outputDirectory, ignored);
    StagedFile airports(directory + nav::AirportsAlias + ".GPS");
    StagedFile runways(directory + nav::RunwaysAlias + ".GPS");
    StagedFile navaids(directory + nav::NavaidsAlias + ".GPS");
    for (const StagedFile* file : {&airports, &runways, &navaids}) {
        if (!file->IsOpen()) {
            result.error = "cannot write " + file->Error();
            return result;
        }
    }
    WriteHeader(airports, 'A', "airports", aptPath, result.aptVersion);
    WriteHeader(runways, 'R', "runways", aptPath, result.aptVersion);
    WriteHeader(navaids, 'N', "navaids", navPath, result.navVersion);

    conversion.ReadNavaids(navReader, navFile, navaids);
    if (!ReadWhole(navFile, result, options)) return result;
    conversion.ReadAirports(aptReader, aptFile, airports, runways);
    if (!ReadWhole(aptFile, result, options)) return result;
    for (StagedFile* file : {&airports, &runways, &navaids}) {
        if (!file->Commit()) {
            result.error = "cannot write " + file->Error();
            return result;
        }
    }
    result.succeeded = true;
    return result;
}

}  // namespace quillmap
