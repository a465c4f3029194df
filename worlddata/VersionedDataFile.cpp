#include "VersionedDataFile.h"

#include "AsciiText.h"
#include "RowFields.h"

#include <charconv>

namespace worlddata {

VersionedDataFile::VersionedDataFile(DataFileReader& file, RowProblem problem, const char* kind,
                                     int firstVersion, int lastVersion)
    : file_(file), problem_(std::move(problem)), kind_(kind), firstVersion_(firstVersion),
      lastVersion_(lastVersion)
{
}

bool VersionedDataFile::ReadNonBlankLine(std::string& line)
{
    while (file_.ReadLine(line)) {
        if (!nav::IsBlankText(line)) return true;
    }
    return false;
}

nav::Status VersionedDataFile::ReadHeader()
{
    version_ = 0;
    std::string line;
    const std::string where = file_.Path() + ": ";
    std::string what = std::string("not ") + (kind_[0] == 'a' ? "an " : "a ") + kind_ + " file";
    if (!ReadNonBlankLine(line)) {
        if (!file_.ReadStatus()) return file_.ReadStatus();
        return nav::Fail(where + "empty file");
    }
    RowFields first(line);
    // Some distributions leave the "I" or "A" line out: the version line comes first then.
    bool byteOrderLine = first.Count() == 1 && (first[0] == "I" || first[0] == "A");
    if (byteOrderLine && !ReadNonBlankLine(line)) {
        if (!file_.ReadStatus()) return file_.ReadStatus();
        return nav::Fail(where + what + " (no version line)");
    }
    std::optional<int> version = RowFields(line).Integer(0);
    if (!version) {
        return nav::Fail(where + what + " (line " + std::to_string(file_.LineNumber()) +
                         (byteOrderLine ? " does not begin with a version number)"
                                        : " is neither \"I\" nor \"A\" nor a version line)"));
    }
    if (*version < firstVersion_ || *version > lastVersion_) {
        return nav::Fail(where + kind_ + " version " + std::to_string(*version) +
                         " is not read (versions " + std::to_string(firstVersion_) + " to " +
                         std::to_string(lastVersion_) + " are)");
    }
    version_ = *version;
    return {};
}

std::optional<int> ReadRowCode(const std::string& row)
{
    std::size_t start = row.find_first_not_of(" \t");
    if (start == std::string::npos) return std::nullopt;
    int code = 0;
    const char* end = row.data() + row.size();
    auto [after, error] = std::from_chars(row.data() + start, end, code);
    if (error != std::errc() || (after != end && *after != ' ' && *after != '\t'))
        return std::nullopt;
    return code;
}

}  // namespace worlddata
