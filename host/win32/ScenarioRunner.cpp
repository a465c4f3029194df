#include "ScenarioRunner.h"

#include <windows.h>

#include <cmath>
#include <cstdio>

#include "ButtonLabels.h"
#include "SharedSettings.h"

namespace host {

namespace {

// Expands %NAME% environment references, as the command shell does.
std::string ExpandEnvironment(const std::string& text)
{
    char expanded[MAX_PATH * 4];
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
    return length == 0 || length > sizeof expanded ? text : std::string(expanded);
}

std::string Recode(const std::string& text, UINT from, UINT to, DWORD flags)
{
    if (text.empty()) return text;
    int wideLength =
        MultiByteToWideChar(from, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideLength == 0) return text;
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(from, flags, text.data(), static_cast<int>(text.size()), wide.data(),
                        wideLength);
    int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
}

// Scenario files are UTF-8 text; a line that is not valid UTF-8 is taken as it stands.
std::string ToScreenText(const std::string& scenarioText)
{
    return Recode(scenarioText, CP_UTF8, ScreenCodePage, MB_ERR_INVALID_CHARS);
}

// The transcript is UTF-8 too.
std::string FromScreenText(const std::string& screenText)
{
    return Recode(screenText, ScreenCodePage, CP_UTF8, 0);
}

std::string Format(const char* format, auto... values)
{
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Hemisphere(double degrees, char positive, char negative)
{
    return Format("%.4f %c", std::fabs(degrees), degrees < 0 ? negative : positive);
}

int ButtonIndex(const std::string& label)
{
    for (int i = 0; i < static_cast<int>(std::size(ButtonLabels)); ++i)
        if (label == ButtonLabels[i]) return i;
    return -1;
}

}  // namespace

ScenarioRunner::ScenarioRunner(PanelHost& host, std::string gaugePath, std::FILE* transcript)
    : host_(host), gaugePath_(std::move(gaugePath)), out_(transcript),
      dialogs_([this](const std::string& line, bool failure) {
          if (failure)
              Fail(0, line);
          else
              Say(line);
      })
{
    dialogs_.SetClock([this](int seconds) { host_.RunSeconds(seconds); });
}

void ScenarioRunner::Say(const std::string& line)
{
    std::fprintf(out_, "  %s\n", line.c_str());
    std::fflush(out_);
}

void ScenarioRunner::Fail(int line, const std::string& message)
{
    ++failures_;
    if (line > 0)
        std::fprintf(out_, "FAIL line %d: %s\n", line, message.c_str());
    else
        std::fprintf(out_, "FAIL: %s\n", message.c_str());
    std::fflush(out_);
}

int ScenarioRunner::Run(const std::vector<ScenarioCommand>& commands)
{
    dialogs_.Start();
    for (const ScenarioCommand& command : commands) {
        std::fprintf(out_, "> %s\n", command.source.c_str());
        std::fflush(out_);
        Execute(command);
    }
    dialogs_.Stop();
    for (const DialogDriver::Expectation& expected : dialogs_.Pending())
        Fail(expected.block.line, "the dialog \"" + expected.block.caption + "\" never opened");
    std::fprintf(out_, "scenario: %zu commands, %d expectations, %d failures\n", commands.size(),
                 expectations_ + dialogs_.Checks(), failures_);
    std::fflush(out_);
    return failures_;
}

void ScenarioRunner::Execute(const ScenarioCommand& command)
{
    switch (command.kind) {
    case CommandKind::Data:
        SetDataPath(command);
        break;
    case CommandKind::Aircraft:
        PlaceAircraft(command);
        break;
    case CommandKind::Variation:
        host_.Aircraft().SetVariation(command.numbers[0]);
        break;
    case CommandKind::Wind:
        host_.Aircraft().SetWind(command.numbers[0], command.numbers[1]);
        break;
    case CommandKind::Load:
        Load(command);
        break;
    case CommandKind::Unload:
        Unload(command);
        break;
    case CommandKind::Click:
        Click(command);
        break;
    case CommandKind::Dialog:
        ExpectDialog(command);
        break;
    case CommandKind::Run:
        host_.RunSeconds(static_cast<int>(command.numbers[0]));
        break;
    case CommandKind::Print:
        Print(command.text);
        break;
    case CommandKind::ExpectScreen:
        ExpectScreen(command);
        break;
    case CommandKind::Shot:
        Shot(command);
        break;
    }
}

void ScenarioRunner::SetDataPath(const ScenarioCommand& command)
{
    std::string path = ExpandEnvironment(command.text);
    if (winkit::WriteDataPath(path))
        Say("PATH = " + path);
    else
        Fail(command.line, "cannot write the registry value PATH");
}

void ScenarioRunner::PlaceAircraft(const ScenarioCommand& command)
{
    const std::vector<double>& n = command.numbers;
    AircraftPlacement placement = host_.Aircraft().Placement();
    placement.latitude = n[0];
    placement.longitude = n[1];
    if (n.size() > 2) placement.altitudeFeet = n[2];
    if (n.size() > 3) placement.heading = n[3];
    if (n.size() > 4) placement.knots = n[4];
    host_.Aircraft().Place(placement);
}

void ScenarioRunner::Load(const ScenarioCommand& command)
{
    if (nav::Status loaded = host_.Load(gaugePath_); !loaded) {
        Fail(command.line, loaded.Message());
        return;
    }
    Say("loaded " + gaugePath_);
    if (!host_.TimersBound())
        Fail(command.line, "the module imports no SetTimer and KillTimer to bind to the clock");
}

void ScenarioRunner::Unload(const ScenarioCommand& command)
{
    std::string problem;
    if (host_.Unload(problem))
        Say("unloaded");
    else
        Fail(command.line, problem);
}

void ScenarioRunner::Click(const ScenarioCommand& command)
{
    if (!host_.Loaded())
        Fail(command.line, "no gauge is loaded");
    else if (!host_.ClickButton(ButtonIndex(command.text)))
        Fail(command.line, "the gauge has no button area for " + command.text);
}

void ScenarioRunner::ExpectDialog(const ScenarioCommand& command)
{
    DialogBlock block = *command.dialog;
    for (DialogStep& step : block.steps)
        step.text = step.kind == DialogStepKind::File || step.kind == DialogStepKind::Shot
                        ? ExpandEnvironment(step.text)
                        : ToScreenText(step.text);
    dialogs_.Expect(std::move(block));
}

void ScenarioRunner::ExpectScreen(const ScenarioCommand& command)
{
    ++expectations_;
    int line = static_cast<int>(command.numbers[0]);
    if (!host_.Loaded()) {
        Fail(command.line, "no gauge is loaded");
        return;
    }
    std::string shown = host_.ScreenText(line);
    if (shown == ToScreenText(command.text))
        Say("ok");
    else
        Fail(command.line, Format("screen line %d is \"%s\", expected \"%s\"", line,
                                  FromScreenText(shown).c_str(), command.text.c_str()));
}

void ScenarioRunner::Shot(const ScenarioCommand& command)
{
    PixelView frame = host_.Frame();
    std::string path = ExpandEnvironment(command.text);
    if (!frame.pixels) {
        Fail(command.line, "nothing has been drawn yet");
        return;
    }
    std::vector<uint8_t> file = EncodeBitmapFile(frame);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size()) {
        if (f) std::fclose(f);
        Fail(command.line, "cannot write " + path);
        return;
    }
    std::fclose(f);
    Say(Format("%dx%d written to %s", frame.width, frame.height, path.c_str()));
}

void ScenarioRunner::Print(const std::string& topic)
{
    if (topic == "screen")
        PrintScreen();
    else if (topic == "lamps")
        PrintLamps();
    else if (topic == "marker")
        PrintMarker();
    else if (topic == "events")
        PrintEvents();
    else if (topic == "aircraft")
        PrintAircraft();
    else if (topic == "state")
        PrintState();
}

void ScenarioRunner::PrintScreen()
{
    for (int line = 1; line <= host_.TextLineCount(); ++line)
        Say(Format("%d|%s|", line, FromScreenText(host_.ScreenText(line)).c_str()));
}

void ScenarioRunner::PrintLamps()
{
    std::string text = "lamps:";
    for (const LampState& lamp : host_.Lamps())
        text += (text.size() > 6 ? ", " : " ") + lamp.name + (lamp.lit ? " on" : " off");
    Say(text);
}

void ScenarioRunner::PrintMarker()
{
    MarkerState marker = host_.Marker();
    Say(marker.shown ? Format("marker: shown, offset %+.0f px", marker.offset)
                     : std::string("marker: hidden"));
}

// The events sent since the last print.
void ScenarioRunner::PrintEvents()
{
    const std::vector<RecordedEvent>& events = host_.Events();
    std::string text = "events:";
    if (eventsPrinted_ == events.size()) text += " none";
    for (size_t i = eventsPrinted_; i < events.size(); ++i)
        text +=
            Format("%s 0x%X %d", i == eventsPrinted_ ? "" : ",", events[i].event, events[i].value);
    eventsPrinted_ = events.size();
    Say(text);
}

void ScenarioRunner::PrintAircraft()
{
    const SimulatedAircraft& a = host_.Aircraft();
    const AircraftPlacement& p = a.Placement();
    Say("aircraft: " + Hemisphere(p.latitude, 'N', 'S') + " " + Hemisphere(p.longitude, 'E', 'W') +
        Format(", %.0f ft, heading %05.1f, %.0f kt, variation %.1f, wind %.0f kt from %.0f",
               p.altitudeFeet, p.heading, p.knots, a.Variation(), a.WindSpeed(),
               a.WindDirection()) +
        (a.AutopilotEngaged() ? Format(", autopilot on heading %03.0f", a.AutopilotHeading())
                              : std::string(", autopilot off")));
}

void ScenarioRunner::PrintState()
{
    const std::vector<ClockTimer>& timers = host_.Clock().Timers();
    std::string timer = timers.empty()
                            ? std::string("gauge timer stopped")
                            : Format("gauge timer running (%u ms)", timers.front().periodMs);
    Say(Format("state: %s, drawn %s, %s, clock %llu s, switched off %d times, "
               "system-menu commands %d",
               host_.Loaded() ? "loaded" : "not loaded",
               host_.DrawnPowered() ? "powered" : "unpowered", timer.c_str(),
               static_cast<unsigned long long>(host_.Clock().NowMs() / 1000),
               host_.SwitchOffCount(), host_.SystemMenuCount()));
}

}  // namespace host
