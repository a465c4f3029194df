// The conversion of the CSV files of the public-domain world airport data set (airports,
// runways, navaids and, optionally, airport frequencies; plain or gzip) into the import
// files AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS, by the rules of the apt.dat conversion.
//
// Each file is read streaming, row by row: the frequencies are kept for the airports they
// belong to (only the first ATIS and tower of each), the airports written before the
// runways, which name them by identifier. The columns are found by the names of the header
// row; a file that lacks one that is read is refused.
#pragma once

#include "Conversion.h"
#include "Result.h"

#include <string>
#include <string_view>

namespace worlddata {

// The columns that each file's header row must name, in any order, among others.
inline constexpr std::string_view AirportsCsvColumns[] = {
    "ident",         "type",         "name",        "latitude_deg",
    "longitude_deg", "elevation_ft", "iso_country", "iso_region"};
inline constexpr std::string_view RunwaysCsvColumns[] = {
    "airport_ident", "length_ft",       "surface",         "lighted",
    "closed",        "le_ident",        "le_latitude_deg", "le_longitude_deg",
    "he_ident",      "he_latitude_deg", "he_longitude_deg"};
inline constexpr std::string_view NavaidsCsvColumns[] = {
    "ident",        "name",          "type",         "frequency_khz",
    "latitude_deg", "longitude_deg", "elevation_ft", "iso_country"};
inline constexpr std::string_view FrequenciesCsvColumns[] = {"airport_ident", "type",
                                                             "frequency_mhz"};

// An empty path is a file not at hand: its import file holds no records (without airports,
// every runway is skipped as one of an airport not written). Airports or navaids are needed.
struct CsvWorldFiles {
    std::string airports;
    std::string runways;
    std::string navaids;
    std::string frequencies;  // empty: none, ATIS and TWR stay blank
};

// A failure says why nothing was written.
nav::Expected<ConversionSummary> ConvertCsvWorldData(const CsvWorldFiles& files,
                                                     const std::string& outputDirectory,
                                                     const ConversionOptions& options);

}  // namespace worlddata
