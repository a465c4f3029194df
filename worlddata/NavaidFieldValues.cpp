#include "NavaidFieldValues.h"

#include "RowFields.h"
#include "RunwayFieldValues.h"

#include <initializer_list>

namespace worlddata {

namespace {

// Whether a blank-separated word of the name is one of `words`.
bool HasWord(std::string_view name, std::initializer_list<std::string_view> words)
{
    RowFields fields(name);
    for (std::size_t i = 0; i < fields.Count(); ++i) {
        for (std::string_view word : words) {
            if (fields[i] == word) return true;
        }
    }
    return false;
}

}  // namespace

std::string NavaidType(const NavDatRow& row)
{
    std::string_view last = LastWord(row.name);
    switch (row.kind) {
    case NavRowKind::Ndb:
        return "NDB";
    case NavRowKind::Vor:
        if (last == "VORTAC") return "VORTAC";
        if (last == "VOR-DME" || last == "VOR/DME") return "VORDME";
        return "VOR";
    case NavRowKind::Dme:
        // The DME of a VOR-DME, VORTAC or ILS: the VOR row or the runway carries it.
        if (HasWord(row.name,
                    {"DME-ILS", "ILS", "ILS-DME", "LOC", "VOR", "VOR-DME", "VOR/DME", "VORTAC"}))
            return {};
        [[fallthrough]];
    case NavRowKind::StandaloneDme:
        return last == "TACAN" ? "TACAN" : "DME";
    default:
        return {};
    }
}

std::string NavaidFrequency(const NavDatRow& row)
{
    if (row.kind == NavRowKind::Ndb) return std::to_string(row.frequency);
    return MegahertzText(row.frequency * KilohertzPerVhfUnit);
}

}  // namespace worlddata
