// The C operations of TableEngine.h over the engine session. Null pointers are taken as
// empty text (or ignored, for values to write).
#include "TableEngine.h"

#include "Engine.h"
#include "FieldCodec.h"

using sde::Engine;
using sde::WorkArea;

namespace {
WorkArea* Area()
{
    return Engine::Instance().Current();
}
const char* OrEmpty(const char* text)
{
    return text ? text : "";
}
}  // namespace

extern "C" {

int SDE_CALL TableOpen(const char* path, const char* alias, int mode, int /*kind*/)
{
    return Engine::Instance().Open(path, alias, mode);
}

// Our tables are not encrypted: the password is accepted and not needed.
void SDE_CALL TableSetPassword(const char* /*password*/) {}

void SDE_CALL TableCloseAll(void)
{
    Engine::Instance().CloseAll();
}

int SDE_CALL AreaOfAlias(const char* alias)
{
    return Engine::Instance().AreaOfAlias(OrEmpty(alias));
}

void SDE_CALL AreaSelect(int area)
{
    Engine::Instance().Select(area);
}

int SDE_CALL TagOrder(const char* tagName)
{
    WorkArea* a = Area();
    return a ? a->TagOrder(OrEmpty(tagName)) : 0;
}

void SDE_CALL OrderSet(int order)
{
    if (WorkArea* a = Area()) a->SetOrder(order);
}

void SDE_CALL RecordGoTop(void)
{
    if (WorkArea* a = Area()) a->GoTop();
}

void SDE_CALL RecordGoBottom(void)
{
    if (WorkArea* a = Area()) a->GoBottom();
}

void SDE_CALL RecordSkip(int count)
{
    if (WorkArea* a = Area()) a->Skip(count);
}

short SDE_CALL RecordAtBof(void)
{
    WorkArea* a = Area();
    return a ? a->AtBof() : 1;
}

short SDE_CALL RecordAtEof(void)
{
    WorkArea* a = Area();
    return a ? a->AtEof() : 1;
}

short SDE_CALL RecordSeek(const char* key)
{
    WorkArea* a = Area();
    return a ? a->Seek(OrEmpty(key)) : 0;
}

void SDE_CALL SetSoftSeek(int on)
{
    Engine::Instance().Settings().softSeek = on != 0;
}

void SDE_CALL QuerySet(const char* condition)
{
    if (WorkArea* a = Area()) a->SetQuery(OrEmpty(condition));
}

int SDE_CALL QueryCount(void)
{
    WorkArea* a = Area();
    return a ? a->QueryCount() : 0;
}

const char* SDE_CALL FieldGetString(const char* field)
{
    WorkArea* a = Area();
    int width = 0;
    const char* bytes = a ? a->FieldBytes(OrEmpty(field), width) : nullptr;
    return Engine::Instance().Text(bytes, width);
}

short SDE_CALL FieldGetInteger(const char* field)
{
    WorkArea* a = Area();
    int width = 0;
    const char* bytes = a ? a->FieldBytes(OrEmpty(field), width) : nullptr;
    return bytes ? sde::DecodeShort(bytes, width) : 0;
}

double SDE_CALL FieldGetDouble(const char* field)
{
    WorkArea* a = Area();
    int width = 0;
    const char* bytes = a ? a->FieldBytes(OrEmpty(field), width) : nullptr;
    return bytes ? sde::DecodeDouble(bytes, width) : 0.0;
}

void SDE_CALL FieldReplace(const char* field, int type, const void* value)
{
    if (WorkArea* a = Area()) a->Replace(OrEmpty(field), type, value);
}

void SDE_CALL RecordAppendBlank(void)
{
    if (WorkArea* a = Area()) a->AppendBlank();
}

void SDE_CALL RecordDelete(void)
{
    if (WorkArea* a = Area()) a->DeleteRecord();
}

void SDE_CALL TablePack(void)
{
    if (WorkArea* a = Area()) a->Pack();
}

// The index file is always the table's own (.QIX); unique, descending and a condition are
// not supported and ignored (the callers pass 0).
void SDE_CALL IndexTagCreate(const char* /*indexFile*/, const char* tagName,
                             const char* keyExpression, int /*unique*/, int /*descending*/,
                             const char* /*condition*/)
{
    if (WorkArea* a = Area()) a->CreateTag(OrEmpty(tagName), OrEmpty(keyExpression));
}

void SDE_CALL TableFinishIndexing(void)
{
    if (WorkArea* a = Area()) a->FinishIndexing();
}

void SDE_CALL SetDeletedHidden(int on)
{
    Engine::Instance().Settings().deletedHidden = on != 0;
}

void SDE_CALL EngineSetStartFlag(int /*flag*/)
{
    Engine::Instance().Restart();
}

}  // extern "C"
