// What every conversion of world data into import files takes and gives: the choice of
// airports and navaids, where progress and problems go, and the summary of what was written
// and skipped.
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

    bool Contains(const GeoPosition& position) const
    {
        if (position.latitude < south || position.latitude > north) return false;
        if (west <= east) return position.longitude >= west && position.longitude <= east;
        return position.longitude >= west || position.longitude <= east;
    }
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

// What a conversion that put its files in place wrote and skipped.
struct ConversionSummary {
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

}  // namespace worlddata
