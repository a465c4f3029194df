#include "ImportFilesWriter.h"

#include "AsciiText.h"
#include "ImportLayout.h"
#include "NavaidFieldValues.h"
#include "NavigationTables.h"
#include "RunwayFieldValues.h"
#include "StateCodes.h"
#include "TextEncoding.h"

#include <algorithm>
#include <filesystem>

namespace worlddata {

namespace {

constexpr std::size_t IdentWidth = 6;  // the ID field
constexpr int ProgressEvery = 256;     // records between looks at the progress
constexpr int KilohertzPerHundredthMegahertz = 10;
constexpr double HundredthsPerMegahertz = 100.0;

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

// Line feed only: the import keeps a carriage return as part of the line.
void WriteLine(sde::StagedFile& file, const std::string& line)
{
    file.Write(line);
    file.Write("\n");
}

void WriteHeader(sde::StagedFile& file, char kind, const std::string& what,
                 const std::string& source)
{
    WriteLine(file, std::string("IMPORT ") + kind);
    WriteLine(file, what + " converted by navdb convert");
    WriteLine(file, "from " + source);
}

std::unique_ptr<sde::StagedFile> StagedImportFile(const std::string& directory, const char* alias)
{
    std::string path = directory + alias + nav::ImportFileExtension;
    return std::make_unique<sde::StagedFile>(path, path + ".part");
}

}  // namespace

ImportFilesWriter::ImportFilesWriter(const ConversionOptions& options, ConversionSummary& summary)
    : options_(options), summary_(summary)
{
}

nav::Status ImportFilesWriter::Open(const std::string& outputDirectory)
{
    std::string directory =
        outputDirectory.empty() || outputDirectory.back() == '/' || outputDirectory.back() == '\\'
            ? outputDirectory
            : outputDirectory + "/";
    // A directory that cannot be made shows as a file that cannot be written.
    std::error_code ignored;
    std::filesystem::create_directories(outputDirectory, ignored);
    airports_ = StagedImportFile(directory, nav::AirportsAlias);
    runways_ = StagedImportFile(directory, nav::RunwaysAlias);
    navaids_ = StagedImportFile(directory, nav::NavaidsAlias);
    for (sde::StagedFile* file : {airports_.get(), runways_.get(), navaids_.get()}) {
        nav::Status created = file->Create();
        if (!created) return nav::Fail("cannot write " + created.Message());
    }
    return {};
}

void ImportFilesWriter::WriteHeaders(const std::string& airportSource,
                                     const std::string& runwaySource,
                                     const std::string& navaidSource)
{
    WriteHeader(*airports_, 'A', "airports", airportSource);
    WriteHeader(*runways_, 'R', "runways", runwaySource);
    WriteHeader(*navaids_, 'N', "navaids", navaidSource);
}

nav::Status ImportFilesWriter::Commit()
{
    nav::Status placed = sde::PutInPlaceTogether({airports_.get(), runways_.get(), navaids_.get()});
    if (!placed) return nav::Fail("cannot write " + placed.Message());
    return {};
}

void ImportFilesWriter::Skip(const char* what, const std::string& reason)
{
    ++summary_.skipped[std::string(what) + ": " + reason];
}

void ImportFilesWriter::Report(const DataFileReader& file, int line, const std::string& problem)
{
    if (options_.problem)
        options_.problem(file.Path() + ":" + std::to_string(line) + ": " + problem);
}

void ImportFilesWriter::Malformed(const DataFileReader& file, int line, const std::string& problem)
{
    ++summary_.malformedRows;
    Report(file, line, problem);
}

RowProblem ImportFilesWriter::ProblemsOf(const DataFileReader& file)
{
    return [this, &file](int line, const std::string& problem) { Malformed(file, line, problem); };
}

void ImportFilesWriter::Progress(const DataFileReader& file, int& records)
{
    if (++records % ProgressEvery != 0 || !options_.progress || file.Size() == 0) return;
    int percent = static_cast<int>(std::min<int64_t>(100, file.BytesRead() * 100 / file.Size()));
    if (percent != lastPercent_) {
        lastPercent_ = percent;
        options_.progress(file.Path(), percent);
    }
}

bool ImportFilesWriter::Selected(const char* what, const std::string& ident,
                                 const GeoPosition& position)
{
    if (options_.region && !options_.region->Contains(position)) {
        Skip(what, "outside the region");
        return false;
    }
    if (!options_.idents.empty() && !options_.idents.contains(nav::Upper(ident))) {
        Skip(what, "not in the identifier list");
        return false;
    }
    return true;
}

// A NUL would end the import line early and shift every later column; other control bytes
// would reach the tables, and the code page's undefined bytes are no characters at all.
bool ImportFilesWriter::Printable(const char* what, const DataFileReader& file, int line,
                                  const std::string& ident)
{
    if (IsPrintableWindows1252(ident)) return true;
    Malformed(file, line,
              std::string(what) + " \"" + WithVisibleBytes(ident) +
                  "\" holds a byte that Windows-1252 does not print; skipped");
    return false;
}

// An identifier that the ID field cannot hold is never cut: two cut ones could clash.
bool ImportFilesWriter::IdentFits(const char* what, const DataFileReader& file, int line,
                                  const std::string& ident)
{
    if (!Printable((std::string(what) + " identifier").c_str(), file, line, ident)) return false;
    if (ident.size() <= IdentWidth) return true;
    Report(file, line,
           std::string(what) + " identifier \"" + ident + "\" is longer than " +
               std::to_string(IdentWidth) + " characters; skipped");
    Skip(what, "identifier longer than " + std::to_string(IdentWidth) + " characters");
    return false;
}

void ImportFilesWriter::KeepLocalizer(const NavDatRow& row, const DataFileReader& file)
{
    if (!Printable("localizer identifier", file, row.line, row.ident)) return;
    Localizer localizer{WithoutDashes(row.ident), NavaidFrequency(row)};
    if (localizer.ident.size() > ImportLineBuilder(nav::ImportKind::Runways).TextWidth("NAV1")) {
        Skip("localizer", "identifier longer than the runway table's NAV field");
        return;
    }
    // The first localizer of a runway end counts (an ILS before a later LDA or SDF).
    localizers_.try_emplace(row.airport + " " + row.runway, std::move(localizer));
}

void ImportFilesWriter::AddNavaid(const NavDatRow& row, const std::string& type,
                                  const DataFileReader& file)
{
    if (!IdentFits("navaid", file, row.line, row.ident) ||
        !Selected("navaid", row.ident, row.position))
        return;
    std::string num = navaidNums_.Assign(row.ident, type, row.region, row.position);
    if (num.empty()) {
        Skip("navaid", "duplicate (same identifier, type, region and place)");
        return;
    }
    ImportLineBuilder line(nav::ImportKind::Navaids);
    line.Text("NUM", num);
    line.Text("ID", row.ident);
    line.Text("NAME", ToWindows1252(row.name));
    line.Position(row.position);
    line.Integer("ALT", row.elevationFeet);
    // A station without a frequency given (a TACAN of the CSV data set) leaves FREQ blank.
    if (row.frequency != 0) line.Text("FREQ", NavaidFrequency(row));
    line.Text("TYPE", type);
    WriteLine(*navaids_, line.Line());
    ++summary_.navaids;
}

void ImportFilesWriter::LandingAid(ImportLineBuilder& line, const std::string& airportIdent,
                                   const AptRunwayEnd& end, const char* nav, const char* rwy,
                                   const char* freq)
{
    auto found = localizers_.find(airportIdent + " " + end.designator);
    if (found == localizers_.end()) return;
    line.Text(nav, found->second.ident);
    line.Text(rwy, end.designator);
    line.Text(freq, found->second.frequency);
    ++summary_.localizers;
}

void ImportFilesWriter::AddRunway(const AptRunway& runway, const std::string& airportIdent,
                                  const DataFileReader& file)
{
    std::string designators = RunwayDesignators(runway);
    if (!Printable("runway designators", file, runway.line, designators)) return;
    ImportLineBuilder line(nav::ImportKind::Runways);
    line.Text("NUM", AirportNum(airportIdent));
    line.Text("RUNWAYS", designators);
    line.Text("LEN", std::to_string(runway.lengthFeet));
    line.Text("SURFACE", SurfaceName(runway));
    line.Text("REM", LightingRemark(runway));
    if (runway.kind != RunwayKind::Helipad) {
        LandingAid(line, airportIdent, runway.ends[0], "NAV1", "RWY1", "FREQ1");
        LandingAid(line, airportIdent, runway.ends[1], "NAV2", "RWY2", "FREQ2");
    }
    WriteLine(*runways_, line.Line());
    ++summary_.runways;
}

bool ImportFilesWriter::HasAirport(const std::string& ident) const
{
    return airportNums_.contains(AirportNum(ident));
}

bool ImportFilesWriter::AddAirport(const AptAirport& airport,
                                   const std::optional<GeoPosition>& position,
                                   const DataFileReader& file)
{
    if (!IdentFits("airport", file, airport.line, airport.ident)) return false;
    if (!position) {
        Skip("airport", "no position (neither datum nor runway)");
        return false;
    }
    if (!Selected("airport", airport.ident, *position)) return false;
    std::string num = AirportNum(airport.ident);
    if (!airportNums_.insert(num).second) {
        Report(file, airport.line,
               "airport \"" + airport.ident + "\" given a second time; skipped");
        Skip("airport", "identifier given a second time");
        return false;
    }
    ImportLineBuilder line(nav::ImportKind::Airports);
    line.Text("NUM", num);
    line.Text("ID", airport.ident);
    line.Text("NAME", ToWindows1252(airport.name));
    // Codes where the source gives them; a country given by its full name is known by
    // its ICAO region instead, a state by its postal code (a name cut to four or five
    // letters would say nothing).
    std::string country = nav::Upper(ToWindows1252(airport.country));
    if (country.size() > line.TextWidth("COUNTRY"))
        country = nav::Upper(ToWindows1252(airport.regionCode));
    line.Text("COUNTRY", country);
    std::string state = nav::Upper(ToWindows1252(airport.state));
    if (state.size() > line.TextWidth("STATE")) state = StateCode(state);
    line.Text("STATE", state);
    line.Integer("ALT", airport.elevationFeet);
    line.ComputedVariation();
    line.Position(*position);
    line.Real("ATIS", Megahertz(airport.atisKhz));
    line.Real("TWR", Megahertz(airport.towerKhz));
    WriteLine(*airports_, line.Line());
    ++summary_.airports;
    for (const AptRunway& runway : airport.runways) AddRunway(runway, airport.ident, file);
    return true;
}

nav::Status OpenInput(DataFileReader& file, const std::string& path)
{
    nav::Status opened = file.Open(path);
    if (!opened) return nav::Fail("cannot read " + opened.Message());
    return {};
}

nav::Status ReadWhole(const DataFileReader& file, const ConversionOptions& options)
{
    if (file.LinesCut() > 0 && options.problem)
        options.problem(file.Path() + ": " + std::to_string(file.LinesCut()) +
                        " rows longer than " + std::to_string(MaximumLineBytes) +
                        " characters, read only that far");
    if (!file.ReadStatus())
        return nav::Fail("cannot read " + file.ReadStatus().Message() + " (at line " +
                         std::to_string(file.LineNumber() + 1) + ")");
    return {};
}

}  // namespace worlddata
