// The record keys (NUM) of converted data, chosen so that the same airport or navaid gets
// the same key in every edition of the data: routes saved in CONFIG and in route files
// name waypoints by NUM, and keep pointing at the right place after a newer edition is
// converted and imported over the old one.
//
// Airports: the identifier, unique among airports, padded to eight characters with "_"
// (a character no identifier holds): "KSEA" gets "KSEA____". No two airports can clash.
//
// Navaids: eight base-36 digits (0-9, A-Z) of a 64-bit FNV-1a hash of the identifier, the
// type, the ICAO region (empty in editions without regions) and the whole-degree square the
// navaid lies in (latitude and longitude rounded down), which tells apart the many
// stations that share an identifier, type and region. A station that moves a little keeps
// its key unless it crosses a whole degree. Of two different stations whose keys clash
// (about one chance in ten thousand for a world's data), the one read later is hashed again
// with a counter until its key is free; a second station with the same identifier, type,
// region and square is a duplicate and skipped.
#pragma once

#include "GeoPosition.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace worlddata {

inline constexpr std::size_t NumLength = 8;

std::string AirportNum(std::string_view ident);

// The hash of a navaid's identity, and the key of a hash.
uint64_t NavaidIdentity(std::string_view ident, std::string_view type, std::string_view region,
                        const GeoPosition& position);
std::string NavaidNumOfHash(uint64_t hash);

// Hands out navaid keys, unique within one conversion.
class NavaidNums {
public:
    // The key of the navaid, or empty when one of the same identity was given one already.
    std::string Assign(std::string_view ident, std::string_view type, std::string_view region,
                       const GeoPosition& position);
    int Clashes() const { return clashes_; }

private:
    std::unordered_set<uint64_t> identities_;
    std::unordered_set<std::string> nums_;
    int clashes_ = 0;
};

}  // namespace worlddata
