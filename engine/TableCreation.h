// Creation of new, empty dBase III tables, for the tools and tests that make the delivered
// tables (the deliverables themselves never create a table). Tags are created afterwards
// through the engine's own IndexTagCreate.
#pragma once

#include <string>
#include <vector>

namespace sde {

struct FieldSpec {
    std::string name;   // up to 10 characters; stored upper case
    char type;          // 'C' (width 1..65534) or 'N' (width 1..20, decimals < width - 1)
    int width;
    int decimals = 0;
};

// Creates (or replaces) the table file at `path` with no records, and removes an index
// file left from an earlier table of that name. Returns false, with a reason in `error`,
// when the definition is invalid or the file cannot be written.
bool createTable(const char* path, const std::vector<FieldSpec>& fields, std::string* error = nullptr);

}  // namespace sde
