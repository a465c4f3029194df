// The airport data file apt.dat, versions 850 to 1200, read one airport at a time. Its
// structures hold the airports of the other sources too (the CSV data set).
//
// The file starts with "I" (or "A") and a line that begins with the version number
// (VersionedDataFile.h); rows follow, one a line, each starting with its row code, and "99"
// ends the data. An airport is its header row and every row up to the next header. What is
// read:
//   1, 16, 17  land airport, seaplane base, heliport:
//              elevation_ft  (two obsolete fields)  ident  name...
//   100        land runway: width_m surface shoulder smoothness centreline_lights
//              edge_lights distance_signs, then for each end: designator lat lon
//              displaced_threshold_m blastpad_m markings approach_lights tdz_lights reil
//   101        water runway: width_m buoys, then for each end: designator lat lon
//   102        helipad: designator lat lon heading length_m width_m surface markings
//              shoulder smoothness edge_lights
//   50..56     frequencies in units of 10 kHz, 1050..1056 (1100 on) in kHz: 50 ATIS (or
//              AWOS/ASOS), 51 unicom, 52 delivery, 53 ground, 54 tower, 55 approach,
//              56 departure; the frequency is followed by a name. A frequency outside its
//              band (FrequencyBands.h) makes the row malformed.
//   1302       metadata (1100 on): key and value, of which datum_lat, datum_lon, country,
//              state and region_code are used
// Every other row code is skipped. A row short of the fields its kind reads, or with a
// runway length that no runway has, is malformed; so is a row before the first airport.
#pragma once

#include "GeoPosition.h"
#include "VersionedDataFile.h"

#include <optional>
#include <string>
#include <vector>

namespace worlddata {

enum class RunwayKind {
    Land,
    Water,
    Helipad
};

struct AptRunwayEnd {
    std::string designator;
    GeoPosition position;
    int approachLights = 0;  // 0 none, else the kind of approach lighting system
    bool reil = false;       // runway end identifier lights
};

// Surface codes of apt.dat: those every version shares, and the ranges of the kinds of
// asphalt and concrete that 1200 adds. Unscoped, as AptRunway keeps the file's number.
enum AptSurface : int {
    AsphaltSurface = 1,
    ConcreteSurface = 2,
    GrassSurface = 3,
    DirtSurface = 4,
    GravelSurface = 5,
    DryLakebedSurface = 12,
    WaterSurface = 13,
    SnowOrIceSurface = 14,
    TransparentSurface = 15,
    FirstAsphaltKind = 20,
    LastAsphaltKind = 38,
    FirstConcreteKind = 50,
    LastConcreteKind = 57,
};

struct AptRunway {
    int line = 0;  // of its row
    RunwayKind kind = RunwayKind::Land;
    int surfaceCode = 0;  // land runways and helipads: an AptSurface
    int edgeLights = 0;   // 0 none, 1 low, 2 medium, 3 high intensity
    bool centrelineLights = false;
    // As the source gives it (a helipad's), else between the two ends along the great
    // circle; always one that RunwayLengthFeet takes.
    int lengthFeet = 0;
    // Sources other than apt.dat: lights of a kind they do not tell.
    bool lightsOfUnknownKind = false;
    AptRunwayEnd ends[2];  // a helipad has one
};

// Above the longest runway of any field (those marked on dry lakebeds are under 40,000 ft):
// a longer one is a fault of the data, ends far apart or a wrong unit.
inline constexpr double LongestRunwayFeet = 50000;
// A runway's length rounded to whole feet; nothing for a length that no runway has (not a
// number, under one foot or above LongestRunwayFeet).
std::optional<int> RunwayLengthFeet(double feet);

struct AptAirport {
    int line = 0;     // of the header row
    int rowCode = 0;  // 1, 16 or 17
    int elevationFeet = 0;
    std::string ident;
    std::string name;
    std::optional<GeoPosition> datum;
    std::string country;
    std::string state;
    std::string regionCode;
    int atisKhz = 0;  // 0: none given
    int towerKhz = 0;
    std::vector<AptRunway> runways;
};

class AptDatReader : public VersionedDataFile {
public:
    AptDatReader(DataFileReader& file, RowProblem problem);

    // The next airport; false at the end of the data (or when the file failed to read).
    bool Next(AptAirport& airport);
    // Airports dropped because their header row was malformed.
    int MalformedAirports() const { return malformedAirports_; }

private:
    void ReadRow(const std::string& row, AptAirport& airport);
    bool ReadHeaderRow(int code, const std::string& row, AptAirport& airport);

    std::string pending_;  // a header row read while finishing the previous airport
    int pendingLine_ = 0;
    bool airportRowSeen_ = false;
    int malformedAirports_ = 0;
};

}  // namespace worlddata
