// panelhost: loads gps.gau as the simulator's panel system would and drives it, either
// interactively in a window in real time, or from a scenario on a virtual clock.
//
//   panelhost [--gauge PATH] [--scale N]                     interactive
//   panelhost [--gauge PATH] [--no-main-window] --script FILE|-   scenario (- : standard input)
//   panelhost ... --script FILE --interactive                scenario, then interactive
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "PanelHost.h"
#include "PanelWindow.h"
#include "Scenario.h"
#include "ScenarioRunner.h"

using host::PanelHost;
using host::ScenarioError;
using host::ScenarioRunner;

namespace {

constexpr int DefaultScale = 4;

const char Usage[] =
    "usage: panelhost [--gauge PATH] [--scale N] [--no-main-window] [--script FILE|-] "
    "[--interactive]\n"
    "  without --script the gauge runs interactively in real time;\n"
    "  with --script the scenario runs on the virtual clock and prints a transcript\n"
    "  (exit 0 when every command and expectation passed)\n";

struct Options {
    std::string gauge;
    std::string script;
    bool haveScript = false;
    bool interactive = false;
    bool mainWindow = true;
    int scale = DefaultScale;
};

std::string BesideProgram(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : folder.substr(0, slash + 1)) + name;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--gauge" && hasValue) {
            options.gauge = argv[++i];
        } else if (arg == "--scale" && hasValue) {
            options.scale = std::atoi(argv[++i]);
            if (options.scale < 1 || options.scale > 16) return false;
        } else if (arg == "--script") {
            options.haveScript = true;
            bool named = hasValue && std::strncmp(argv[i + 1], "--", 2) != 0;
            options.script = named ? argv[++i] : "-";
        } else if (arg == "--interactive") {
            options.interactive = true;
        } else if (arg == "--no-main-window") {
            options.mainWindow = false;
        } else {
            return false;
        }
    }
    if (!options.haveScript) options.interactive = true;
    if (options.interactive && !options.mainWindow) return false;
    if (options.gauge.empty()) options.gauge = BesideProgram("gps.gau");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(Usage, stderr);
        return 2;
    }

    PanelHost host(options.mainWindow);
    int failures = 0;
    if (options.haveScript) {
        std::ifstream file;
        std::istream* in = &std::cin;
        if (options.script != "-") {
            file.open(options.script, std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "panelhost: cannot read %s\n", options.script.c_str());
                return 2;
            }
            in = &file;
        }
        ScenarioError error{};
        auto commands = ParseScenario(*in, error);
        if (!commands) {
            std::fprintf(stderr, "panelhost: %s:%d: %s\n", options.script.c_str(), error.line,
                         error.message.c_str());
            return 2;
        }
        failures = ScenarioRunner(host, options.gauge, stdout).Run(*commands);
    }

    if (options.interactive) {
        if (!host.Loaded()) {
            if (nav::Status loaded = host.Load(options.gauge); !loaded) {
                std::fprintf(stderr, "panelhost: %s\n", loaded.Message().c_str());
                return 1;
            }
        }
        RunInteractive(host, options.scale);
    }
    return failures == 0 ? 0 : 1;
}
