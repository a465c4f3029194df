// The three import files of a conversion and the rules that every source of world data
// shares: which airports and navaids are kept (region, identifier list, identifiers that the
// tables can hold),
// their stable keys, the lines written, and how problems, skips and progress are reported.
// The sources are read into the structures of apt.dat and nav.dat (AptAirport, NavDatRow),
// so that the same airport or navaid is written alike whichever file it came from.
#pragma once

#include "AptDatReader.h"
#include "ImportLineBuilder.h"
#include "NavDatReader.h"
#include "StableNum.h"
#include "Conversion.h"
#include "Result.h"
#include "StagedFile.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace worlddata {

class ImportFilesWriter {
public:
    ImportFilesWriter(const ConversionOptions& options, ConversionSummary& summary);

    // Makes the output directory when missing and makes the three files under their
    // temporary names; fails when one cannot be written.
    nav::Status Open(const std::string& outputDirectory);
    // The three header lines of each file; a source is a path, with its version where the
    // file has one.
    void WriteHeaders(const std::string& airportSource, const std::string& runwaySource,
                      const std::string& navaidSource);
    // Puts the three files in place, or none of them; fails when one cannot be.
    nav::Status Commit();

    // Reports a row of `file` that could not be read, as a malformed row.
    RowProblem ProblemsOf(const DataFileReader& file);
    void Malformed(const DataFileReader& file, int line, const std::string& problem);
    void Report(const DataFileReader& file, int line, const std::string& problem);
    void Skip(const char* what, const std::string& reason);
    // Counts a record read and reports the progress through `file` now and then.
    void Progress(const DataFileReader& file, int& records);

    // A localizer, kept to be given to the runway end it serves.
    void KeepLocalizer(const NavDatRow& row, const DataFileReader& file);
    void AddNavaid(const NavDatRow& row, const std::string& type, const DataFileReader& file);
    // Writes the airport at `position` with the runways it holds; false when it is not kept
    // (without a position: apt.dat gives an airport neither datum nor runway).
    bool AddAirport(const AptAirport& airport, const std::optional<GeoPosition>& position,
                    const DataFileReader& file);
    // A runway of an airport written already (by its identifier).
    void AddRunway(const AptRunway& runway, const std::string& airportIdent,
                   const DataFileReader& file);
    bool HasAirport(const std::string& ident) const;

private:
    bool Selected(const char* what, const std::string& ident, const GeoPosition& position);
    // Whether the identifier (or designator) holds only bytes that the tables' code page
    // prints; else the row is malformed.
    bool Printable(const char* what, const DataFileReader& file, int line,
                   const std::string& ident);
    bool IdentFits(const char* what, const DataFileReader& file, int line,
                   const std::string& ident);
    void LandingAid(ImportLineBuilder& line, const std::string& airportIdent,
                    const AptRunwayEnd& end, const char* nav, const char* rwy, const char* freq);

    struct Localizer {
        std::string ident;
        std::string frequency;
    };

    const ConversionOptions& options_;
    ConversionSummary& summary_;
    std::unique_ptr<sde::StagedFile> airports_, runways_, navaids_;
    int lastPercent_ = -1;
    std::unordered_map<std::string, Localizer> localizers_;  // by "AIRPORT RUNWAY-END"
    std::unordered_set<std::string> airportNums_;
    NavaidNums navaidNums_;
};

// Opens an input file of a conversion; the failure says that it cannot be read, and why.
nav::Status OpenInput(DataFileReader& file, const std::string& path);
// Whether `file` was read to its end (rows cut at the line limit are reported); the failure
// says where reading stopped.
nav::Status ReadWhole(const DataFileReader& file, const ConversionOptions& options);

}  // namespace worlddata
