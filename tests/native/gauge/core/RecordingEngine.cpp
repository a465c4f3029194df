#include "RecordingEngine.h"

#include <cstdio>

#include "TableEngine.h"

RecordingEngine engine;

std::vector<std::string> RecordingEngine::CallsStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : calls)
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
}

namespace {

void Log(std::string call) { engine.calls.push_back(std::move(call)); }

}  // namespace

extern "C" {

int TableOpen(const char* path, const char* alias, int mode, int kind)
{
    Log("TableOpen(" + std::string(path) + "," + alias + "," + std::to_string(mode) + "," +
        std::to_string(kind) + ")");
    return engine.openSucceeds ? 1 : 0;
}
void TableSetPassword(const char* password) { Log("TableSetPassword(" + std::string(password) + ")"); }
void TableCloseAll() { Log("TableCloseAll"); }
int AreaOfAlias(const char*) { return 1; }
void AreaSelect(int) {}
int TagOrder(const char* tag)
{
    Log("TagOrder(" + std::string(tag) + ")");
    return 7;
}
void OrderSet(int) {}
void RecordGoTop() { Log("RecordGoTop"); }
void RecordGoBottom() {}
void RecordSkip(int count) { Log("RecordSkip(" + std::to_string(count) + ")"); }
short RecordAtBof() { return engine.atEof; }
short RecordAtEof() { return engine.atEof; }
short RecordSeek(const char* key)
{
    Log("RecordSeek(" + std::string(key) + ")");
    return !engine.atEof;
}
void SetSoftSeek(int) {}
void QuerySet(const char* condition) { Log("QuerySet(" + std::string(condition) + ")"); }
int QueryCount() { return engine.queryCount; }
const char* FieldGetString(const char* field)
{
    static std::string value;
    value = engine.texts[field];
    return value.c_str();
}
short FieldGetInteger(const char* field) { return engine.integers[field]; }
double FieldGetDouble(const char* field) { return engine.doubles[field]; }
void FieldReplace(const char* field, int type, const void* value)
{
    std::string text;
    if (type == SDE_DOUBLE)
        text = std::to_string(*static_cast<const double*>(value));
    else if (type == SDE_TEXT)
        text = static_cast<const char*>(value);
    else
        text = std::to_string(*static_cast<const int*>(value));
    Log("FieldReplace(" + std::string(field) + "," + std::to_string(type) + "," + text + ")");
}
void RecordAppendBlank() {}
void RecordDelete() {}
void TablePack() {}
void IndexTagCreate(const char*, const char*, const char*, int, int, const char*) {}
void TableFinishIndexing() {}
void SetDeletedHidden(int) {}
void EngineSetStartFlag(int) {}

}  // extern "C"
