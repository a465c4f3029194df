#include "ImportFileCheck.h"

#include "AsciiText.h"

#include <algorithm>
#include <cstring>

namespace quillmap {

namespace {

// Line length that holds every number column of the kind (runways: a key and a designator).
std::size_t RequiredLength(nav::ImportKind kind)
{
    std::size_t required = nav::ImportKeyLength + 2;
    for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
        if (column.conversion != nav::ColumnConversion::Text)
            required = std::max(required, column.offset + column.width);
    }
    return required;
}

struct CoordinateRange {
    const char* field;
    int maximum;
    const char* what;
};

constexpr CoordinateRange CoordinateRanges[] = {
    {"LAT1", 1, "hemisphere code"}, {"LON1", 1, "hemisphere code"}, {"LAT2", 90, "degrees"},
    {"LON2", 180, "degrees"},       {"LAT3", 59, "minutes"},        {"LON3", 59, "minutes"},
    {"LAT4", 59, "seconds"},        {"LON4", 59, "seconds"},
};

const CoordinateRange* RangeOf(const char* field)
{
    for (const CoordinateRange& range : CoordinateRanges) {
        if (std::strcmp(range.field, field) == 0) return &range;
    }
    return nullptr;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign, digits (with a fraction for a real), blanks.
bool IsNumber(std::string_view text, bool withFraction)
{
    std::size_t at = 0;
    while (at < text.size() && nav::IsBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    std::size_t digits = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) ++digits;
    if (withFraction && at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && IsDigit(text[at]); ++at) ++digits;
    }
    while (at < text.size() && nav::IsBlank(text[at])) ++at;
    return digits > 0 && at == text.size();
}

// "A" alone in the VAR column asks for the computed variation.
bool IsComputedVariation(std::string_view text)
{
    return !text.empty() && text[0] == nav::ComputedVariationMark &&
           text.find_first_not_of(' ', 1) == std::string_view::npos;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

void CheckRecordLine(nav::ImportKind kind, std::string_view line, int number,
                     std::vector<ImportFileProblem>& problems)
{
    std::size_t required = RequiredLength(kind);
    if (line.size() < required) {
        problems.push_back({number, "short line: " + std::to_string(line.size()) +
                                        " characters, the columns need " +
                                        std::to_string(required)});
    }
    for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
        if (column.conversion == nav::ColumnConversion::Key ||
            column.conversion == nav::ColumnConversion::Text ||
            column.offset + column.width > line.size())
            continue;
        std::string_view text = nav::ColumnText(line, column);
        if (column.conversion == nav::ColumnConversion::Variation && IsComputedVariation(text))
            continue;
        if (!IsNumber(text, column.conversion == nav::ColumnConversion::Real)) {
            problems.push_back(
                {number, std::string(column.field) + " " + Quoted(text) + " is not a number"});
            continue;
        }
        const CoordinateRange* range = RangeOf(column.field);
        int32_t value = nav::ParseImportInteger(text);
        if (range && (value < 0 || value > range->maximum)) {
            std::string limits =
                range->maximum == 1 ? "0 or 1" : "0 to " + std::to_string(range->maximum);
            problems.push_back({number, std::string(column.field) + " " + range->what + " " +
                                            std::to_string(value) + " is not " + limits});
        }
    }
}

// Reads a line and counts how it ended.
ImportLine ReadCountedLine(ImportFile& file, std::span<char> buffer, ImportFileCheckReport& report)
{
    ImportLine line = ReadImportLine(file, buffer);
    if (line.end == LineEnd::CarriageReturnLineFeed)
        ++report.carriageReturnLineFeeds;
    else if (line.end == LineEnd::LineFeed)
        ++report.lineFeeds;
    return line;
}

}  // namespace

const char* LineEndsName(const ImportFileCheckReport& report)
{
    if (report.carriageReturnLineFeeds > 0)
        return report.lineFeeds > 0 ? "mixed CR LF and LF" : "CR LF";
    return report.lineFeeds > 0 ? "LF" : "none";
}

ImportFileCheckReport CheckImportFile(ImportFile& file)
{
    ImportFileCheckReport report;
    char buffer[nav::RecordLineSize];

    ImportLine signature =
        ReadCountedLine(file, std::span<char>(buffer, nav::SignatureLineSize), report);
    report.kind = nav::ImportKindOfSignature({buffer, signature.length});
    if (report.kind == nav::ImportKind::NotImportFile) {
        report.problems.push_back({1, "not an import file: line 1 does not begin with IMPORT"});
        return report;
    }
    if (report.kind == nav::ImportKind::Unrecognised) {
        report.problems.push_back(
            {1, "the kind at column 8 is none of A, R, N: nothing is imported"});
        return report;
    }
    for (int i = 0; i < nav::ImportFreeLines; ++i) ReadCountedLine(file, buffer, report);

    for (;;) {
        ImportLine read = ReadCountedLine(file, buffer, report);
        if (read.length == 0) break;
        ++report.recordLines;
        int number = file.LinesRead();
        if (read.cut) {
            report.problems.push_back({number, "line longer than " +
                                                   std::to_string(nav::RecordLineSize - 1) +
                                                   " characters: the rest is not imported"});
        }
        CheckRecordLine(report.kind, {buffer, read.length}, number, report.problems);
    }

    // The empty line ends the records; anything after it is not imported.
    int endLine = file.LinesRead();
    int ignored = 0;
    while (file.BytesRead() < file.Size()) {
        if (ReadCountedLine(file, buffer, report).length > 0) ++ignored;
    }
    if (ignored > 0) {
        report.problems.push_back(
            {endLine, "empty line ends the records: " + std::to_string(ignored) +
                          " further lines are not imported"});
    }
    return report;
}

}  // namespace quillmap
