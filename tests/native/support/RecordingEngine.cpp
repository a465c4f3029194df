#include "RecordingEngine.h"

#include "TableEngine.h"

#include <cstdint>

RecordingEngine engine;

std::vector<std::string> RecordingEngine::CallsStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : calls)
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
}

void RecordEveryCall()
{
    engine = RecordingEngine{};
    engine.everyCall = true;
}

namespace {

// One of the calls the log always keeps.
void Log(std::string call)
{
    engine.calls.push_back(std::move(call));
}

// Any other call: kept only when the test asks for every call.
void LogDetail(std::string call)
{
    if (engine.everyCall) engine.calls.push_back(std::move(call));
}

std::string Text(const char* text)
{
    return text ? std::string(text) : "null";
}

}  // namespace

extern "C" {

int TableOpen(const char* path, const char* alias, int mode, int kind)
{
    Log("TableOpen(" + Text(path) + "," + Text(alias) + "," + std::to_string(mode) + "," +
        std::to_string(kind) + ")");
    return engine.openSucceeds &&
                   (engine.failingAlias.empty() || Text(alias) != engine.failingAlias)
               ? 1
               : 0;
}
void TableSetPassword(const char* password)
{
    Log("TableSetPassword(" + Text(password) + ")");
}
void TableCloseAll()
{
    Log("TableCloseAll");
}
int AreaOfAlias(const char* alias)
{
    LogDetail("AreaOfAlias(" + Text(alias) + ")");
    return Text(alias) == "RUNWAYS" ? 1 : 2;
}
void AreaSelect(int area)
{
    LogDetail("AreaSelect(" + std::to_string(area) + ")");
}
int TagOrder(const char* tag)
{
    Log("TagOrder(" + Text(tag) + ")");
    return 7;
}
void OrderSet(int order)
{
    LogDetail("OrderSet(" + std::to_string(order) + ")");
}
void RecordGoTop()
{
    Log("RecordGoTop");
}
void RecordGoBottom()
{
    LogDetail("RecordGoBottom");
}
void RecordSkip(int count)
{
    Log("RecordSkip(" + std::to_string(count) + ")");
}
short RecordAtBof()
{
    LogDetail("RecordAtBof");
    return engine.atBof;
}
short RecordAtEof()
{
    LogDetail("RecordAtEof");
    return engine.atEof;
}
short RecordSeek(const char* key)
{
    Log("RecordSeek(" + Text(key) + ")");
    return !engine.atEof;
}
void SetSoftSeek(int on)
{
    LogDetail("SetSoftSeek(" + std::to_string(on) + ")");
}
void QuerySet(const char* condition)
{
    Log("QuerySet(" + Text(condition) + ")");
}
int QueryCount()
{
    LogDetail("QueryCount");
    return engine.queryCount;
}
const char* FieldGetString(const char* field)
{
    LogDetail("FieldGetString(" + Text(field) + ")");
    static std::string value;
    auto sequence = engine.sequences.find(field);
    if (sequence != engine.sequences.end() && !sequence->second.empty()) {
        value = sequence->second.front();
        sequence->second.erase(sequence->second.begin());
    } else {
        value = engine.texts[field];
    }
    return value.c_str();
}
short FieldGetInteger(const char* field)
{
    LogDetail("FieldGetInteger(" + Text(field) + ")");
    return engine.integers[field];
}
double FieldGetDouble(const char* field)
{
    LogDetail("FieldGetDouble(" + Text(field) + ")");
    return engine.doubles[field];
}
void FieldReplace(const char* field, int type, const void* value)
{
    std::string text;
    if (type == SDE_DOUBLE)
        text = std::to_string(*static_cast<const double*>(value));
    else if (type == SDE_TEXT)
        text = Text(static_cast<const char*>(value));
    else
        text = std::to_string(*static_cast<const std::int32_t*>(value));
    Log("FieldReplace(" + Text(field) + "," + std::to_string(type) + "," + text + ")");
}
void RecordAppendBlank()
{
    LogDetail("RecordAppendBlank");
}
void RecordDelete()
{
    LogDetail("RecordDelete");
}
void TablePack()
{
    LogDetail("TablePack");
}
void IndexTagCreate(const char*, const char* tag, const char* key, int, int, const char*)
{
    LogDetail("IndexTagCreate(" + Text(tag) + "," + Text(key) + ")");
}
void TableFinishIndexing()
{
    LogDetail("TableFinishIndexing");
}
void SetDeletedHidden(int on)
{
    LogDetail("SetDeletedHidden(" + std::to_string(on) + ")");
}
void EngineSetStartFlag(int flag)
{
    LogDetail("EngineSetStartFlag(" + std::to_string(flag) + ")");
}

}  // extern "C"
