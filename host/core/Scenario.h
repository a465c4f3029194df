// The panel host's scenario language: one command a line, read whole before it runs.
//
//   data PATH                      the gauge's data directory (registry value "PATH")
//   aircraft LAT LON [ALT_FT [HDG_MAG [KT]]]   degrees, north and east positive
//   variation DEG                  simulator form: 0 to 360, east positive
//   wind KT DIR
//   load | unload
//   click NAV|INF|ALR|SET|PWR|DTO|RTE|AUT|<|>
//   dialog CAPTION                 answer the next dialog with this caption, with:
//     text ID TEXT | select ID INDEX | press ID | file PATH
//     close                        the window's close box
//     expect ID TEXT               the control's text without trailing blanks (a list:
//                                  its selected line, empty without a selection)
//     count ID N                   the list has N lines
//     run SECONDS                  simulated seconds while the dialog stays open
//     shot FILE.bmp                a picture of the dialog window
//   end
//   run SECONDS
//   print screen|lamps|marker|events|aircraft|state
//   expect screen N TEXT
//   shot FILE.bmp
//
// A line whose first non-blank character is '#' is a comment, and so is a '#' after
// the arguments of a command that ends in numbers or words. A CAPTION with blanks is
// written in double quotes. TEXT is everything after the one blank that follows the
// word before it, blanks included; a PATH is the rest of the line without trailing blanks.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace host {

enum class DialogStepKind {
    Text,
    Select,
    Press,
    File,
    Close,
    Expect,
    Count,
    Run,
    Shot
};

struct DialogStep {
    DialogStepKind kind;
    int line;
    int control = 0;   // Text, Select, Press, Expect, Count
    int index = 0;     // Select: the line; Count: the lines; Run: the seconds
    std::string text;  // Text: what to type; Expect: what to find; File, Shot: the path
};

struct DialogBlock {
    std::string caption;
    int line;
    std::vector<DialogStep> steps;
};

enum class CommandKind {
    Data,
    Aircraft,
    Variation,
    Wind,
    Load,
    Unload,
    Click,
    Dialog,
    Run,
    Print,
    ExpectScreen,
    Shot
};

struct ScenarioCommand {
    CommandKind kind;
    int line;
    std::string source;           // the line as written, for the transcript
    std::string text;             // Data, Shot: path; Click: label; Print: what;
                                  // ExpectScreen: the expected text
    std::vector<double> numbers;  // Aircraft, Variation, Wind, Run, ExpectScreen (line)
    std::optional<DialogBlock> dialog;
};

struct ScenarioError {
    int line;
    std::string message;
};

// What `print` can show.
extern const char* const PrintTopics[6];

// Reads a whole scenario; on a fault returns nothing and fills `error`.
std::optional<std::vector<ScenarioCommand>> ParseScenario(std::istream& in, ScenarioError& error);

}  // namespace host
