#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "NavigationTables.h"
#include "TableCreation.h"
#include "TableEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fuzz {

namespace {

constexpr int kMostOperations = 96;
constexpr std::size_t kMostFileBytes = 8192;
// Far more than the operations of one run can write to a table made of at most
// kMostFileBytes; a larger file means a write far past the records (the file system keeps
// such a file sparse, so the run costs no disk space).
constexpr std::uintmax_t kMostGrownBytes = 16 * 1024 * 1024;

// The input's first byte: the table definition in its low bits, and whether the files are
// the input's bytes as they stand or a table made by the engine with bytes of it changed.
constexpr std::uint8_t kRawFiles = 0x80;

struct Files {
    std::string table;
    std::string index;
};

Files FilesOf(const nav::TableDefinition& definition)
{
    const std::string base = ScratchDirectory() + definition.name;
    return {base + ".DBF", base + ".QIX"};
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::remove(path.c_str());
    if (bytes.empty()) return;  // no file at all
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string ReadFile(const std::string& path)
{
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
            bytes.append(chunk, got);
        std::fclose(file);
    }
    return bytes;
}

int Open(const nav::TableDefinition& definition, const Files& files, int mode)
{
    const int area = TableOpen(files.table.c_str(), definition.name, mode, SDE_KIND_DBF);
    TableSetPassword(nav::TablePassword);
    return area;
}

// A field of the table, now and then a name it does not have.
std::string FieldName(FuzzInput& in, const nav::TableDefinition& definition)
{
    const std::uint8_t pick = in.Byte();
    if (pick >= definition.fields.size() * 8) return in.Text(16);
    return definition.fields[pick % definition.fields.size()].name;
}

// A value to write, seek or compare with.
std::string Value(FuzzInput& in)
{
    return in.Text(40);
}

std::string Condition(FuzzInput& in, const nav::TableDefinition& definition)
{
    const std::uint8_t form = in.Byte() % 4;
    if (form == 0) return in.Text(80);  // anything at all
    std::string condition;
    for (int term = 0; term <= form - 1; ++term) {
        if (term > 0) condition += in.Byte() % 2 ? " .and. " : " .AND. ";
        const char quote = in.Byte() % 2 ? '"' : '\'';
        condition += FieldName(in, definition);
        condition += std::string(" = ") + quote;
        condition += Value(in) + quote;
    }
    return condition;
}

std::string KeyExpression(FuzzInput& in, const nav::TableDefinition& definition)
{
    switch (in.Byte() % 3) {
    case 0:
        return FieldName(in, definition);
    case 1:
        return "UPPER(" + FieldName(in, definition) + ")";
    default:
        return in.Text(24);
    }
}

void Replace(FuzzInput& in, const nav::TableDefinition& definition)
{
    const std::string field = FieldName(in, definition);
    switch (in.Byte() % 4) {
    case 0: {
        const std::uint32_t low = in.Word();
        const std::uint32_t high = in.Word();
        const std::int32_t value = static_cast<std::int32_t>(low | high << 16);
        FieldReplace(field.c_str(), SDE_INTEGER, &value);
        break;
    }
    case 1: {
        const std::int32_t value = static_cast<std::int16_t>(in.Word());
        FieldReplace(field.c_str(), SDE_INTEGER_ALT, &value);
        break;
    }
    case 2: {
        // Every double bit pattern, infinities and NaNs included.
        std::uint64_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 16 | in.Word();
        double value;
        static_assert(sizeof value == sizeof bits);
        std::memcpy(&value, &bits, sizeof value);
        FieldReplace(field.c_str(), SDE_DOUBLE, &value);
        break;
    }
    default:
        FieldReplace(field.c_str(), SDE_TEXT, Value(in).c_str());
        break;
    }
}

// One engine operation chosen by the input.
void Operate(FuzzInput& in, const nav::TableDefinition& definition, const Files& files)
{
    switch (in.Byte() % 20) {
    case 0:
        RecordGoTop();
        break;
    case 1:
        RecordGoBottom();
        break;
    case 2:
        RecordSkip(static_cast<std::int8_t>(in.Byte()));
        break;
    case 3:
        RecordAtBof();
        RecordAtEof();
        break;
    case 4: {
        const std::string tag = in.Byte() % 2 ? FieldName(in, definition) : in.Text(12);
        OrderSet(TagOrder(tag.c_str()));
        break;
    }
    case 5:
        OrderSet(static_cast<std::int8_t>(in.Byte()));
        break;
    case 6:
        SetSoftSeek(in.Byte() % 2);
        RecordSeek(Value(in).c_str());
        break;
    case 7:
        QuerySet(Condition(in, definition).c_str());
        QueryCount();
        break;
    case 8:
        FieldGetString(FieldName(in, definition).c_str());
        break;
    case 9:
        FieldGetInteger(FieldName(in, definition).c_str());
        FieldGetDouble(FieldName(in, definition).c_str());
        break;
    case 10:
    case 11:
        Replace(in, definition);
        break;
    case 12:
        RecordAppendBlank();
        break;
    case 13:
        RecordDelete();
        break;
    case 14:
        TablePack();
        break;
    case 15: {
        // Arguments read one after the other, so that every compiler takes the same bytes.
        const std::string tag = in.Text(12);
        const std::string expression = KeyExpression(in, definition);
        const int unique = in.Byte() % 2;
        IndexTagCreate(nullptr, tag.c_str(), expression.c_str(), unique, in.Byte() % 2, nullptr);
        break;
    }
    case 16:
        TableFinishIndexing();
        break;
    case 17:
        SetDeletedHidden(in.Byte() % 2);
        break;
    case 18:
        AreaSelect(AreaOfAlias(in.Byte() % 2 ? definition.name : "OTHER"));
        break;
    default:
        // Closed and opened again: the index is saved and read back.
        TableCloseAll();
        Open(definition, files, in.Byte() % 3);
        break;
    }
}

// A table the engine makes, with its tags and records written by the input's values, and
// then bytes of its two files changed.
void MakeChangedTable(FuzzInput& in, const nav::TableDefinition& definition, const Files& files)
{
    if (!sde::CreateTable(files.table.c_str(), definition.fields)) return;
    Open(definition, files, SDE_EXCLUSIVE);
    for (const nav::TagDefinition& tag : definition.tags)
        IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    for (int record = in.Byte() % 16; record > 0; --record) {
        RecordAppendBlank();
        for (int field = in.Byte() % 4; field > 0; --field) Replace(in, definition);
        if (in.Byte() % 8 == 0) RecordDelete();
    }
    TableCloseAll();

    std::string table = ReadFile(files.table);
    std::string index = ReadFile(files.index);
    for (int change = in.Byte() % 8; change > 0; --change) {
        std::string& bytes = in.Byte() % 2 ? index : table;
        const std::uint16_t offset = in.Word();
        const std::uint8_t value = in.Byte();
        if (!bytes.empty()) bytes[offset % bytes.size()] = static_cast<char>(value);
    }
    // Now and then a file cut short.
    if (in.Byte() % 8 == 0 && !table.empty()) table.resize(in.Word() % table.size());
    WriteFile(files.table, table);
    WriteFile(files.index, index);
}

}  // namespace

int FuzzEngine(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    EngineSetStartFlag(1);
    const std::uint8_t choice = in.Byte();
    const auto tables = nav::DataDirectoryTables();
    const nav::TableDefinition& definition = *tables[(choice & 0x7F) % tables.size()];
    const Files files = FilesOf(definition);

    if (choice & kRawFiles) {
        WriteFile(files.table, in.Bytes(in.Word() % kMostFileBytes));
        WriteFile(files.index, in.Bytes(in.Word() % kMostFileBytes));
    } else {
        MakeChangedTable(in, definition, files);
    }

    SetDeletedHidden(in.Byte() % 2);
    Open(definition, files, in.Byte() % 3);
    for (int operation = 0; operation < kMostOperations && !in.Empty(); ++operation)
        Operate(in, definition, files);
    TableCloseAll();
    EngineSetStartFlag(1);
    for (const std::string& path : {files.table, files.index}) {
        std::error_code missing;
        const std::uintmax_t bytes = std::filesystem::file_size(path, missing);
        if (!missing && bytes > kMostGrownBytes) {
            std::fprintf(stderr, "%s grew to %ju bytes\n", path.c_str(), bytes);
            std::abort();
        }
    }
    return 0;
}

}  // namespace fuzz
