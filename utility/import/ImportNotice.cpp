#include "ImportNotice.h"

#include "GeomagneticModel.h"

namespace quillmap {

namespace {

std::string TableLine(const ImportResult& table, const WorldDataImport& outcome)
{
    std::string added = std::to_string(table.recordsAdded) + " added, ";
    switch (table.kind) {
    case nav::ImportKind::Airports:
        return "Airports: " + added + std::to_string(table.recordsOverwritten) + " overwritten.";
    case nav::ImportKind::Runways: {
        std::string line = "Runways: " + added + std::to_string(table.runwaysReplaced) +
                           " stored runways replaced";
        // Only nav.dat has localizers (and a version).
        if (outcome.conversion.navVersion > 0)
            line += "; localizers given to runway ends: " +
                    std::to_string(outcome.conversion.localizers);
        return line + ".";
    }
    default:
        return "Navaids: " + added + std::to_string(table.recordsOverwritten) + " overwritten.";
    }
}

std::string TableLines(const WorldDataImport& outcome)
{
    std::string lines;
    for (const ImportResult& table : outcome.tables) {
        if (table.tableOpened) lines += "\n" + TableLine(table, outcome);
    }
    return lines;
}

std::string SkippedLines(const worlddata::ConversionSummary& conversion)
{
    int skipped = conversion.malformedRows;
    std::string reasons;
    if (conversion.malformedRows > 0)
        reasons += "\n  " + std::to_string(conversion.malformedRows) + " malformed rows";
    for (const auto& [reason, count] : conversion.skipped) {
        skipped += count;
        reasons += "\n  " + std::to_string(count) + " " + reason;
    }
    return "\nSkipped: " + (skipped == 0 ? std::string("none") : std::to_string(skipped)) + reasons;
}

// What a file of the set not at hand means for the import.
std::string MissingLine(const WorldDataSet& set, WorldDataFile file)
{
    std::string line = std::string("\nNo ") + FileName(file) + " in the folder";
    if (file == WorldDataFile::NavDat && !set.apt.empty())
        return line + ": the runways have no localizers.";
    if (file == WorldDataFile::FrequenciesCsv && !set.csv.airports.empty())
        return line + ": ATIS and TWR are left blank.";
    return line + ".";
}

std::string ProblemLines(const WorldDataImport& outcome)
{
    if (outcome.problemCount == 0) return {};
    std::string lines = "\nProblems reported (" + std::to_string(outcome.problemCount);
    if (outcome.problemCount > static_cast<int>(outcome.firstProblems.size()))
        lines += ", the first " + std::to_string(outcome.firstProblems.size());
    lines += "):";
    for (const std::string& problem : outcome.firstProblems) lines += "\n  " + problem;
    return lines;
}

constexpr char Completed[] = "Import completed.";

std::string TableNotOpened(const ImportResult& table, const std::string& consequence)
{
    return "Cannot open the table " + table.tableFile +
           ".\nIt is missing or in use by another program; " + consequence;
}

// Completed, or a warning naming the airports whose variation could not be computed.
ImportNotice CompletedNotice(std::string text, int variationsNotComputed)
{
    if (variationsNotComputed == 0) return {NoticeKind::Completed, std::move(text)};
    return {NoticeKind::Warning, text + "\nThe magnetic variation of " +
                                     std::to_string(variationsNotComputed) +
                                     " airports could not be computed; their variation reads " +
                                     std::to_string(magnetic::UndeterminedAngleDegrees) + "."};
}

}  // namespace

ImportNotice ImportFileNotice(const ImportResult& result)
{
    // An unknown kind imports nothing and opens no table, and still completes.
    if (result.kind != nav::ImportKind::Unrecognised && !result.tableOpened)
        return {NoticeKind::Failed, TableNotOpened(result, "nothing was imported.")};
    return CompletedNotice(Completed, result.variationsNotComputed);
}

ImportNotice WorldDataImportNotice(const WorldDataSet& set,
                                   const nav::Expected<WorldDataImport>& imported)
{
    if (!imported)
        return {NoticeKind::Failed,
                "Cannot import the world data: " + imported.Message() + ".\nNothing was imported."};
    const WorldDataImport& outcome = *imported;
    if (!outcome.tables.empty() && !outcome.tables.back().tableOpened) {
        std::string imported = TableLines(outcome);
        return {NoticeKind::Failed,
                TableNotOpened(outcome.tables.back(),
                               imported.empty() ? "nothing was imported."
                                                : "the import stopped there, after:" + imported)};
    }

    std::string text = Completed + TableLines(outcome) + SkippedLines(outcome.conversion);
    for (WorldDataFile file : set.missing) text += MissingLine(set, file);
    int variationsNotComputed = 0;
    for (const ImportResult& table : outcome.tables)
        variationsNotComputed += table.variationsNotComputed;
    ImportNotice notice = CompletedNotice(std::move(text), variationsNotComputed);
    notice.text += ProblemLines(outcome);
    return notice;
}

}  // namespace quillmap
