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

std::string SourceWithVersion(const std::string& path, int version)
{
    return path + " version " + std::to_string(version);
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
    ImportFilesWriter writer(options, result);
    DataFileReader aptFile(aptPath);
    DataFileReader navFile(navPath);
    if (!Opened(aptFile, result) || !Opened(navFile, result)) return result;
    AptDatReader aptReader(aptFile, writer.ProblemsOf(aptFile));
    NavDatReader navReader(navFile, writer.ProblemsOf(navFile));
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
    if (!writer.Open(outputDirectory)) return result;
    std::string aptSource = SourceWithVersion(aptPath, result.aptVersion);
    writer.WriteHeaders(aptSource, aptSource, SourceWithVersion(navPath, result.navVersion));

    ReadNavaids(navReader, navFile, writer);
    if (!ReadWhole(navFile, result, options)) return result;
    ReportMissingEnd(navReader, navFile, options);
    ReadAirports(aptReader, aptFile, writer, result);
    if (!ReadWhole(aptFile, result, options)) return result;
    ReportMissingEnd(aptReader, aptFile, options);
    result.succeeded = writer.Commit();
    return result;
}

}  // namespace worlddata
