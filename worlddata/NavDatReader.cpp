#include "NavDatReader.h"

#include "AsciiText.h"
#include "VersionedDataFile.h"
#include "RowFields.h"

namespace worlddata {

namespace {

constexpr int FirstVersion = 810;
constexpr int LastVersion = 1200;
constexpr int FirstRegionVersion = 1100;

constexpr std::size_t IdentField = 7;
constexpr std::size_t SharedFields = 8;  // code to ident

NavRowKind KindOfRow(int code)
{
    switch (code) {
    case 2:
        return NavRowKind::Ndb;
    case 3:
        return NavRowKind::Vor;
    case 4:
    case 5:
        return NavRowKind::Localizer;
    case 12:
        return NavRowKind::Dme;
    case 13:
        return NavRowKind::StandaloneDme;
    default:
        return NavRowKind::Other;
    }
}

}  // namespace

const FrequencyBand& FrequencyBandOf(NavRowKind kind)
{
    switch (kind) {
    case NavRowKind::Ndb:
        return NdbBand;
    case NavRowKind::Localizer:
        return LocalizerBand;
    case NavRowKind::Dme:
    case NavRowKind::StandaloneDme:
        return DmeBand;
    default:
        return VorBand;
    }
}

NavDatReader::NavDatReader(DataFileReader& file, RowProblem problem)
    : VersionedDataFile(file, std::move(problem), "nav.dat", FirstVersion, LastVersion)
{
}

std::string NavDatReader::ReadRow(const std::string& text, int code, NavDatRow& row)
{
    RowFields fields(text);
    bool regions = Version() >= FirstRegionVersion;
    bool localizer = row.kind == NavRowKind::Localizer;
    // After the identifier: airport and region (1100 on) or a localizer's airport (810), then
    // a localizer's runway; the name is the rest, if any.
    std::size_t after = SharedFields + (regions ? 2 : localizer ? 1 : 0) + (localizer ? 1 : 0);
    std::optional<double> latitude = fields.Real(1);
    std::optional<double> longitude = fields.Real(2);
    std::optional<int> elevation = fields.Integer(3);
    std::optional<int> frequency = fields.Integer(4);
    std::string what = "navaid row " + std::to_string(code);
    if (fields.Count() < after || !latitude || !longitude || !elevation || !frequency)
        return what + " with missing or bad fields";
    row.rowCode = code;
    row.position = {*latitude, *longitude};
    if (!IsValidPosition(row.position)) return what + " with missing or bad fields";
    const FrequencyBand& band = FrequencyBandOf(row.kind);
    double khz = row.kind == NavRowKind::Ndb ? *frequency : 1.0 * *frequency * KilohertzPerVhfUnit;
    if (!band.Contains(khz))
        return what + ": frequency " + std::string(fields[4]) + " outside the " + band.name +
               " band";
    row.elevationFeet = *elevation;
    row.frequency = *frequency;
    row.ident = std::string(fields[IdentField]);
    std::size_t at = SharedFields;
    if (regions) {
        row.airport = std::string(fields[at++]);
        row.region = std::string(fields[at++]);
    } else if (localizer) {
        row.airport = std::string(fields[at++]);
    }
    if (localizer) row.runway = std::string(fields[at++]);
    row.name = std::string(fields.Rest(at));
    return {};
}

bool NavDatReader::Next(NavDatRow& row)
{
    std::string text;
    while (!Ended() && file_.ReadLine(text)) {
        if (nav::IsBlankText(text)) continue;
        std::optional<int> code = ReadRowCode(text);
        if (!code) {
            problem_(file_.LineNumber(), "row code is not a number");
            continue;
        }
        if (*code == EndOfDataRow) {
            MarkEnded();
            break;
        }
        row = NavDatRow();
        row.line = file_.LineNumber();
        row.kind = KindOfRow(*code);
        if (row.kind == NavRowKind::Other) continue;
        std::string problem = ReadRow(text, *code, row);
        if (problem.empty()) return true;
        problem_(row.line, problem);
    }
    return false;
}

}  // namespace worlddata
