// How long the gauge takes to install when it restores a route of 30 waypoints from a
// table of 30,000 airports: gps.gau is loaded by the panel host (virtual clock) over a
// generated data directory, and the install is timed with and without the route.
//
//   gauge_restore_bench [AIRPORTS]     prints the figures in milliseconds
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SharedSettings.h"
#include "GaugeModulePath.h"
#include "GaugeState.h"
#include "GeneratedTables.h"
#include "NavigationTables.h"
#include "PanelHost.h"
#include "TableEngine.h"

using gauge::RouteCapacity;
using host::PanelHost;
using winkit::WriteDataPath;

namespace {

constexpr int Rounds = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// The saved state: switched on, flying a route of 30 airports spread over the table.
bool MakeConfiguration(const std::string& directory, int airports)
{
    if (!CreateTable(directory, nav::ConfigTable, true)) return false;
    RecordAppendBlank();
    std::string route;
    for (int i = 0; i < RouteCapacity; ++i) route += "1" + Key(1 + i * (airports / RouteCapacity));
    int one = 1, thirty = RouteCapacity, index = 5;
    double nextDistance = 0.5, alarmDistance = 2.0;
    FieldReplace("POWER", SDE_INTEGER, &one);
    FieldReplace("AUTODIS", SDE_DOUBLE, &nextDistance);
    FieldReplace("ALARMDIS", SDE_DOUBLE, &alarmDistance);
    FieldReplace("LASTFILE", SDE_INTEGER, &one);
    FieldReplace("LASTREC", SDE_TEXT, route.substr(index * 9 + 1, 8).c_str());
    FieldReplace("RTEMODE", SDE_INTEGER, &one);
    FieldReplace("NRTEWPT", SDE_INTEGER, &thirty);
    FieldReplace("ACTRTE", SDE_INTEGER, &index);
    FieldReplace("RTEWPTS", SDE_TEXT, route.c_str());
    FinishTable();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int airports = argc > 1 ? std::atoi(argv[1]) : 30000;
    if (airports < RouteCapacity) airports = RouteCapacity;

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string directory = std::string(temp) + "gauge_restore_bench\\";
    CreateDirectoryA(directory.c_str(), nullptr);

    EngineSetStartFlag(1);
    LARGE_INTEGER start = Now();
    if (!MakeAirports(directory, airports) || !MakeConfiguration(directory, airports)) {
        std::fprintf(stderr, "cannot make the tables in %s\n", directory.c_str());
        return 1;
    }
    if (!MakeEmptyTables(directory, {&nav::NavaidsTable, &nav::UsersTable, &nav::RunwaysTable}))
        return 1;
    std::printf("tables: %d airports made in %.0f ms\n", airports, Milliseconds(start, Now()));

    WriteDataPath(directory);

    // Installs alternately with the route restored and without it (route mode off), so
    // that the cost of the route shows apart from loading the module and its sounds.
    std::string config =
        nav::TablePath(nav::PathForm::Rebuild, directory.c_str(), nav::ConfigAlias);
    std::vector<double> withRoute, withoutRoute;
    for (int round = 0; round < 2 * Rounds; ++round) {
        int routeMode = round % 2 == 0 ? 1 : 0;
        TableOpen(config.c_str(), nav::ConfigAlias, SDE_SHARED, SDE_KIND_DBF);
        TableSetPassword(nav::TablePassword);
        RecordGoTop();
        FieldReplace("RTEMODE", SDE_INTEGER, &routeMode);
        TableCloseAll();

        PanelHost host;
        LARGE_INTEGER begin = Now();
        if (nav::Status loaded = host.Load(GaugeModuleBesideProgram()); !loaded) {
            std::fprintf(stderr, "%s\n", loaded.Message().c_str());
            return 1;
        }
        (routeMode ? withRoute : withoutRoute).push_back(Milliseconds(begin, Now()));
        host.RunSeconds(1);
        if (round == 0)
            std::printf("screen: %s | %s\n", host.ScreenText(1).c_str(),
                        host.ScreenText(4).c_str());
        std::string problem;
        host.Unload(problem);
    }
    double route = Median(withRoute), plain = Median(withoutRoute);
    std::printf("install restoring %d route waypoints from %d airports: %.1f ms (median of %d)\n",
                RouteCapacity, airports, route, Rounds);
    std::printf("install without the route: %.1f ms; the route's share: %.1f ms\n", plain,
                route - plain);
    return 0;
}
