// Data directories for the editor tests: the delivered (empty) tables copied into a fresh
// folder, records added and read back through the table engine.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace uitest {

// A file of the build tree, as a Windows path.
std::string BuildTreeFile(const std::string& relative);

// A fresh folder holding a copy of the delivered tables; removed with the object.
class TestDataDirectory {
public:
    explicit TestDataDirectory(const std::string& name);
    ~TestDataDirectory();
    TestDataDirectory(const TestDataDirectory&) = delete;
    TestDataDirectory& operator=(const TestDataDirectory&) = delete;

    // Windows path, ending with a backslash, as the "PATH" setting holds it.
    const std::string& Path() const { return path_; }
    std::string TableFile(const char* alias) const { return path_ + alias + ".DBF"; }

private:
    std::string path_;
};

using FieldValue = std::variant<std::string, int, double>;
using Record = std::vector<std::pair<const char*, FieldValue>>;

// Appends records to a table of the directory through the engine.
void AppendRecords(const TestDataDirectory& directory, const char* alias,
                   const std::vector<Record>& records);

// A table of the directory opened through the engine, deleted records hidden, in number
// order; closed with the object. Only one may be open at a time.
class TableReader {
public:
    TableReader(const TestDataDirectory& directory, const char* alias);
    ~TableReader();
    TableReader(const TableReader&) = delete;
    TableReader& operator=(const TableReader&) = delete;

    // Records not marked deleted.
    int Count() const;
    // Records with this NUM (blanks at the end do not count).
    int CountWithNum(const std::string& num) const;
    // Moves to the record with exactly this NUM; false when there is none.
    bool Seek(const std::string& num) const;
    std::string Text(const char* field) const;  // blanks at the end removed
    std::string RawText(const char* field) const;
    int Integer(const char* field) const;
    double Double(const char* field) const;
    // NUM values in number order.
    std::vector<std::string> Nums() const;
    // Runs `each` on every record in number order, the record current.
    void Visit(const std::function<void()>& each) const;
};

}  // namespace uitest
