// The import of world data in one go: the set converted into import files in a folder of
// its own under the temporary folder, those files imported into the tables of a data
// directory as any import file is (TableImport.h), and the folder removed.
#pragma once

#include "Conversion.h"
#include "Result.h"
#include "TableImport.h"
#include "WorldDataSet.h"

#include <string>
#include <vector>

namespace quillmap {

// The conversion's reports kept for the notice: enough to find the rows in the files.
inline constexpr std::size_t ProblemsKept = 5;

struct WorldDataImport {
    worlddata::ConversionSummary conversion;
    // The conversion's reports ("FILE:LINE: problem"): how many, and the first ProblemsKept.
    int problemCount = 0;
    std::vector<std::string> firstProblems;
    // One per table imported, in order; a table that could not be opened ends the import.
    std::vector<ImportResult> tables;
};

// Fails, with nothing imported, when the conversion failed or its files could not be staged
// or read.
nav::Expected<WorldDataImport> ImportWorldData(const WorldDataSet& set,
                                               const std::string& dataDirectory);

}  // namespace quillmap
