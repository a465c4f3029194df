// The conversion of the CSV files of the public-domain world airport data set (airports,
// runways, navaids and, optionally, airport frequencies; plain or gzip) into the import
// files AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS, by the rules of the apt.dat conversion.
//
// Each file is read streaming, row by row: the frequencies are kept for the airports they
// belong to (only the first ATIS and tower of each), the airports written before the
// runways, which name them by identifier. The columns are found by the names of the header
// row; a file that lacks one that is read is refused.
#pragma once

#include "WorldConversion.h"

#include <string>

namespace worlddata {

struct CsvWorldFiles {
    std::string airports;
    std::string runways;
    std::string navaids;
    std::string frequencies;  // empty: none, ATIS and TWR stay blank
};

ConversionResult ConvertCsvWorldData(const CsvWorldFiles& files, const std::string& outputDirectory,
                                     const ConversionOptions& options);

}  // namespace worlddata
