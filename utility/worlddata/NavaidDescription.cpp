#include "NavaidDescription.h"

#include "RowFields.h"
#include "RunwayDescription.h"

namespace worlddata {

namespace {

constexpr int kKilohertzPerUnit = 10;   // VHF frequencies are given in units of 10 kHz

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::string NavaidType(const NavDatRow& row)
{
    std::string_view last = LastWord(row.name);
    switch (row.kind) {
    case NavRowKind::Ndb: return "NDB";
    case NavRowKind::Vor:
        if (last == "VORTAC")
            return "VORTAC";
        if (last == "VOR-DME" || last == "VOR/DME")
            return "VORDME";
        return "VOR";
    case NavRowKind::Dme:
        // The DME of a VOR-DME, VORTAC or ILS: the VOR row or the runway carries it.
        if (Contains(row.name, "ILS") || Contains(row.name, "LOC") || Contains(row.name, "VOR"))
            return {};
        [[fallthrough]];
    case NavRowKind::StandaloneDme: return last == "TACAN" ? "TACAN" : "DME";
    default: return {};
    }
}

std::string NavaidFrequency(const NavDatRow& row)
{
    if (row.kind == NavRowKind::Ndb)
        return std::to_string(row.frequency);
    return MegahertzText(row.frequency * kKilohertzPerUnit);
}

}  // namespace worlddata
