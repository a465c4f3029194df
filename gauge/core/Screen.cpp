#include "Screen.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "HostCodes.h"
#include "Navigation.h"

namespace {

constexpr int OverwriteColumn = 15;
constexpr int LineCapacities[ScreenLineCount] = {25, 25, 25, 12};
constexpr const char* NoWaypointId = "-----";

char* Line(int index) { return gaugeState.screenLines[index]; }

void ClearLine(int index) { Line(index)[0] = '\0'; }

__attribute__((format(gnu_printf, 2, 3))) void Print(int index, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(Line(index), ScreenLineSize, format, args);
    va_end(args);
}

// Formats into the line from its 16th character on, over what stood there; the line
// then ends where this text ends. A shorter line is first filled out with blanks.
__attribute__((format(gnu_printf, 2, 3))) void PrintAtColumn(int index, const char* format, ...)
{
    char* line = Line(index);
    std::size_t length = std::strlen(line);
    if (length < OverwriteColumn) std::memset(line + length, ' ', OverwriteColumn - length);
    va_list args;
    va_start(args, format);
    std::vsnprintf(line + OverwriteColumn, ScreenLineSize - OverwriteColumn, format, args);
    va_end(args);
}

// Why the active waypoint could not be read, in place of its identifier.
const char* MissingWaypointText()
{
    return gaugeState.activeWaypointLookup == WaypointNoDatabase ? "NO DATABASE" : "NO WAYPOINT";
}

void FormatNavigationPage()
{
    const GaugeState& s = gaugeState;
    if (s.activeWaypointLookup != WaypointFound) {
        Print(0, "GO TO:%s", MissingWaypointText());
        ClearLine(1);
        ClearLine(2);
    } else {
        Print(0, "GO TO:%s    GS:%.0fKT", s.activeWaypoint.id, s.groundSpeed);
        Print(1, "DIS:%4.1fNM      ", s.activeDistance);
        PrintAtColumn(1, "BRG:%03.0f\xB0", s.activeBearing);
        if (s.routeMode == 0 || s.routeIndex + 1 == s.routeCount)
            Print(2, "NXT:-----       ");
        else
            Print(2, "NXT:%s          ", s.route[s.routeIndex + 1].id);
        PrintAtColumn(2, "ETE:%02d:%02d", s.activeEteHours, s.activeEteMinutes);
    }
    if (s.routeMode)
        Print(3, "  WPT:%d/%d", s.routeIndex + 1, s.routeCount);
    else
        ClearLine(3);
}

struct Sexagesimal {
    int degrees, minutes, seconds;
};

Sexagesimal ToSexagesimal(double value)
{
    double magnitude = value < 0 ? value * -1 : value;
    int degrees = static_cast<int>(magnitude);
    double minutes = (magnitude - degrees) * 60;
    int wholeMinutes = static_cast<int>(minutes);
    return {degrees, wholeMinutes, static_cast<int>((minutes - wholeMinutes) * 60)};
}

void FormatPositionPage()
{
    const GaugeState& s = gaugeState;
    Sexagesimal latitude = ToSexagesimal(s.aircraftLatitude);
    Sexagesimal longitude = ToSexagesimal(s.aircraftLongitude);
    double windSpeed = RefreshHostVariable(TokenWindSpeed);
    double windDirection = RefreshHostVariable(TokenWindDirection);
    int variation = std::abs(static_cast<int>(s.magneticVariation));

    Print(0, "%c%03d\xB0%02d'%02d\"   ALT:%.0fFT", s.aircraftLatitude < 0 ? 'S' : 'N',
          latitude.degrees, latitude.minutes, latitude.seconds, s.altitudeFeet);
    Print(1, "%c%03d\xB0%02d'%02d\"   HDG:%.0f\xB0", s.aircraftLongitude < 0 ? 'E' : 'W',
          longitude.degrees, longitude.minutes, longitude.seconds, s.aircraftHeading);
    Print(2, "VAR:%c%02d\xB0      WIND:%.0fKT", s.magneticVariation < 0 ? 'E' : 'W', variation,
          windSpeed);
    Print(3, " DIR:%.0f\xB0", windDirection);
}

void PrintLeg(int index, const char* label, const char* id, double distance, FlightTime time)
{
    Print(index, "%s:%s %6.1fNM %02d:%02d", label, id, distance, time.hours, time.minutes);
}

void FormatRoutePage()
{
    const GaugeState& s = gaugeState;
    if (s.activeWaypointLookup != WaypointFound) {
        ClearLine(0);
        Print(1, "GOTO:%s", MissingWaypointText());
        ClearLine(2);
        ClearLine(3);
        return;
    }
    if (s.routeIndex > 0) {
        double d = FromDistance();
        PrintLeg(0, "FROM", s.route[s.routeIndex - 1].id, d, ComputeEte(d));
    } else {
        PrintLeg(0, "FROM", NoWaypointId, 0.0, ComputeEte(0.0));
    }
    PrintLeg(1, "GOTO", s.route[s.routeIndex].id, s.activeDistance,
             {s.activeEteHours, s.activeEteMinutes});
    if (s.routeIndex < s.routeCount - 1) {
        double d = NextDistance();
        PrintLeg(2, "NEXT", s.route[s.routeIndex + 1].id, d, ComputeEte(d));
    } else {
        PrintLeg(2, "NEXT", NoWaypointId, 0.0, ComputeEte(0.0));
    }
    FlightTime toEnd = ComputeEte(RouteRemainingDistance());
    Print(3, "   ETA:%02d:%02d", toEnd.hours, toEnd.minutes);
}

}  // namespace

void FormatScreen()
{
    switch (gaugeState.currentPage) {
    case 1: FormatNavigationPage(); break;
    case 2: FormatPositionPage(); break;
    case 3: FormatRoutePage(); break;
    default: break;
    }
}

void CopyLinesToScreen()
{
    for (int i = 0; i < ScreenLineCount; ++i) {
        char* buffer = ScreenLineBuffer(i + 1);
        if (!buffer) continue;
        std::size_t length = strnlen(Line(i), LineCapacities[i]);
        std::memcpy(buffer, Line(i), length);
        buffer[length] = '\0';
    }
}
