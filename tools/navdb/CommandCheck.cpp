// navdb check FILE: validates an import file without touching any table; prints each
// suspicious line as FILE:LINE: problem, then the count of records and problems and the
// file's line ends (CR LF for a file saved on Windows).
#include "ImportFileCheck.h"
#include "ImportKindNames.h"
#include "NavdbCommand.h"

#include <cstdio>

namespace navdb {

namespace {

using quillmap::CheckImportFile;
using quillmap::ImportFile;
using quillmap::ImportFileCheckReport;
using quillmap::ImportFileProblem;
using quillmap::LineEndsName;

CommandResult RunCheckCommand(const std::vector<std::string>& arguments)
{
    const std::string& fileName = arguments[0];
    ImportFile file(fileName.c_str());
    if (!file.IsOpen()) return nav::Fail("cannot open " + fileName);
    ImportFileCheckReport report = CheckImportFile(file);
    for (const ImportFileProblem& problem : report.problems)
        std::printf("%s:%d: %s\n", fileName.c_str(), problem.line, problem.message.c_str());
    std::printf("%s: %d %s records, %zu problems, line ends %s\n", fileName.c_str(),
                report.recordLines, NamesOfImportKind(report.kind).record, report.problems.size(),
                LineEndsName(report));
    return report.problems.empty() ? CommandResult() : CommandResult::AlreadyReported();
}

const CommandRegistration
    registration({"check", "FILE",
                  "validates a GPS import file and reports suspicious lines by "
                  "number; touches no table",
                  1, RunCheckCommand});

}  // namespace

}  // namespace navdb
