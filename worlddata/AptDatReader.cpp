#include "AptDatReader.h"

#include "AsciiText.h"
#include "FrequencyBands.h"
#include "RowFields.h"

#include <cmath>

namespace worlddata {

namespace {

constexpr int FirstVersion = 850;
constexpr int LastVersion = 1200;

constexpr int LandAirportRow = 1;
constexpr int SeaplaneBaseRow = 16;
constexpr int HeliportRow = 17;
constexpr int LandRunwayRow = 100;
constexpr int WaterRunwayRow = 101;
constexpr int HelipadRow = 102;
constexpr int MetadataRow = 1302;

// Frequency rows: 50..56 in units of 10 kHz, 1050..1056 in kHz.
constexpr int FrequencyRows = 50;
constexpr int TenKilohertz = 10;
constexpr int KilohertzFrequencyRows = 1050;
constexpr int AtisOffset = 0;
constexpr int TowerOffset = 4;
constexpr int FrequencyKinds = 7;

// Fields of the land runway row: 8 shared, then 9 for each end.
constexpr std::size_t LandRunwayFields = 26;
constexpr std::size_t LandRunwayEndStart = 8;
constexpr std::size_t LandRunwayEndFields = 9;
constexpr std::size_t WaterRunwayFields = 9;
constexpr std::size_t HelipadFields = 12;
constexpr std::size_t HeaderFields = 5;  // code, elevation, two obsolete, ident; name optional

bool IsHeaderRow(int code)
{
    return code == LandAirportRow || code == SeaplaneBaseRow || code == HeliportRow;
}

// Latitude and longitude at fields `at` and `at + 1`.
std::optional<GeoPosition> PositionAt(const RowFields& fields, std::size_t at)
{
    std::optional<double> latitude = fields.Real(at);
    std::optional<double> longitude = fields.Real(at + 1);
    if (!latitude || !longitude) return std::nullopt;
    GeoPosition position{*latitude, *longitude};
    return IsValidPosition(position) ? std::optional(position) : std::nullopt;
}

bool ReadRunwayEnd(const RowFields& fields, std::size_t at, AptRunwayEnd& end)
{
    std::optional<GeoPosition> position = PositionAt(fields, at + 1);
    if (!position) return false;
    end.designator = std::string(fields[at]);
    end.position = *position;
    return true;
}

// The length between the two ends of a land or water runway.
double LengthBetweenEnds(const AptRunway& runway)
{
    return GreatCircleFeet(runway.ends[0].position, runway.ends[1].position);
}

// Each of the runway rows gives its fields and the runway's length in feet, measured or given.
bool ReadLandRunway(const RowFields& fields, AptRunway& runway, double& feet)
{
    if (fields.Count() < LandRunwayFields) return false;
    runway.kind = RunwayKind::Land;
    runway.surfaceCode = fields.Integer(2).value_or(0);
    runway.centrelineLights = fields.Integer(5).value_or(0) != 0;
    runway.edgeLights = fields.Integer(6).value_or(0);
    for (int i = 0; i < 2; ++i) {
        std::size_t at = LandRunwayEndStart + i * LandRunwayEndFields;
        if (!ReadRunwayEnd(fields, at, runway.ends[i])) return false;
        runway.ends[i].approachLights = fields.Integer(at + 6).value_or(0);
        runway.ends[i].reil = fields.Integer(at + 8).value_or(0) != 0;
    }
    feet = LengthBetweenEnds(runway);
    return true;
}

bool ReadWaterRunway(const RowFields& fields, AptRunway& runway, double& feet)
{
    runway.kind = RunwayKind::Water;
    if (fields.Count() < WaterRunwayFields || !ReadRunwayEnd(fields, 3, runway.ends[0]) ||
        !ReadRunwayEnd(fields, 6, runway.ends[1]))
        return false;
    feet = LengthBetweenEnds(runway);
    return true;
}

bool ReadHelipad(const RowFields& fields, AptRunway& runway, double& feet)
{
    runway.kind = RunwayKind::Helipad;
    if (fields.Count() < HelipadFields || !ReadRunwayEnd(fields, 1, runway.ends[0])) return false;
    std::optional<double> meters = fields.Real(5);
    if (!meters) return false;
    feet = *meters * FeetPerMeter;
    runway.surfaceCode = fields.Integer(7).value_or(0);
    runway.edgeLights = fields.Integer(11).value_or(0);
    return true;
}

void ReadMetadata(const RowFields& fields, AptAirport& airport)
{
    std::string_view key = fields.Count() > 1 ? fields[1] : std::string_view();
    std::string value(fields.Rest(2));
    if (key == "datum_lat" || key == "datum_lon") {
        std::optional<double> degrees = fields.Real(2);
        if (!degrees) return;
        // The datum counts once both halves are read; a lone half is kept until then.
        GeoPosition datum = airport.datum.value_or(GeoPosition{NAN, NAN});
        (key == "datum_lat" ? datum.latitude : datum.longitude) = *degrees;
        airport.datum = datum;
    } else if (key == "country") {
        airport.country = value;
    } else if (key == "state") {
        airport.state = value;
    } else if (key == "region_code") {
        airport.regionCode = value;
    }
}

}  // namespace

std::optional<int> RunwayLengthFeet(double feet)
{
    if (!(feet >= 1 && feet <= LongestRunwayFeet)) return std::nullopt;
    return static_cast<int>(std::lround(feet));
}

AptDatReader::AptDatReader(DataFileReader& file, RowProblem problem)
    : VersionedDataFile(file, std::move(problem), "apt.dat", FirstVersion, LastVersion)
{
}

bool AptDatReader::ReadHeaderRow(int code, const std::string& row, AptAirport& airport)
{
    RowFields fields(row);
    std::optional<int> elevation = fields.Integer(1);
    if (fields.Count() < HeaderFields || !elevation) {
        problem_(airport.line, "airport header row without elevation and identifier");
        return false;
    }
    airport.rowCode = code;
    airport.elevationFeet = *elevation;
    airport.ident = std::string(fields[4]);
    airport.name = std::string(fields.Rest(5));
    return true;
}

void AptDatReader::ReadRow(const std::string& row, AptAirport& airport)
{
    std::optional<int> code = ReadRowCode(row);
    if (!code) {
        problem_(file_.LineNumber(), "row code is not a number");
        return;
    }
    bool landRunway = *code == LandRunwayRow;
    std::string what = "row " + std::to_string(*code);
    if (landRunway || *code == WaterRunwayRow || *code == HelipadRow) {
        RowFields fields(row);
        AptRunway runway;
        runway.line = file_.LineNumber();
        double feet = 0;
        bool read = landRunway                ? ReadLandRunway(fields, runway, feet)
                    : *code == WaterRunwayRow ? ReadWaterRunway(fields, runway, feet)
                                              : ReadHelipad(fields, runway, feet);
        std::optional<int> length = read ? RunwayLengthFeet(feet) : std::nullopt;
        if (!read) {
            problem_(runway.line, "runway " + what + " with missing or bad fields");
        } else if (!length) {
            problem_(runway.line, "runway " + what + " with a length that no runway has");
        } else {
            runway.lengthFeet = *length;
            airport.runways.push_back(std::move(runway));
        }
        return;
    }
    bool tenKilohertz = *code >= FrequencyRows && *code < FrequencyRows + FrequencyKinds;
    bool kilohertz =
        *code >= KilohertzFrequencyRows && *code < KilohertzFrequencyRows + FrequencyKinds;
    if (tenKilohertz || kilohertz) {
        RowFields fields(row);
        std::optional<int> frequency = fields.Integer(1);
        if (!frequency) {
            problem_(file_.LineNumber(), "frequency row without a frequency");
            return;
        }
        int kind = *code - (tenKilohertz ? FrequencyRows : KilohertzFrequencyRows);
        const FrequencyBand& band = kind == AtisOffset ? AtisBand : AirportComBand;
        double khz = tenKilohertz ? 1.0 * *frequency * TenKilohertz : *frequency;
        if (!band.Contains(khz)) {
            problem_(file_.LineNumber(), "frequency " + what + ": frequency " +
                                             std::string(fields[1]) + " outside the " + band.name +
                                             " band");
            return;
        }
        int* slot = kind == AtisOffset    ? &airport.atisKhz
                    : kind == TowerOffset ? &airport.towerKhz
                                          : nullptr;
        if (slot && *slot == 0) *slot = static_cast<int>(khz);
        return;
    }
    if (*code == MetadataRow) ReadMetadata(RowFields(row), airport);
}

bool AptDatReader::Next(AptAirport& airport)
{
    std::string row;
    for (;;) {
        int line = pendingLine_;
        if (!pending_.empty()) {
            row.swap(pending_);
            pending_.clear();
        } else if (Ended() || !file_.ReadLine(row)) {
            return false;
        } else {
            line = file_.LineNumber();
        }
        if (nav::IsBlankText(row)) continue;
        std::optional<int> code = ReadRowCode(row);
        if (code == EndOfDataRow) {
            MarkEnded();
            return false;
        }
        if (!code || !IsHeaderRow(*code)) {
            // Rows outside an airport: before the first one, or of an airport whose header
            // row was reported malformed.
            if (!code)
                problem_(line, "row code is not a number");
            else if (!airportRowSeen_)
                problem_(line,
                         "row " + std::to_string(*code) + " before any airport row; left out");
            continue;
        }
        airportRowSeen_ = true;
        airport = AptAirport();
        airport.line = line;
        if (!ReadHeaderRow(*code, row, airport)) {
            ++malformedAirports_;
            continue;
        }
        while (file_.ReadLine(row)) {
            if (nav::IsBlankText(row)) continue;
            std::optional<int> next = ReadRowCode(row);
            if (next && IsHeaderRow(*next)) {
                pending_.swap(row);
                pendingLine_ = file_.LineNumber();
                break;
            }
            if (next == EndOfDataRow) {
                MarkEnded();
                break;
            }
            ReadRow(row, airport);
        }
        if (airport.datum && !IsValidPosition(*airport.datum)) {
            problem_(airport.line,
                     "airport datum missing its latitude or longitude, or out of range");
            airport.datum.reset();
        }
        return file_.ReadStatus().Ok();
    }
}

}  // namespace worlddata
