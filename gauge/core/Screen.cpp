#include "Screen.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "AsciiText.h"
#include "GaugePlatform.h"
#include "GaugeState.h"
#include "HostCodes.h"
#include "Navigation.h"

namespace gauge {

namespace {

constexpr int OverwriteColumn = 15;
constexpr int LineCapacities[ScreenLineCount] = {25, 25, 25, 12};
constexpr const char* NoWaypointId = "-----";

char* Line(int index)
{
    return gaugeState.screenLines[index];
}

void FormatNavigationPage()
{
    const GaugeState& s = gaugeState;
    if (s.activeWaypointLookup != WaypointFound) {
        PrintScreenLine(0, "GO TO:%s", MissingWaypointText(s.activeWaypointLookup));
        ClearScreenLine(1);
        ClearScreenLine(2);
    } else {
        PrintScreenLine(0, "GO TO:%s    GS:%.0fKT", s.activeWaypoint.id, s.groundSpeed);
        PrintScreenLine(1, "DIS:%4.1fNM      ", s.activeDistance);
        PrintScreenLineAt(1, OverwriteColumn, "BRG:%03.0f\xB0", s.activeBearing);
        if (s.routeMode == 0 || s.routeIndex + 1 == s.routeCount)
            PrintScreenLine(2, "NXT:-----       ");
        else
            PrintScreenLine(2, "NXT:%s          ", s.route[s.routeIndex + 1].id);
        PrintScreenLineAt(2, OverwriteColumn, "ETE:%02d:%02d", s.activeEteHours,
                          s.activeEteMinutes);
    }
    if (s.routeMode)
        PrintScreenLine(3, "  WPT:%d/%d", s.routeIndex + 1, s.routeCount);
    else
        ClearScreenLine(3);
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
    double windSpeed = Platform().RefreshHostVariable(TokenWindSpeed);
    double windDirection = Platform().RefreshHostVariable(TokenWindDirection);
    int variation = std::abs(static_cast<int>(s.magneticVariation));

    PrintScreenLine(0, "%c%03d\xB0%02d'%02d\"   ALT:%.0fFT", s.aircraftLatitude < 0 ? 'S' : 'N',
                    latitude.degrees, latitude.minutes, latitude.seconds, s.altitudeFeet);
    PrintScreenLine(1, "%c%03d\xB0%02d'%02d\"   HDG:%.0f\xB0", s.aircraftLongitude < 0 ? 'E' : 'W',
                    longitude.degrees, longitude.minutes, longitude.seconds, s.aircraftHeading);
    PrintScreenLine(2, "VAR:%c%02d\xB0      WIND:%.0fKT", s.magneticVariation < 0 ? 'E' : 'W',
                    variation, windSpeed);
    PrintScreenLine(3, " DIR:%.0f\xB0", windDirection);
}

// "FROM:%s %6.1fNM %02d:%02d" made to fit the 25 columns whole, so that the time is never
// cut: the identifier without the blanks its table pads it with, and the distance right-aligned
// in the columns left between it and "NM", which then stand in the same columns on every line
// (for a 5-character identifier, the dashes included, that is the format itself). Where one
// decimal does not fit (a 6-character identifier and a leg of 1000 NM or more), whole miles.
void PrintLeg(int index, const char* label, const char* id, double distance, FlightTime time)
{
    const std::string_view shown = nav::WithoutPadding(id);
    char head[ScreenLineSize], tail[ScreenLineSize], figure[ScreenLineSize];
    const int headLength = std::snprintf(head, sizeof head, "%s:%.*s ", label,
                                         static_cast<int>(shown.size()), shown.data());
    const int tailLength =
        std::snprintf(tail, sizeof tail, "NM %02d:%02d", time.hours, time.minutes);
    const int width = LineCapacities[index] - headLength - tailLength;
    if (std::snprintf(figure, sizeof figure, "%.1f", distance) > width)
        std::snprintf(figure, sizeof figure, "%.0f", distance);
    PrintScreenLine(index, "%s%*s%s", head, width, figure, tail);
}

void FormatRoutePage()
{
    const GaugeState& s = gaugeState;
    if (s.activeWaypointLookup != WaypointFound) {
        ClearScreenLine(0);
        PrintScreenLine(1, "GOTO:%s", MissingWaypointText(s.activeWaypointLookup));
        ClearScreenLine(2);
        ClearScreenLine(3);
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
    PrintScreenLine(3, "   ETA:%02d:%02d", toEnd.hours, toEnd.minutes);
}

}  // namespace

void FormatScreen()
{
    switch (gaugeState.currentPage) {
    case 1:
        FormatNavigationPage();
        break;
    case 2:
        FormatPositionPage();
        break;
    case 3:
        FormatRoutePage();
        break;
    default:
        break;
    }
}

const char* MissingWaypointText(int32_t lookup)
{
    return lookup == WaypointNoDatabase ? "NO DATABASE" : "NO WAYPOINT";
}

void ClearScreenLine(int index)
{
    Line(index)[0] = '\0';
}

void PrintScreenLine(int index, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(Line(index), ScreenLineSize, format, args);
    va_end(args);
}

void PrintScreenLineAt(int index, int column, const char* format, ...)
{
    char* line = Line(index);
    std::size_t length = std::strlen(line);
    if (length < static_cast<std::size_t>(column)) std::memset(line + length, ' ', column - length);
    va_list args;
    va_start(args, format);
    std::vsnprintf(line + column, ScreenLineSize - column, format, args);
    va_end(args);
}

void CopyLinesToScreen()
{
    for (int i = 0; i < ScreenLineCount; ++i) {
        char* buffer = Platform().ScreenLineBuffer(i + 1);
        if (!buffer) continue;
        std::size_t length = strnlen(Line(i), LineCapacities[i]);
        std::memcpy(buffer, Line(i), length);
        buffer[length] = '\0';
    }
}

}  // namespace gauge
