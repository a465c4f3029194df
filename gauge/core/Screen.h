// The four screen lines: the normal pages (1 navigation, 2 position, 3 route) and their
// hand-over to the host's text buffers. Text is Windows-1252; the degree sign is 0xB0.
#pragma once

#include <cstdint>

namespace gauge {

// Writes gaugeState.screenLines for gaugeState.currentPage; other page numbers write nothing.
void FormatScreen();

// Why a waypoint could not be read (WaypointLookup), shown where its data would stand.
const char* MissingWaypointText(int32_t lookup);

// Formatting into gaugeState.screenLines[index] (0-based), cut to the line's storage.
void ClearScreenLine(int index);
__attribute__((format(gnu_printf, 2, 3))) void PrintScreenLine(int index, const char* format, ...);
// Formats from position `column` on (its column + 1-th character), over what stood there;
// the line then ends where this text ends. A shorter line is first filled out with blanks.
__attribute__((format(gnu_printf, 3, 4))) void PrintScreenLineAt(int index, int column,
                                                                 const char* format, ...);

// Copies the four lines into the host's buffers, cut to 25 characters (12 for line 4).
void CopyLinesToScreen();

}  // namespace gauge
