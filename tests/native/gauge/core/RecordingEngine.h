// A recording stand-in for the table engine: logs every call in order and answers reads
// from one set of field values, so tests can check what the gauge asks and in which order.
#pragma once

#include <map>
#include <string>
#include <vector>

struct RecordingEngine {
    std::vector<std::string> calls;
    bool openSucceeds = true;
    bool atEof = false;
    int queryCount = 0;
    std::map<std::string, std::string> texts;
    std::map<std::string, short> integers;
    std::map<std::string, double> doubles;

    // The calls whose text starts with `prefix`.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

extern RecordingEngine engine;
