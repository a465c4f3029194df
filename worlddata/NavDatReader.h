// The navaid data file nav.dat, versions 810 to 1200, read one row at a time.
//
// After the header lines (VersionedDataFile.h) every row starts with its row code, "99" ends
// the data:
//   code lat lon elevation_ft frequency range_nm (variation or bearing) ident ...
// then in version 810:   2, 3, 12, 13: name...           4, 5: airport runway name...
// and from 1100 on:      2, 3, 12, 13: airport region name...
//                        4, 5: airport region runway name...
// where airport is "ENRT" for an en-route station and region the ICAO region code.
// Row 2 is an NDB (frequency in kHz), 3 a VOR, VOR-DME or VORTAC (the last word of the name
// tells), 4 and 5 localizers with and without glide slope, 12 the DME of a VOR or an ILS
// (or a TACAN), 13 a stand-alone DME or TACAN; their frequencies are in units of 10 kHz.
// Glide slopes, markers and the rows of the newer editions (14 and up) are skipped.
#pragma once

#include "FrequencyBands.h"
#include "GeoPosition.h"
#include "VersionedDataFile.h"

#include <string>

namespace worlddata {

enum class NavRowKind {
    Ndb,
    Vor,
    Localizer,
    Dme,
    StandaloneDme,
    Other
};

// nav.dat gives VHF frequencies in units of 10 kHz, and NavDatRow keeps them so.
constexpr int KilohertzPerVhfUnit = 10;

// The band a frequency of a station of this kind lies in.
const FrequencyBand& FrequencyBandOf(NavRowKind kind);

struct NavDatRow {
    int line = 0;
    int rowCode = 0;
    NavRowKind kind = NavRowKind::Other;
    GeoPosition position;
    int elevationFeet = 0;
    int frequency = 0;  // kHz for NDBs, units of KilohertzPerVhfUnit for the others
    std::string ident;
    std::string region;   // empty in version 810
    std::string airport;  // localizers; the airport field of the newer editions
    std::string runway;   // localizers
    std::string name;
};

class NavDatReader : public VersionedDataFile {
public:
    NavDatReader(DataFileReader& file, RowProblem problem);

    // The next navaid or localizer row; false at the end of the data. Rows of other kinds
    // are passed over; malformed rows are reported and passed over.
    bool Next(NavDatRow& row);

private:
    // What is wrong with the row; empty when it was read.
    std::string ReadRow(const std::string& text, int code, NavDatRow& row);
};

}  // namespace worlddata
