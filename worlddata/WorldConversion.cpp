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
                  ConversionResult& result)
{
    AptAirport airport;
    int records = 0;
    while (reader.Next(airport)) {
        writer.Progress(file, records);
        writer.AddAirport(airport, AirportPosition(airport), file);
    }
    if (reader.MalformedAirports() > 0)
        result.skipped["airport: malformed header row"] += reader.MalformedAirports();
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
    // Opens the file and reads its header; false with result.error when it is given and
    // cannot be read.
    bool Start(const std::string& path, ImportFilesWriter& writer, ConversionResult& result)
    {
        if (path.empty()) return true;
        file.emplace(path);
        if (!Opened(*file, result)) return false;
        reader.emplace(*file, writer.ProblemsOf(*file));
        if (reader->ReadHeader()) return true;
        result.error = path + ": " + reader->Error();
        return false;
    }
    int Version() const { return reader ? reader->Version() : 0; }
    // The path with its version, as the import files' header names it.
    std::string Source(const char* kind) const
    {
        if (!file) return std::string("no ") + kind;
        return file->Path() + " version " + std::to_string(reader->Version());
    }
    // Whether the file, when given, was read whole.
    bool Finished(ConversionResult& result, const ConversionOptions& options) const
    {
        if (!file) return true;
        if (!ReadWhole(*file, result, options)) return false;
        ReportMissingEnd(*reader, *file, options);
        return true;
    }

    std::optional<DataFileReader> file;
    std::optional<Reader> reader;
};

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
    if (aptPath.empty() && navPath.empty()) {
        result.error = "neither apt.dat nor nav.dat given";
        return result;
    }
    ImportFilesWriter writer(options, result);
    PairFile<AptDatReader> apt;
    PairFile<NavDatReader> nav;
    if (!apt.Start(aptPath, writer, result) || !nav.Start(navPath, writer, result)) return result;
    result.aptVersion = apt.Version();
    result.navVersion = nav.Version();
    if (!writer.Open(outputDirectory)) return result;
    writer.WriteHeaders(apt.Source("apt.dat"), apt.Source("apt.dat"), nav.Source("nav.dat"));

    if (nav.file) ReadNavaids(*nav.reader, *nav.file, writer);
    if (!nav.Finished(result, options)) return result;
    if (apt.file) ReadAirports(*apt.reader, *apt.file, writer, result);
    if (!apt.Finished(result, options)) return result;
    result.succeeded = writer.Commit();
    return result;
}

}  // namespace worlddata
