// Route files: exactly 270 bytes, the route's 30 slots as 9-byte entries (RouteText.h),
// with no header and no line ends. A file keeps only each waypoint's table and key; names
// and positions are looked up in the tables again when it is loaded.
#pragma once

#include <cstddef>

#include "GaugeState.h"

namespace gauge {

constexpr std::size_t RouteFileSize = nav::RouteTextLength;
// The extension of a route file's name.
inline constexpr char RouteFileExtension[] = "rte";

// Reads the entries of a file's first `length` bytes into `slots`. Every slot starts
// empty; an entry whose first byte is not a digit from 1 (a space, 0) stays empty, and so
// does every slot whose entry the file does not hold in full. The filled slots are then
// moved together from the first, so that the Route dialog's lines and slots correspond.
void ParseRouteFile(const char* bytes, std::size_t length, RouteSlots& slots);

// Looks every filled slot up as its entry names it (table number, then a soft seek on the
// key), so that it holds the record found; a number above 3 is an airport. Every table is
// closed afterwards.
void LookUpRouteSlots(RouteSlots& slots);

}  // namespace gauge
