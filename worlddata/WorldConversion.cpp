#include "WorldConversion.h"

#include "AptDatReader.h"
#include "ImportFilesWriter.h"
#include "NavDatReader.h"
#include "NavaidFieldValues.h"

namespace worlddata {

namespace {

// The airport's position: its datum, else the middle of its first runway (or the helipad).
std::optional<GeoPosition> AirportPosition(const AptAirport& airport)
{
    if (airport.datum) return airport.datum;
    if (airport.runways.empty()) return std::nullopt;
    const AptRunway& first = airport.runways.front();
    if (first.kind == RunwayKind::Helipad) return first.ends[0].position;
    return GreatCircleMidpoint(first.ends[0].position, first.ends[1].position);
}

void ReadNavaids(NavDatReader& reader, const DataFileReader& file, ImportFilesWriter& writer)
{
    NavDatRow row;
    int records = 0;
    while (reader.Next(row)) {
        writer.Progress(file, records);
        if (row.kind == NavRowKind::Localizer) {
            writer.KeepLocalizer(row, file);
            continue;
        }
        std::string type = NavaidType(row);
        if (type.empty()) {
            writer.Skip("navaid", "DME of a VOR or an ILS (listed with it)");
            continue;
        }
        writer.AddNavaid(row, type, file);
    }
}

void ReadAirports(AptDatReader& reader, const DataFileReader& file, ImportFilesWriter& writer,
                  ConversionSummary& summary)
{
    AptAirport airport;
    int records = 0;
    while (reader.Next(airport)) {
        writer.Progress(file, records);
        writer.AddAirport(airport, AirportPosition(airport), file);
    }
    if (reader.MalformedAirports() > 0)
        summary.skipped["airport: malformed header row"] += reader.MalformedAirports();
}

// Only the "99" row tells that a plain file was read to its end (a compressed one carries a
// check of its own): without it the data may have been cut short, by a download say.
void ReportMissingEnd(const VersionedDataFile& reader, const DataFileReader& file,
                      const ConversionOptions& options)
{
    if (!reader.Ended() && options.problem)
        options.problem(file.Path() + ": no closing \"99\" row: the file may be cut short");
}

// One file of the pair, when given, with its reader.
template <class Reader>
struct PairFile {
    // Opens the file and reads its header; fails when it is given and cannot be read.
    nav::Status Start(const std::string& path, ImportFilesWriter& writer)
    {
        if (path.empty()) return {};
        file.emplace();
        if (nav::Status opened = OpenInput(*file, path); !opened) return opened;
        reader.emplace(*file, writer.ProblemsOf(*file));
        return reader->ReadHeader();
    }
    int Version() const { return reader ? reader->Version() : 0; }
    // The path with its version, as the import files' header names it.
    std::string Source(const char* kind) const
    {
        if (!file) return std::string("no ") + kind;
        return file->Path() + " version " + std::to_string(reader->Version());
    }
    // Whether the file, when given, was read whole.
    nav::Status Finished(const ConversionOptions& options) const
    {
        if (!file) return {};
        if (nav::Status whole = ReadWhole(*file, options); !whole) return whole;
        ReportMissingEnd(*reader, *file, options);
        return {};
    }

    std::optional<DataFileReader> file;
    std::optional<Reader> reader;
};

}  // namespace

nav::Expected<ConversionSummary> ConvertWorldData(const std::string& aptPath,
                                                  const std::string& navPath,
                                                  const std::string& outputDirectory,
                                                  const ConversionOptions& options)
{
    if (aptPath.empty() && navPath.empty()) return nav::Fail("neither apt.dat nor nav.dat given");
    ConversionSummary summary;
    ImportFilesWriter writer(options, summary);
    PairFile<AptDatReader> apt;
    PairFile<NavDatReader> nav;
    nav::Status step = apt.Start(aptPath, writer);
    if (step) step = nav.Start(navPath, writer);
    if (!step) return step.Failed();
    summary.aptVersion = apt.Version();
    summary.navVersion = nav.Version();
    if (step = writer.Open(outputDirectory); !step) return step.Failed();
    writer.WriteHeaders(apt.Source("apt.dat"), apt.Source("apt.dat"), nav.Source("nav.dat"));

    if (nav.file) ReadNavaids(*nav.reader, *nav.file, writer);
    if (step = nav.Finished(options); !step) return step.Failed();
    if (apt.file) ReadAirports(*apt.reader, *apt.file, writer, summary);
    if (step = apt.Finished(options); !step) return step.Failed();
    if (step = writer.Commit(); !step) return step.Failed();
    return summary;
}

}  // namespace worlddata
