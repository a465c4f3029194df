// A table replaced whole: the work is done on a copy beside it, which one rename puts in the
// table's place, so that a process killed at any instant leaves the table as it was or as the
// work left it, never part-way. The copy keeps the table's base name under another extension,
// so the engine keeps its tags in the table's own index file (TABLE.QIX, TableEngine.h): the
// same rename makes that index the table's, stamped for it. Until then it is stamped for the
// copy, and an open of the table rebuilds it.
#pragma once

#include <string>

namespace quillmap {

class StagedTable {
public:
    // `tablePath` ends in the table's extension (".DBF").
    explicit StagedTable(const std::string& tablePath);
    // Removes the copy unless it was put in place.
    ~StagedTable();
    StagedTable(const StagedTable&) = delete;
    StagedTable& operator=(const StagedTable&) = delete;

    // Copies the table; false when it cannot be read or the copy cannot be written.
    bool Copy();
    const std::string& Path() const { return stagedPath_; }
    // Puts the copy, closed by then, in the table's place; false when it cannot (the table
    // then stays as it was).
    bool PutInPlace();

private:
    std::string tablePath_;
    std::string stagedPath_;
    bool placed_ = false;
};

}  // namespace quillmap
