// The shared behaviour of the airport, navaid and user waypoint editors: the record shown is
// always the engine's current record of the editor's table, and the form's controls hold the
// edited values until they are saved or replaced by the next display.
#pragma once

#include "EditorFields.h"
#include "EditorForm.h"

#include <string>
#include <vector>

namespace quillmap {

class RecordEditor {
public:
    RecordEditor(const EditorTable& table, EditorForm& form) : table_(table), form_(form) {}
    virtual ~RecordEditor() = default;
    RecordEditor(const RecordEditor&) = delete;
    RecordEditor& operator=(const RecordEditor&) = delete;

    // Opens the editor's tables in the data directory and shows the first record. When a
    // table cannot be opened the user is told once, with the files named; the editor then
    // shows empty boxes and neither moves nor writes.
    void Open(const std::string& dataDirectory);
    // Closes every table and shows deleted records to the whole-table operations again.
    void Close();
    bool TablesOpen() const { return tablesOpen_; }

    // Fills every control from the current record.
    void ShowRecord();

    void First();
    void Previous();  // stays on screen when already on the first record
    void Next();      // stays on screen when the engine moves past the last record
    void Last();
    // Each asks its question first; only Yes acts. Save is a commit point: the record is in
    // the table file when it returns.
    void New();
    void Save();
    void Delete();

protected:
    EditorForm& Form() const { return form_; }
    // Opens one table with its password; false (and the file noted) when it fails.
    bool OpenTable(const std::string& dataDirectory, const char* alias);

    // Tables opened before the editor's own one, which stays current.
    virtual void OpenCompanionTables(const std::string&) {}
    // Records of other tables shown with the current record.
    virtual void ShowCompanions() {}
    // Records of other tables deleted with the current record.
    virtual void DeleteCompanions() {}
    virtual void ClearCompanions() {}

private:
    void ShowEmpty();

    const EditorTable& table_;
    EditorForm& form_;
    bool tablesOpen_ = false;
    std::vector<std::string> unopened_;
};

}  // namespace quillmap
