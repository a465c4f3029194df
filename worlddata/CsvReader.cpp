#include "CsvReader.h"

#include <utility>

namespace worlddata {

CsvReader::CsvReader(DataFileReader& file) : file_(file) {}

bool CsvReader::Next()
{
    fields_.clear();
    rowCut_ = false;
    std::string line;
    do {
        if (!file_.ReadLine(line)) return false;
    } while (line.empty());
    line_ = file_.LineNumber();
    std::size_t rowBytes = line.size();
    std::string field;
    bool quoted = false;
    bool fieldStart = true;
    for (;;) {
        for (std::size_t at = 0; at < line.size(); ++at) {
            char c = line[at];
            bool starting = std::exchange(fieldStart, false);
            if (quoted) {
                if (c != '"') {
                    field += c;
                } else if (at + 1 < line.size() && line[at + 1] == '"') {
                    field += '"';
                    ++at;
                } else {
                    quoted = false;
                }
            } else if (c == '"' && starting) {
                quoted = true;
            } else if (c == ',') {
                fields_.push_back(std::move(field));
                field.clear();
                fieldStart = true;
            } else {
                // A quote inside an unquoted field (5" pad) is taken as it stands.
                field += c;
            }
        }
        if (!quoted) break;
        // A line break inside quotes belongs to the field; a quote that never closes would
        // swallow the rest of the file, so the row stops at MaximumLineBytes.
        if (rowBytes >= MaximumLineBytes || !file_.ReadLine(line)) {
            rowCut_ = true;
            break;
        }
        rowBytes += line.size() + 1;
        field += '\n';
    }
    fields_.push_back(std::move(field));
    return true;
}

nav::Status CsvReader::ReadHeader(std::span<const std::string_view> required)
{
    if (!Next()) {
        if (!file_.ReadStatus()) return file_.ReadStatus();
        return nav::Fail(file_.Path() + ": empty file, no header row");
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) columns_.try_emplace(fields_[i], i);
    for (std::string_view column : required) {
        if (!columns_.contains(std::string(column)))
            return nav::Fail(file_.Path() + ": no column \"" + std::string(column) +
                             "\" in the header row");
    }
    return {};
}

std::string_view CsvReader::Field(std::string_view column) const
{
    auto found = columns_.find(std::string(column));
    if (found == columns_.end() || found->second >= fields_.size()) return {};
    return fields_[found->second];
}

}  // namespace worlddata
