// The words navdb prints for the kind of an import file: "airport" in a count of lines
// ("12 airport records"), "airports" for what an import wrote ("airports into ...").
#pragma once

#include "ImportLayout.h"

namespace navdb {

struct ImportKindNames {
    const char* record;   // one record of the kind
    const char* records;  // the records of the kind as a whole
};

// For a file of no known kind: "unknown" records, "nothing" imported.
ImportKindNames NamesOfImportKind(nav::ImportKind kind);

}  // namespace navdb
