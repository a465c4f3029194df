#include "RecordingEngine.h"

#include "TableEngine.h"

#include <cstdint>
#include <sstream>

namespace enginelog {

State& Engine()
{
    static State state;
    return state;
}

void Reset()
{
    Engine() = State{};
}

}  // namespace enginelog

namespace {

using enginelog::Engine;

void Log(const std::string& call)
{
    Engine().calls.push_back(call);
}

std::string Quoted(const char* text)
{
    return text ? "\"" + std::string(text) + "\"" : "null";
}

}  // namespace

extern "C" {

int TableOpen(const char* path, const char* alias, int mode, int kind)
{
    Log("TableOpen " + Quoted(path) + " " + Quoted(alias) + " " + std::to_string(mode) + " " +
        std::to_string(kind));
    return alias == Engine().failingAlias ? 0 : Engine().openResult;
}
void TableSetPassword(const char* password) { Log("TableSetPassword " + Quoted(password)); }
void TableCloseAll() { Log("TableCloseAll"); }
int AreaOfAlias(const char* alias)
{
    Log("AreaOfAlias " + Quoted(alias));
    return std::string(alias) == "RUNWAYS" ? 1 : 2;
}
void AreaSelect(int area) { Log("AreaSelect " + std::to_string(area)); }
int TagOrder(const char* tag)
{
    Log("TagOrder " + Quoted(tag));
    return 7;
}
void OrderSet(int order) { Log("OrderSet " + std::to_string(order)); }
void RecordGoTop() { Log("RecordGoTop"); }
void RecordGoBottom() { Log("RecordGoBottom"); }
void RecordSkip(int count) { Log("RecordSkip " + std::to_string(count)); }
short RecordAtBof()
{
    Log("RecordAtBof");
    return Engine().atBof;
}
short RecordAtEof()
{
    Log("RecordAtEof");
    return Engine().atEof;
}
short RecordSeek(const char* key)
{
    Log("RecordSeek " + Quoted(key));
    return 0;
}
void SetSoftSeek(int on) { Log("SetSoftSeek " + std::to_string(on)); }
void QuerySet(const char* condition) { Log("QuerySet " + std::string(condition)); }
int QueryCount()
{
    Log("QueryCount");
    return Engine().queryCount;
}
const char* FieldGetString(const char* field)
{
    Log("FieldGetString " + Quoted(field));
    static std::string result;
    auto sequence = Engine().sequences.find(field);
    if (sequence != Engine().sequences.end() && !sequence->second.empty()) {
        result = sequence->second.front();
        sequence->second.erase(sequence->second.begin());
    } else {
        result = Engine().strings[field];
    }
    return result.c_str();
}
short FieldGetInteger(const char* field)
{
    Log("FieldGetInteger " + Quoted(field));
    return Engine().integers[field];
}
double FieldGetDouble(const char* field)
{
    Log("FieldGetDouble " + Quoted(field));
    return 0.0;
}
void FieldReplace(const char* field, int type, const void* value)
{
    std::ostringstream text;
    text << "FieldReplace " << Quoted(field) << " " << type << " ";
    switch (type) {
    case SDE_INTEGER:
    case SDE_INTEGER_ALT:
        text << *static_cast<const std::int32_t*>(value);
        break;
    case SDE_DOUBLE:
        text << *static_cast<const double*>(value);
        break;
    default:
        text << Quoted(static_cast<const char*>(value));
        break;
    }
    Log(text.str());
}
void RecordAppendBlank() { Log("RecordAppendBlank"); }
void RecordDelete() { Log("RecordDelete"); }
void TablePack() { Log("TablePack"); }
void IndexTagCreate(const char*, const char* tag, const char* key, int, int, const char*)
{
    Log("IndexTagCreate " + Quoted(tag) + " " + Quoted(key));
}
void TableFinishIndexing() { Log("TableFinishIndexing"); }
void SetDeletedHidden(int on) { Log("SetDeletedHidden " + std::to_string(on)); }
void EngineSetStartFlag(int flag) { Log("EngineSetStartFlag " + std::to_string(flag)); }

}  // extern "C"
