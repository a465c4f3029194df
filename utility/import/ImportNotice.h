// What the end of an import tells the user: for an import file, that it completed or which
// table could not be opened; for world data, what was imported into each table, what the
// conversion skipped, by reason, the files of the set that were not at hand and the first
// problems reported, or why nothing (or not everything) was imported.
#pragma once

#include "Result.h"
#include "TableImport.h"
#include "WorldDataImport.h"
#include "WorldDataSet.h"

#include <string>

namespace quillmap {

enum class NoticeKind {
    Completed,
    Warning,  // completed, with something the user should look at
    Failed,
};

struct ImportNotice {
    NoticeKind kind = NoticeKind::Completed;
    std::string text;
};

ImportNotice ImportFileNotice(const ImportResult& result);
ImportNotice WorldDataImportNotice(const WorldDataSet& set,
                                   const nav::Expected<WorldDataImport>& outcome);

}  // namespace quillmap
