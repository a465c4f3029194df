#include "InfoPages.h"

#include <cstdio>
#include <string>

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "GaugeTables.h"
#include "NavigationTables.h"
#include "Screen.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

// Line 3 of page 1 holds the longitude, then from this position the tower frequency or
// the navaid's type.
constexpr int InfoColumn = 13;
constexpr const char* NoRunwaysText = "       NO DATA    ";

// The engine's text for a field, kept past the next engine call.
std::string Field(const char* name)
{
    return FieldGetString(name);
}

void ClearLinesFrom(int first)
{
    for (int i = first; i < ScreenLineCount; ++i) ClearScreenLine(i);
}

// The page count of page 1: an airport has at least one more page (its runways).
int32_t InfoPageCount(const WaypointRecord& waypoint)
{
    return waypoint.table == WaypointAirport ? 2 : 1;
}

void WriteWaypointPage(const WaypointRecord& w)
{
    PrintScreenLine(0, "%.*s", static_cast<int>(sizeof w.name), w.name);
    const int32_t elevation = FieldGetInteger("ALT");
    PrintScreenLine(1, "%c%03d\xB0%02d'%02d\"  ALT:%dFT", w.lat1 ? 'S' : 'N', w.lat2, w.lat3,
                    w.lat4, elevation);
    PrintScreenLine(2, "%c%03d\xB0%02d'%02d\"           ", w.lon1 ? 'E' : 'W', w.lon2, w.lon3,
                    w.lon4);
    switch (w.table) {
    case WaypointAirport:
        PrintScreenLineAt(2, InfoColumn, "TWR:%03.02f", FieldGetDouble("TWR"));
        PrintScreenLine(3, "ATIS:%03.02f", FieldGetDouble("ATIS"));
        break;
    case WaypointNavaid:
        PrintScreenLineAt(2, InfoColumn, "TYPE:%s", Field("TYPE").c_str());
        PrintScreenLine(3, "FREQ:%s", Field("FREQ").c_str());
        break;
    default:
        ClearScreenLine(3);
        break;
    }
}

void WriteRunwayPage()
{
    const std::string runway = Field("RUNWAYS");
    const std::string length = Field("LEN");
    const std::string nav1 = Field("NAV1");
    const std::string rwy1 = Field("RWY1");
    const std::string freq1 = Field("FREQ1");
    const std::string surface = Field("SURFACE");
    const std::string nav2 = Field("NAV2");
    const std::string rwy2 = Field("RWY2");
    const std::string freq2 = Field("FREQ2");
    PrintScreenLine(0, "RWY:%s", runway.c_str());
    PrintScreenLine(1, "%s  %s %s %s", length.c_str(), nav1.c_str(), rwy1.c_str(), freq1.c_str());
    PrintScreenLine(2, "%s   %s %s %s", surface.c_str(), nav2.c_str(), rwy2.c_str(), freq2.c_str());
    ClearScreenLine(3);
}

}  // namespace

void ShowNormalPages(int32_t pageCount)
{
    GaugeState& s = gaugeState;
    s.infoPageShown = 0;
    Platform().SetElementHidden(GaugeElement::steeringScale, false);
    Platform().SetElementHidden(GaugeElement::steeringMarker, false);
    s.currentPage = 1;
    s.pageCount = pageCount;
}

void TurnInfoPage()
{
    GaugeState& s = gaugeState;
    Platform().SetElementHidden(GaugeElement::steeringMarker, true);
    Platform().SetElementHidden(GaugeElement::steeringScale, true);
    if (s.infoPageShown) {
        s.currentPage = s.currentPage >= s.pageCount ? 1 : s.currentPage + 1;
    } else {
        s.infoWaypoint = s.activeWaypoint;
        s.infoIndex = s.routeIndex;
        s.infoPageShown = 1;
        s.currentPage = 1;
        s.pageCount = InfoPageCount(s.activeWaypoint);
    }
    if (s.currentPage == 1)
        ShowInfoPage();
    else
        ShowRunwayPage();
}

void ShowRouteWaypointInfo(int32_t index)
{
    GaugeState& s = gaugeState;
    s.currentPage = 1;
    s.infoWaypoint = s.route[index];
    s.pageCount = InfoPageCount(s.infoWaypoint);
    ShowInfoPage();
}

void ShowInfoPage()
{
    const WaypointRecord& w = gaugeState.infoWaypoint;
    OpenWaypointTable(w.table);
    SeekWaypointByNum(w.num);
    // A waypoint that cannot be read says why instead of showing an empty position.
    const WaypointLookup lookup = CurrentWaypointLookup();
    if (lookup == WaypointFound) {
        WriteWaypointPage(w);
    } else {
        PrintScreenLine(0, "%s", MissingWaypointText(lookup));
        ClearLinesFrom(1);
    }
    CopyLinesToScreen();
}

void ShowRunwayPage()
{
    GaugeState& s = gaugeState;
    TableOpen(GaugeTablePath(nav::RunwaysAlias).c_str(), nav::RunwaysAlias, SDE_READONLY,
              SDE_KIND_DBF);
    TableSetPassword(nav::TablePassword);
    OrderSet(TagOrder(nav::NumTag));
    char condition[32];
    std::snprintf(condition, sizeof condition, "NUM = \"%.*s\"",
                  static_cast<int>(sizeof s.infoWaypoint.num - 1), s.infoWaypoint.num);
    QuerySet(condition);
    RecordGoTop();
    const int runways = QueryCount();
    if (runways < 1) {
        ClearScreenLine(0);
        PrintScreenLine(1, "%s", NoRunwaysText);
        ClearLinesFrom(2);
    } else {
        s.pageCount = runways + 1;
        RecordSkip(s.currentPage - 2);
        WriteRunwayPage();
    }
    TableCloseAll();
    CopyLinesToScreen();
}

}  // namespace gauge
