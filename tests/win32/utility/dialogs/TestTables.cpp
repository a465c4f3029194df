#include "TestTables.h"

#include "TableEngine.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace uitest {

namespace {

constexpr char Password[] = "KW%BN4#3";

std::string CurrentDirectory()
{
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    return directory;
}

void RemoveTree(const std::string& path)
{
    std::string from = path;
    from.append(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

std::string TrimEnd(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void OpenTable(const TestDataDirectory& directory, const char* alias)
{
    if (TableOpen(directory.TableFile(alias).c_str(), alias, SDE_SHARED, SDE_KIND_DBF) == 0)
        throw std::runtime_error("cannot open " + directory.TableFile(alias));
    TableSetPassword(Password);
}

}  // namespace

std::string BuildTreeFile(const std::string& relative)
{
    const char* binary = std::getenv("QUILLMAP_BINARY_DIR");
    if (!binary) throw std::runtime_error("QUILLMAP_BINARY_DIR is not set");
    std::string path = std::string("Z:") + binary + "/" + relative;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

TestDataDirectory::TestDataDirectory(const std::string& name)
{
    const std::string folder = CurrentDirectory() + "\\" + name;
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    path_ = folder + "\\";
    const std::string delivered = BuildTreeFile("data/delivered/");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((delivered + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        throw std::runtime_error("no delivered tables in " + delivered);
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((delivered + found.cFileName).c_str(), (path_ + found.cFileName).c_str(),
                      FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

TestDataDirectory::~TestDataDirectory()
{
    TableCloseAll();
    RemoveTree(path_.substr(0, path_.size() - 1));
}

void AppendRecords(const TestDataDirectory& directory, const char* alias,
                   const std::vector<Record>& records)
{
    OpenTable(directory, alias);
    for (const Record& record : records) {
        RecordAppendBlank();
        for (const auto& [field, value] : record) {
            if (const auto* text = std::get_if<std::string>(&value)) {
                FieldReplace(field, SDE_TEXT, text->c_str());
            } else if (const auto* number = std::get_if<int>(&value)) {
                const std::int32_t stored = *number;
                FieldReplace(field, SDE_INTEGER, &stored);
            } else {
                const double stored = std::get<double>(value);
                FieldReplace(field, SDE_DOUBLE, &stored);
            }
        }
    }
    TableCloseAll();
}

TableReader::TableReader(const TestDataDirectory& directory, const char* alias)
{
    SetDeletedHidden(1);
    OpenTable(directory, alias);
    OrderSet(TagOrder("NUM"));
}

TableReader::~TableReader()
{
    TableCloseAll();
    SetDeletedHidden(0);
}

int TableReader::Count() const
{
    return static_cast<int>(Nums().size());
}

int TableReader::CountWithNum(const std::string& num) const
{
    int count = 0;
    for (const std::string& each : Nums()) count += each == TrimEnd(num) ? 1 : 0;
    return count;
}

bool TableReader::Seek(const std::string& num) const
{
    SetSoftSeek(0);
    return RecordSeek(num.c_str()) != 0 && TrimEnd(RawText("NUM")) == TrimEnd(num);
}

std::string TableReader::Text(const char* field) const
{
    return TrimEnd(RawText(field));
}

std::string TableReader::RawText(const char* field) const
{
    return FieldGetString(field);
}

int TableReader::Integer(const char* field) const
{
    return FieldGetInteger(field);
}

double TableReader::Double(const char* field) const
{
    return FieldGetDouble(field);
}

std::vector<std::string> TableReader::Nums() const
{
    std::vector<std::string> nums;
    Visit([&] { nums.push_back(Text("NUM")); });
    return nums;
}

void TableReader::Visit(const std::function<void()>& each) const
{
    for (RecordGoTop(); RecordAtEof() == 0; RecordSkip(1)) each();
}

}  // namespace uitest
