#include "TableImport.h"

#include "AirportVariation.h"
#include "NavigationTables.h"
#include "StagedTable.h"
#include "TableEngine.h"

#include <cstring>

namespace quillmap {

namespace {

// The key of a record line: its first 8 characters as written to NUM, and the same padded
// with blanks to the field's width, so that seeks and conditions match that NUM exactly
// and never a longer one that merely begins with a short key.
struct RecordKey {
    char text[nav::ImportKeyLength + 1];
    char padded[nav::ImportKeyLength + 1];
};

RecordKey KeyOfLine(std::string_view line)
{
    RecordKey key{};
    std::string_view text = line.substr(0, nav::ImportKeyLength);
    text.copy(key.text, text.size());
    std::memset(key.padded, ' ', nav::ImportKeyLength);
    text.copy(key.padded, text.size());
    return key;
}

// The record section of an open import file, line by line.
class RecordLines {
public:
    RecordLines(ImportFile& file, ImportResult& result, const ImportProgress& progress)
        : file_(file), result_(result), progress_(progress)
    {
    }

    // Reads the next record line; false at the first empty line or the end of the file.
    bool Next()
    {
        ImportLine read = ReadImportLine(file_, buffer_);
        if (read.length == 0) return false;
        if (read.cut) ++result_.linesCut;
        length_ = read.length;
        if (progress_ && ++count_ % ImportProgressInterval == 0) progress_(file_);
        return true;
    }

    std::string_view Line() const { return {buffer_, length_}; }
    // The text from a column to the end of the line, empty beyond its end.
    const char* TextFrom(std::size_t offset) const
    {
        return offset < length_ ? buffer_ + offset : "";
    }

private:
    ImportFile& file_;
    ImportResult& result_;
    const ImportProgress& progress_;
    char buffer_[nav::RecordLineSize];
    std::size_t length_ = 0;
    int count_ = 0;
};

// The kind's table file in the data directory, named in the result.
void NameImportTable(nav::ImportKind kind, const std::string& dataDirectory, ImportResult& result)
{
    result.kind = kind;
    result.tableFile =
        nav::TablePath(nav::PathForm::Import, dataDirectory.c_str(), nav::ImportTableAlias(kind));
}

// Opens `path` under the kind's alias for exclusive use in NUM order and skips the two free
// lines.
bool OpenImportTable(ImportFile& file, nav::ImportKind kind, const std::string& path,
                     ImportResult& result)
{
    result.tableOpened =
        TableOpen(path.c_str(), nav::ImportTableAlias(kind), SDE_EXCLUSIVE, SDE_KIND_DBF) != 0;
    if (!result.tableOpened) return false;
    TableSetPassword(nav::TablePassword);
    OrderSet(TagOrder(nav::NumTag));
    // The import works on live records only; records marked deleted are left to the
    // rebuild. A marked record overwritten by the merge would stay marked and take the
    // imported values with it at the next rebuild, and a runway marked earlier would be
    // counted again among those replaced.
    SetDeletedHidden(1);
    char skipped[nav::RecordLineSize];
    for (int i = 0; i < nav::ImportFreeLines; ++i) ReadImportLine(file, skipped);
    return true;
}

void CloseImportTable()
{
    SetDeletedHidden(0);  // the program's setting: marked records visible to whole-table work
    TableCloseAll();
}

// Writes every column of the kind from the current line into the current record; counts
// the airports whose variation could not be computed.
void WriteColumns(nav::ImportKind kind, const RecordLines& lines, const RecordKey& key,
                  ImportResult& result)
{
    std::string_view line = lines.Line();
    for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
        switch (column.conversion) {
        case nav::ColumnConversion::Key:
            FieldReplace(column.field, SDE_TEXT, key.text);
            break;
        case nav::ColumnConversion::Text:
            FieldReplace(column.field, SDE_TEXT, lines.TextFrom(column.offset));
            break;
        case nav::ColumnConversion::Variation:
            if (column.offset < line.size() && line[column.offset] == nav::ComputedVariationMark) {
                if (magnetic::ComputeAirportVariation() != magnetic::ModelResult::Success)
                    ++result.variationsNotComputed;
                break;
            }
            [[fallthrough]];
        case nav::ColumnConversion::Integer: {
            int32_t value = nav::ParseImportInteger(nav::ColumnText(line, column));
            FieldReplace(column.field, SDE_INTEGER_ALT, &value);
            break;
        }
        case nav::ColumnConversion::Real: {
            double value = nav::ParseImportReal(nav::ColumnText(line, column));
            FieldReplace(column.field, SDE_DOUBLE, &value);
            break;
        }
        }
    }
}

// Airports and navaids: a stored NUM is overwritten with every column, a new one appended.
ImportResult MergeByKey(ImportFile& file, nav::ImportKind kind, const std::string& dataDirectory,
                        const ImportProgress& progress)
{
    ImportResult result;
    NameImportTable(kind, dataDirectory, result);
    if (!OpenImportTable(file, kind, result.tableFile, result)) return result;
    RecordLines lines(file, result, progress);
    while (lines.Next()) {
        RecordKey key = KeyOfLine(lines.Line());
        if (RecordSeek(key.padded)) {
            ++result.recordsOverwritten;
        } else {
            RecordAppendBlank();
            ++result.recordsAdded;
        }
        WriteColumns(kind, lines, key, result);
    }
    CloseImportTable();
    return result;
}

// Marks every stored runway of an airport deleted; returns how many there were. The runways
// are found by a seek of the padded key in the NUM order, not through a query condition, so
// that any key is found, one holding both quote characters included (no quoted condition can
// hold it). The table is in NUM order, so they follow one another from there.
int DeleteRunwaysOf(const RecordKey& key)
{
    int deleted = 0;
    if (!RecordSeek(key.padded)) return 0;
    for (; !RecordAtEof() &&
           std::strncmp(FieldGetString("NUM"), key.padded, nav::ImportKeyLength) == 0;
         RecordSkip(1)) {
        RecordDelete();
        ++deleted;
    }
    return deleted;
}

}  // namespace

