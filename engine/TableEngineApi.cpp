// The C operations of TableEngine.h over the engine session. Null pointers are taken as
// empty text (or ignored, for values to write).
#include "TableEngine.h"

#include "Engine.h"
#include "FieldCodec.h"

using sde::Engine;
using sde::WorkArea;

namespace {
WorkArea* area() { return Engine::instance().current(); }
const char* orEmpty(const char* text) { return text ? text : ""; }
}  // namespace

extern "C" {

int SDE_CALL TableOpen(const char* path, const char* alias, int mode, int /*kind*/) {
    return Engine::instance().open(path, alias, mode);
}

// Our tables are not encrypted: the password is accepted and not needed.
void SDE_CALL TableSetPassword(const char* /*password*/) {}

void SDE_CALL TableCloseAll(void) { Engine::instance().closeAll(); }

int SDE_CALL AreaOfAlias(const char* alias) { return Engine::instance().areaOfAlias(orEmpty(alias)); }

void SDE_CALL AreaSelect(int area) { Engine::instance().select(area); }

int SDE_CALL TagOrder(const char* tagName) {
    WorkArea* a = area();
    return a ? a->tagOrder(orEmpty(tagName)) : 0;
}

void SDE_CALL OrderSet(int order) {
    if (WorkArea* a = area()) a->setOrder(order);
}

void SDE_CALL RecordGoTop(void) {
    if (WorkArea* a = area()) a->goTop();
}

void SDE_CALL RecordGoBottom(void) {
    if (WorkArea* a = area()) a->goBottom();
}

void SDE_CALL RecordSkip(int count) {
    if (WorkArea* a = area()) a->skip(count);
}

short SDE_CALL RecordAtBof(void) {
    WorkArea* a = area();
    return a ? a->atBof() : 1;
}

short SDE_CALL RecordAtEof(void) {
    WorkArea* a = area();
    return a ? a->atEof() : 1;
}

short SDE_CALL RecordSeek(const char* key) {
    WorkArea* a = area();
    return a ? a->seek(orEmpty(key)) : 0;
}

void SDE_CALL SetSoftSeek(int on) { Engine::instance().settings().softSeek = on != 0; }

void SDE_CALL QuerySet(const char* condition) {
    if (WorkArea* a = area()) a->setQuery(orEmpty(condition));
}

int SDE_CALL QueryCount(void) {
    WorkArea* a = area();
    return a ? a->queryCount() : 0;
}

const char* SDE_CALL FieldGetString(const char* field) {
    WorkArea* a = area();
    int width = 0;
    const char* bytes = a ? a->fieldBytes(orEmpty(field), width) : nullptr;
    return Engine::instance().text(bytes, width);
}

short SDE_CALL FieldGetInteger(const char* field) {
    WorkArea* a = area();
    int width = 0;
    const char* bytes = a ? a->fieldBytes(orEmpty(field), width) : nullptr;
    return bytes ? sde::decodeShort(bytes, width) : 0;
}

double SDE_CALL FieldGetDouble(const char* field) {
    WorkArea* a = area();
    int width = 0;
    const char* bytes = a ? a->fieldBytes(orEmpty(field), width) : nullptr;
    return bytes ? sde::decodeDouble(bytes, width) : 0.0;
}

void SDE_CALL FieldReplace(const char* field, int type, const void* value) {
    if (WorkArea* a = area()) a->replace(orEmpty(field), type, value);
}

void SDE_CALL RecordAppendBlank(void) {
    if (WorkArea* a = area()) a->appendBlank();
}

void SDE_CALL RecordDelete(void) {
    if (WorkArea* a = area()) a->deleteRecord();
}

void SDE_CALL TablePack(void) {
    if (WorkArea* a = area()) a->pack();
}

// The index file is always the table's own (.QIX); unique, descending and a condition are
// not supported and ignored (the callers pass 0).
void SDE_CALL IndexTagCreate(const char* /*indexFile*/, const char* tagName, const char* keyExpression,
                             int /*unique*/, int /*descending*/, const char* /*condition*/) {
    if (WorkArea* a = area()) a->createTag(orEmpty(tagName), orEmpty(keyExpression));
}

void SDE_CALL TableFinishIndexing(void) {
    if (WorkArea* a = area()) a->finishIndexing();
}

void SDE_CALL SetDeletedHidden(int on) { Engine::instance().settings().deletedHidden = on != 0; }

void SDE_CALL EngineSetStartFlag(int /*flag*/) { Engine::instance().restart(); }

}  // extern "C"
