// Validation of an import file without touching any table: each suspicious line is
// reported by its number.
#pragma once

#include "ImportFile.h"
#include "ImportLayout.h"

#include <string>
#include <vector>

namespace quillmap {

struct ImportFileProblem {
    int line;  // 1 for the signature line
    std::string message;
};

struct ImportFileCheckReport {
    nav::ImportKind kind = nav::ImportKind::NotImportFile;
    int recordLines = 0;
    std::vector<ImportFileProblem> problems;
    // Lines read that ended with a carriage return and a line feed, or a line feed alone.
    int carriageReturnLineFeeds = 0;
    int lineFeeds = 0;
};

// The line ends of the lines read: "CR LF", "LF", "mixed CR LF and LF" or "none".
const char* LineEndsName(const ImportFileCheckReport& report);

// Reports: a first line that is not a signature or names no known kind; record lines that
// are longer than the line buffer, or too short to hold every number column; number
// columns that are not numbers; hemisphere codes other than 0 or 1; degrees, minutes or
// seconds out of range; non-empty lines after the empty line that ends the records.
ImportFileCheckReport CheckImportFile(ImportFile& file);

}  // namespace quillmap
