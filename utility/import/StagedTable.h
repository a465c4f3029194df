// A table replaced whole: the work is done on a copy beside it, which one rename puts in the
// table's place (sde::StagedFile), so that a process killed at any instant leaves the table as
// it was or as the work left it, never part-way. The copy keeps the table's base name under
// another extension, so the engine keeps its tags in the table's own index file (TABLE.QIX,
// TableEngine.h): the same rename makes that index the table's, stamped for it. Until then it
// is stamped for the copy, and an open of the table rebuilds it.
#pragma once

#include "Result.h"
#include "StagedFile.h"

#include <string>

namespace quillmap {

class StagedTable {
public:
    // `tablePath` ends in the table's extension (".DBF").
    explicit StagedTable(const std::string& tablePath);

    // Copies the table; fails when it cannot be read or the copy cannot be written.
    nav::Status Copy();
    const std::string& Path() const { return copy_.StagedPath(); }
    // Puts the copy, closed by then, in the table's place; on a failure the table stays as
    // it was. A copy not put in place is removed.
    nav::Status PutInPlace() { return copy_.PutInPlace(); }

private:
    sde::StagedFile copy_;
};

}  // namespace quillmap
