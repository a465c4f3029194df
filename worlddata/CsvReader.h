// A CSV file (RFC 4180) read one row at a time, streaming, through DataFileReader (so plain
// or gzip-compressed): fields separated by commas, optionally in double quotes, "" inside
// quotes a quote; quoted fields may hold commas and line breaks. The first row names the
// columns, and fields are looked up by those names, so the order of the columns does not
// matter.
#pragma once

#include "DataFileReader.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace worlddata {

class CsvReader {
public:
    explicit CsvReader(DataFileReader& file);

    // Reads the header row; fails, naming the file, when it is empty or lacks one of the
    // `required` columns.
    nav::Status ReadHeader(std::span<const std::string_view> required);
    // The next row; false at the end of the file or when reading failed. Blank lines are
    // passed over.
    bool Next();
    // The line the row starts on.
    int Line() const { return line_; }
    // Whether the row was cut at MaximumLineBytes (a quote never closed, say): its fields are
    // not to be trusted.
    bool RowCut() const { return rowCut_; }
    // The field of the column named `column`; empty when the file has no such column or the
    // row ends before it.
    std::string_view Field(std::string_view column) const;

private:
    DataFileReader& file_;
    std::unordered_map<std::string, std::size_t> columns_;
    std::vector<std::string> fields_;
    int line_ = 0;
    bool rowCut_ = false;
};

}  // namespace worlddata
