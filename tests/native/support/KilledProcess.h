// A program stopped at an exact point: run under strace, it is killed on entry to its n-th
// call of a system call (the n - 1 calls before it were made). The kill tests run a writer so
// for n = 1, 2, ... until it finishes, and look at what each kill left.
#pragma once

#include <string>
#include <vector>

// strace is what places the kill; without it the kill tests are skipped.
bool StraceInstalled();

// Runs `program arguments...` (its standard output dropped), killed on entry to its call
// number `n` of any of `syscalls` (a set as strace's -e trace takes it, counted per call).
// True when it was killed, false when it finished first; any other end fails the test.
bool RunKilledAtCall(const std::string& syscalls, int n, const std::string& program,
                     const std::vector<std::string>& arguments);
