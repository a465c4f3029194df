// The conversion of apt.dat and nav.dat (plain or gzip) into the three import files
// AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS of an output directory.
//
// Both files are read streaming, row by row: memory grows with the number of records
// written (their keys, to keep them unique) and of localizers (to give them to runways),
// not with the size of the files. nav.dat is read first, for the localizers.
#pragma once

#include "GeoPosition.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace worlddata {

// Latitudes south..north, longitudes west..east in degrees; west above east spans the
// 180th meridian.
struct Region {
    double south = -90;
    double west = -180;
    double north = 90;
    double east = 180;

    bool Contains(const GeoPosition& position) const;
};

struct ConversionOptions {
    std::optional<Region> region;
    // Airport and navaid identifiers to keep (any case); empty keeps all.
    std::set<std::string> idents;
    // A file's name and the percentage of its bytes read, each time it grows.
    std::function<void(const std::string& file, int percent)> progress;
    // "FILE:LINE: problem" for each row that could not be read.
    std::function<void(const std::string& message)> problem;
};

struct ConversionResult {
    bool succeeded = false;
    std::string error;  // why nothing was written
    int aptVersion = 0;
    int navVersion = 0;
    int airports = 0;
    int runways = 0;
    int navaids = 0;
    int localizers = 0;  // runway ends given their localizer
    int malformedRows = 0;
    // What was skipped ("airport: identifier longer than 6 characters", ...) and how often.
    std::map<std::string, int> skipped;
};

// The output directory is made when missing, once the files have been found readable. Either
// path may be empty, for a file not at hand: without nav.dat the runways get no localizers
// and NAVAIDS.GPS holds no records; without apt.dat AIRPORTS.GPS and RUNWAYS.GPS hold none.
ConversionResult ConvertWorldData(const std::string& aptPath, const std::string& navPath,
                                  const std::string& outputDirectory,
                                  const ConversionOptions& options);

}  // namespace worlddata
