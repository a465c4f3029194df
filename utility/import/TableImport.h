// The import of an import file into the navigation tables of a data directory:
// airports and navaids merged by NUM, runways replaced airport by airport (in a copy of the
// table that takes its place whole at the end, StagedTable.h).
#pragma once

#include "ImportFile.h"
#include "ImportLayout.h"

#include <functional>
#include <string>

namespace quillmap {

struct ImportResult {
    nav::ImportKind kind = nav::ImportKind::NotImportFile;
    std::string tableFile;  // the table written, as opened (data directory + file name)
    // false: nothing was written (the table could not be opened, or could not take the
    // replaced runways' place)
    bool tableOpened = false;
    int recordsAdded = 0;
    int recordsOverwritten = 0;  // airports and navaids whose NUM was already stored
    int runwaysReplaced = 0;     // stored runways removed because the file names their airport
    int linesCut = 0;            // record lines longer than the line buffer
    // Airports that asked for the computed variation where the field model failed; their
    // VAR holds UndeterminedAngleDegrees, their other fields are imported.
    int variationsNotComputed = 0;
};

// Called every ImportProgressInterval record lines with the file being read.
using ImportProgress = std::function<void(const ImportFile&)>;
inline constexpr int ImportProgressInterval = 1000;

// Each reads from the line after the signature line to the first empty line. The table
// file is the data directory followed directly by the table's file name, so the directory
// ends with its separator (or is empty for the current directory).
ImportResult ImportAirports(ImportFile& file, const std::string& dataDirectory,
                            const ImportProgress& progress = {});
ImportResult ImportRunways(ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress = {});
ImportResult ImportNavaids(ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress = {});

// Reads the signature line (line 1) and tells the kind of file.
nav::ImportKind ReadImportSignature(ImportFile& file);

// Runs the import of a kind on a file whose signature line has been read; an unrecognised
// kind or a file that is not an import file imports nothing.
ImportResult ImportRecords(nav::ImportKind kind, ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress = {});

}  // namespace quillmap
