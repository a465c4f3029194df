// navdb import DIR FILE...: imports each import file into the navigation tables of DIR,
// as the Import button does, and prints what it did.
#include "GeomagneticModel.h"
#include "ImportKindNames.h"
#include "NavdbCommand.h"
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "TableImport.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace navdb {

namespace {

using magnetic::UndeterminedAngleDegrees;
using nav::ImportKind;
using nav::RecordLineSize;
using quillmap::ImportFile;
using quillmap::ImportProgress;
using quillmap::ImportRecords;
using quillmap::ImportResult;
using quillmap::ReadImportSignature;

// Files above this size get a progress line, redrawn in place, on a terminal only: a log or a
// pipe gets the counts at the end.
constexpr int64_t LargeFileBytes = 512 * 1024;

// The figures of one file; `seconds` is the time of the import itself, and the records per
// second count the records added or overwritten.
void PrintResult(const std::string& fileName, const ImportResult& result, double seconds)
{
    std::printf("%s: %s into %s: %d added", fileName.c_str(),
                NamesOfImportKind(result.kind).records, result.tableFile.c_str(),
                result.recordsAdded);
    if (result.kind == nav::ImportKind::Runways)
        std::printf(", %d stored runways replaced", result.runwaysReplaced);
    else
        std::printf(", %d overwritten", result.recordsOverwritten);
    std::printf(", %d lines cut (longer than %zu characters)", result.linesCut,
                nav::RecordLineSize - 1);
    if (result.variationsNotComputed > 0)
        std::printf(", %d variations not computed (VAR %d)", result.variationsNotComputed,
                    UndeterminedAngleDegrees);
    int records = result.recordsAdded + result.recordsOverwritten;
    std::printf(", %.3f s, %.0f records/s\n", seconds, seconds > 0 ? records / seconds : 0.0);
}

// Fails when the file could not be imported.
nav::Status ImportOneFile(const std::string& directory, const std::string& fileName)
{
    ImportFile file(fileName.c_str());
    if (!file.IsOpen()) return nav::Fail("cannot open " + fileName);
    nav::ImportKind kind = ReadImportSignature(file);
    if (kind == nav::ImportKind::NotImportFile)
        return nav::Fail(fileName + ": not a GPS import file (line 1 does not begin with IMPORT)");
    if (kind == nav::ImportKind::Unrecognised) {
        std::printf("%s: the kind on line 1 is none of A, R, N: nothing imported\n",
                    fileName.c_str());
        return {};
    }

    bool large = file.Size() > LargeFileBytes && isatty(STDERR_FILENO);
    ImportProgress progress;
    if (large) {
        progress = [&fileName](const ImportFile& read) {
            std::fprintf(stderr, "\r%s: %d lines, %d%%", fileName.c_str(), read.LinesRead(),
                         static_cast<int>(read.BytesRead() * 100 / read.Size()));
            std::fflush(stderr);
        };
    }
    auto start = std::chrono::steady_clock::now();
    ImportResult result = ImportRecords(kind, file, directory, progress);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (large) std::fprintf(stderr, "\r%s: %d lines, 100%%\n", fileName.c_str(), file.LinesRead());
    if (!result.tableOpened)
        return nav::Fail(fileName + ": cannot open " + result.tableFile +
                         " (missing, or in use by another program); nothing imported");
    PrintResult(fileName, result, seconds);
    return {};
}

CommandResult RunImportCommand(const std::vector<std::string>& arguments)
{
    nav::StartTableEngine(nav::DeletedRecords::Shown);
    std::string directory = DirectoryWithSeparator(arguments[0]);
    CommandResult result;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (nav::Status imported = ImportOneFile(directory, arguments[i]); !imported)
            result.Add(imported.Failed());
    return result;
}

const CommandRegistration
    registration({"import", "DIR FILE...",
                  "imports GPS import files into the tables of DIR (airports and "
                  "navaids merged by NUM, runways replaced per airport)",
                  2, RunImportCommand, true});

}  // namespace

}  // namespace navdb
