// A recording stand-in for the table engine's C interface, shared by the native tests of
// the gauge and of the record editors: its calls are written to a log as text, in order,
// and reads, counts and position tests answer from values the test sets.
#pragma once

#include <map>
#include <string>
#include <vector>

struct RecordingEngine {
    // The log, one entry a call: "TableOpen(path,alias,mode,kind)", "RecordGoTop". By default
    // it keeps TableOpen, TableSetPassword, TableCloseAll, TagOrder, RecordGoTop, RecordSkip,
    // RecordSeek, QuerySet and FieldReplace, the calls the gauge's tests follow; with
    // `everyCall` it keeps every call, reads, tests and settings included.
    std::vector<std::string> calls;
    bool everyCall = false;

    bool openSucceeds = true;  // TableOpen's result for every table...
    std::string failingAlias;  // ...except this one, which fails
    bool atBof = false;
    bool atEof = false;  // RecordSeek finds a record unless at the end
    int queryCount = 0;
    std::map<std::string, std::string> texts;                   // FieldGetString by field...
    std::map<std::string, std::vector<std::string>> sequences;  // ...or these, one per read
    std::map<std::string, short> integers;                      // FieldGetInteger by field
    std::map<std::string, double> doubles;                      // FieldGetDouble by field

    // The calls whose text starts with `prefix`.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

// The one engine the code under test calls; tests reset it with `engine = RecordingEngine{}`.
extern RecordingEngine engine;

// Resets the engine to log every call, for tests of a complete call order.
void RecordEveryCall();
