// A table engine double for the record editors' call order: every engine call is written
// to a log as text, and reads, counts and position tests answer from values the test sets.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace enginelog {

struct State {
    std::vector<std::string> calls;
    std::map<std::string, std::string> strings;  // FieldGetString by field...
    std::map<std::string, std::vector<std::string>> sequences;  // ...or these, one per read
    std::map<std::string, short> integers;       // FieldGetInteger by field
    int queryCount = 0;
    short atBof = 0;
    short atEof = 0;
    int openResult = 1;          // TableOpen's result for every table...
    std::string failingAlias;    // ...except this one, which gives 0
};

// The double's state; Reset before each test.
State& Engine();
void Reset();

}  // namespace enginelog
