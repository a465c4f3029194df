// What the readers of apt.dat and nav.dat share: the lines that open both files ("I" or
// "A", the byte order of old editions, which some distributions leave out, then a line
// beginning with the version number; empty lines before either are passed over), the row
// codes that start each row, the "99" row that ends the data, and where malformed rows are
// reported.
#pragma once

#include "DataFileReader.h"

#include <functional>
#include <optional>
#include <string>

namespace worlddata {

// The row that ends the data; whatever follows it is not read.
inline constexpr int EndOfDataRow = 99;

// A row that could not be read: its line and what is wrong.
using RowProblem = std::function<void(int line, const std::string& problem)>;

class VersionedDataFile {
public:
    // `kind` names the file in messages ("apt.dat"); versions first..last are read.
    VersionedDataFile(DataFileReader& file, RowProblem problem, const char* kind, int firstVersion,
                      int lastVersion);

    // Reads the header lines; fails, naming the file, when it does not begin that way or its
    // version is not read.
    nav::Status ReadHeader();
    int Version() const { return version_; }
    // Whether the "99" row was read: a file without it may have been cut short.
    bool Ended() const { return ended_; }

protected:
    void MarkEnded() { ended_ = true; }

    DataFileReader& file_;
    RowProblem problem_;

private:
    // False at the end of the file.
    bool ReadNonBlankLine(std::string& line);

    const char* kind_;
    int firstVersion_;
    int lastVersion_;
    int version_ = 0;
    bool ended_ = false;
};

// The row code at the start of a row; nothing for a row that starts otherwise.
std::optional<int> ReadRowCode(const std::string& row);

}  // namespace worlddata