ImportResult ImportAirports(ImportFile& file, const std::string& dataDirectory,
                            const ImportProgress& progress)
{
    return MergeByKey(file, nav::ImportKind::Airports, dataDirectory, progress);
}

ImportResult ImportNavaids(ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress)
{
    return MergeByKey(file, nav::ImportKind::Navaids, dataDirectory, progress);
}

ImportResult ImportRunways(ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress)
{
    ImportResult result;
    NameImportTable(nav::ImportKind::Runways, dataDirectory, result);
    // Every airport keeps its stored runways until the imported ones are in: the replacement
    // is made in a copy of the table that takes its place whole at the end. The table itself
    // is opened first, so that one in use elsewhere is refused before any work.
    result.tableOpened =
        TableOpen(result.tableFile.c_str(), nav::RunwaysAlias, SDE_EXCLUSIVE, SDE_KIND_DBF) != 0;
    TableCloseAll();
    StagedTable staged(result.tableFile);
    if (!result.tableOpened || !staged.Copy() ||
        !OpenImportTable(file, nav::ImportKind::Runways, staged.Path(), result)) {
        result.tableOpened = false;
        return result;
    }
    RecordLines lines(file, result, progress);
    char previousKey[nav::ImportKeyLength + 1] = " ";
    while (lines.Next()) {
        RecordKey key = KeyOfLine(lines.Line());
        // The first line of each group of an airport's runways replaces what is stored.
        if (std::strncmp(key.text, previousKey, nav::ImportKeyLength) != 0) {
            result.runwaysReplaced += DeleteRunwaysOf(key);
            std::memcpy(previousKey, key.text, sizeof previousKey);
        }
        RecordAppendBlank();
        ++result.recordsAdded;
        WriteColumns(nav::ImportKind::Runways, lines, key, result);
    }
    TablePack();
    CloseImportTable();
    result.tableOpened = staged.PutInPlace().Ok();
    return result;
}

nav::ImportKind ReadImportSignature(ImportFile& file)
{
    char signature[nav::SignatureLineSize];
    ImportLine line = ReadImportLine(file, signature);
    return nav::ImportKindOfSignature({signature, line.length});
}

ImportResult ImportRecords(nav::ImportKind kind, ImportFile& file, const std::string& dataDirectory,
                           const ImportProgress& progress)
{
    switch (kind) {
    case nav::ImportKind::Airports:
        return ImportAirports(file, dataDirectory, progress);
    case nav::ImportKind::Runways:
        return ImportRunways(file, dataDirectory, progress);
    case nav::ImportKind::Navaids:
        return ImportNavaids(file, dataDirectory, progress);
    default: {
        ImportResult nothing;
        nothing.kind = kind;
        return nothing;
    }
    }
}

}  // namespace quillmap
