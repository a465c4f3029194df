// Runs a scenario (Scenario.h) against the panel host and writes its transcript: each
// command as written, then what it showed or why it failed.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "PanelHost.h"
#include "Scenario.h"

namespace host {

class ScenarioRunner {
public:
    ScenarioRunner(PanelHost& host, std::string gaugePath, std::FILE* transcript);

    // Runs every command; returns the number of failures (failed commands, failed
    // expectations, dialog faults and dialog blocks left unused).
    int Run(const std::vector<ScenarioCommand>& commands);

private:
    // One handler per command.
    void Execute(const ScenarioCommand& command);
    void SetDataPath(const ScenarioCommand& command);
    void PlaceAircraft(const ScenarioCommand& command);
    void Load(const ScenarioCommand& command);
    void Unload(const ScenarioCommand& command);
    void Click(const ScenarioCommand& command);
    void ExpectDialog(const ScenarioCommand& command);
    void ExpectScreen(const ScenarioCommand& command);
    void Shot(const ScenarioCommand& command);
    // One printer per topic of `print`.
    void Print(const std::string& topic);
    void PrintScreen();
    void PrintLamps();
    void PrintMarker();
    void PrintEvents();
    void PrintAircraft();
    void PrintState();
    void Say(const std::string& line);
    void Fail(int line, const std::string& message);

    PanelHost& host_;
    std::string gaugePath_;
    std::FILE* out_;
    DialogDriver dialogs_;
    size_t eventsPrinted_ = 0;
    int failures_ = 0;
    int expectations_ = 0;
};

}  // namespace host
