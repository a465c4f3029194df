// How long the Direct-To dialog takes to show the names of a table of 30,000 airports:
// gps.gau is loaded by the panel host over a generated data directory, DTO is clicked,
// and the dialog driver times the presses of "&List >>" (which fills the list) and of the
// "Airports" button while the list is shown (which empties and fills it again).
//
//   directto_list_bench [AIRPORTS]     prints the figures in milliseconds
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SharedSettings.h"
#include "DialogDriver.h"
#include "GaugeModulePath.h"
#include "GaugeResourceIds.h"
#include "GeneratedTables.h"
#include "PanelHost.h"
#include "TableEngine.h"

using host::DialogDriver;
using host::DialogStepKind;
using host::PanelHost;
using winkit::WriteDataPath;

namespace {

constexpr int Rounds = 5;
constexpr int DirectToButton = 5;  // the sixth button area

// A switched-on unit flying Direct-To the first airport.
bool MakeConfiguration(const std::string& directory)
{
    if (!CreateTable(directory, nav::ConfigTable, true)) return false;
    RecordAppendBlank();
    int one = 1;
    FieldReplace("POWER", SDE_INTEGER, &one);
    FieldReplace("LASTFILE", SDE_INTEGER, &one);
    FinishTable();
    return true;
}

// Milliseconds that `step` takes.
template <typename Step>
double Timed(Step step)
{
    auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char** argv)
{
    int airports = argc > 1 ? std::atoi(argv[1]) : 30000;
    if (airports < 1) airports = 1;

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string directory = std::string(temp) + "directto_list_bench\\";
    CreateDirectoryA(directory.c_str(), nullptr);
    EngineSetStartFlag(1);
    if (!MakeAirports(directory, airports) || !MakeConfiguration(directory) ||
        !MakeEmptyTables(directory, {&nav::NavaidsTable, &nav::UsersTable, &nav::RunwaysTable})) {
        std::fprintf(stderr, "cannot make the tables in %s\n", directory.c_str());
        return 1;
    }
    WriteDataPath(directory);

    PanelHost host;
    if (nav::Status loaded = host.Load(GaugeModuleBesideProgram()); !loaded) {
        std::fprintf(stderr, "%s\n", loaded.Message().c_str());
        return 1;
    }
    DialogDriver driver([](const std::string& line, bool failure) {
        if (failure) std::fprintf(stderr, "dialog: %s\n", line.c_str());
    });
    driver.Start();

    std::vector<double> shows, refills;
    int lines = 0;
    auto press = [&](HWND dialog, int control) {
        driver.Perform(dialog, {DialogStepKind::Press, 0, control, 0, {}});
    };
    driver.Expect("Direct To", [&](HWND dialog) {
        for (int round = 0; round < Rounds; ++round) {
            shows.push_back(Timed([&] { press(dialog, IDC_DIRECT_TO_LIST_TOGGLE); }));
            lines = static_cast<int>(
                SendDlgItemMessageA(dialog, IDC_DIRECT_TO_LIST, LB_GETCOUNT, 0, 0));
            refills.push_back(Timed([&] { press(dialog, IDC_DIRECT_TO_AIRPORTS); }));
            press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);  // hidden again
        }
        press(dialog, IDCANCEL);
    });
    host.ClickButton(DirectToButton);
    driver.Stop();
    std::string problem;
    host.Unload(problem);

    if (shows.empty() || lines != airports) {
        std::fprintf(stderr, "the list showed %d of %d names\n", lines, airports);
        return 1;
    }
    std::sort(shows.begin(), shows.end());
    std::sort(refills.begin(), refills.end());
    std::printf("Direct To, %d airports: \"&List >>\" fills the list in %.0f ms (median of %d, "
                "fastest %.0f ms)\n",
                airports, shows[Rounds / 2], Rounds, shows.front());
    std::printf("Direct To, %d airports: \"Airports\" with the list shown refills it in %.0f ms "
                "(median of %d)\n",
                airports, refills[Rounds / 2], Rounds);
    return 0;
}
