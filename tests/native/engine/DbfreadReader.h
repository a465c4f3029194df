// A table as python3-dbfread reads it (read_with_dbfread.py): one line per live record, its
// values joined by "|", then "deleted N" and the field widths.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ReadWithDbfread(const std::string& path);
