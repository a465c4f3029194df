#include "FuzzTargets.h"

#include "ImportFile.h"
#include "ImportFileCheck.h"
#include "ImportLayout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

using namespace quillmap;

namespace {

// What every line read must be, whatever the file holds.
void CheckLine(const ImportLine& line, const char* buffer, std::size_t size)
{
    if (line.length >= size || buffer[line.length] != '\0' || std::strlen(buffer) != line.length ||
        std::memchr(buffer, '\n', line.length) ||
        (line.length > 0 && buffer[line.length - 1] == '\r' && !line.cut))
        std::abort();
}

std::string WriteFile(const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchDirectory() + "IMPORT.GPS";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

}  // namespace

int FuzzImportLine(const std::uint8_t* data, std::size_t size)
{
    const std::string path = WriteFile(data, size);

    // Line by line, as the import reads: the signature line, then record lines.
    ImportFile file(path.c_str());
    char signature[nav::SignatureLineSize];
    ImportLine line = ReadImportLine(file, signature);
    CheckLine(line, signature, sizeof signature);
    const nav::ImportKind kind = nav::ImportKindOfSignature({signature, line.length});
    char record[nav::RecordLineSize];
    int64_t before = file.BytesRead();
    while (file.BytesRead() < file.Size()) {
        line = ReadImportLine(file, record);
        CheckLine(line, record, sizeof record);
        if (file.BytesRead() <= before)
            std::abort();  // a read that moves nowhere would loop for ever
        before = file.BytesRead();
        const std::string_view text(record, line.length);
        for (nav::ImportKind each : {kind, nav::ImportKind::Airports, nav::ImportKind::Runways,
                                     nav::ImportKind::Navaids}) {
            for (const nav::ImportColumn& column : nav::ImportColumns(each)) {
                const std::string_view columnText = nav::ColumnText(text, column);
                nav::ParseImportInteger(columnText);
                nav::ParseImportReal(columnText);
            }
        }
    }

    ImportFile checked(path.c_str());
    const ImportFileCheckReport report = CheckImportFile(checked);
    for (const ImportFileProblem& problem : report.problems) {
        if (problem.line < 1 || problem.line > checked.LinesRead()) std::abort();
    }
    LineEndsName(report);
    return 0;
}

}  // namespace fuzz
