#include "DataFileHeader.h"

#include "RowFields.h"

#include <charconv>

namespace worlddata {

int ReadDataFileVersion(DataFileReader& file, const char* kind, int first, int last, std::string& error)
{
    std::string line;
    std::string what = std::string("not ") + (kind[0] == 'a' ? "an " : "a ") + kind + " file";
    if (!file.ReadLine(line)) {
        error = file.Failed() ? file.Error() : "empty file";
        return 0;
    }
    RowFields marker(line);
    if (marker.Count() != 1 || (marker[0] != "I" && marker[0] != "A")) {
        error = what + " (line 1 is not \"I\" or \"A\")";
        return 0;
    }
    if (!file.ReadLine(line)) {
        error = file.Failed() ? file.Error() : what + " (no version line)";
        return 0;
    }
    std::optional<int> version = RowFields(line).Integer(0);
    if (!version) {
        error = what + " (line 2 does not begin with a version number)";
        return 0;
    }
    if (*version < first || *version > last) {
        error = std::string(kind) + " version " + std::to_string(*version) + " is not read (versions "
                + std::to_string(first) + " to " + std::to_string(last) + " are)";
        return 0;
    }
    return *version;
}

std::optional<int> ReadRowCode(const std::string& row)
{
    std::size_t start = row.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::nullopt;
    int code = 0;
    const char* end = row.data() + row.size();
    auto [after, error] = std::from_chars(row.data() + start, end, code);
    if (error != std::errc() || (after != end && *after != ' ' && *after != '\t'))
        return std::nullopt;
    return code;
}

bool IsBlankRow(const std::string& row) { return row.find_first_not_of(" \t") == std::string::npos; }

}  // namespace worlddata
