// Binding of the xBase table engine SDE3032: the operations both deliverables call and the
// value-type codes of FieldReplace. SDE3032.dll exports each operation by ordinal only
// (NONAME); the ordinals are listed once, in engine/SDE3032Exports.cmake.
//
// Conventions of the engine:
//  - One table is current at a time; TableOpen makes the opened table current. Tables are
//    dBase III files; paths take "\" and "/" alike, doubled separators included.
//  - Text results are blank-padded to the field width and stay valid until the next
//    engine call. An unknown field reads as "" and 0 and is never written.
//  - After a failed open (or AreaSelect of an area that is not open) no table is current
//    and every operation is harmless: moves do nothing, RecordAtBof/RecordAtEof report
//    non-zero, reads give blank text and 0, writes are ignored.
//  - Moving past the last visible record stands on a blank record with RecordAtEof set
//    (writes there are ignored); RecordSkip(-1) from it returns to the last record. Moving
//    before the first stays on the first record with RecordAtBof set.
//  - Field puts and RecordDelete change the current record; it is written, whole, when the
//    cursor leaves it (a move, seek, query, append or pack), when another work area becomes
//    current or is opened, and at TableFinishIndexing and TableCloseAll; RecordSkip(0)
//    writes it and stays on it (CommitRecord below). Another process that opens the table
//    then sees it; a process killed before loses that record only.
//    In exclusive use the header's record count follows at the close (an open recovers
//    records the count missed, see engine/DbfTable.h).
#pragma once

#ifdef _WIN32
#define SDE_CALL __stdcall
#else
#define SDE_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// FieldReplace value types.
enum {
    SDE_INTEGER = 1,      // const int32_t*
    SDE_INTEGER_ALT = 2,  // const int32_t* (the import writes this one)
    SDE_DOUBLE = 8,       // const double*
    SDE_TEXT = 1024       // const char*, NUL-terminated; cut to the field, blank-padded
};

// TableOpen modes (fourth argument, the table kind, is always SDE_KIND_DBF).
enum {
    SDE_SHARED = 0,     // read-write, shared
    SDE_READONLY = 1,   // read-only, shared
    SDE_EXCLUSIVE = 2,  // read-write; every other open of the file fails while it lasts
    SDE_KIND_DBF = 2
};

// Returns the work area (> 0) of the opened table, 0 when the open failed. An
// alias names one area: opening under an alias in use closes that area first.
int SDE_CALL TableOpen(const char* path, const char* alias, int mode, int kind);
// Accepted and not needed: the tables are not encrypted.
void SDE_CALL TableSetPassword(const char* password);
void SDE_CALL TableCloseAll(void);
int SDE_CALL AreaOfAlias(const char* alias);
void SDE_CALL AreaSelect(int area);
int SDE_CALL TagOrder(const char* tagName);
void SDE_CALL OrderSet(int order);
void SDE_CALL RecordGoTop(void);
void SDE_CALL RecordGoBottom(void);
void SDE_CALL RecordSkip(int count);
short SDE_CALL RecordAtBof(void);
short SDE_CALL RecordAtEof(void);
// Compares `key` with the controlling tag's keys over the key text's length (a
// prefix finds the first key that begins with it). Not found: past the end, or with soft
// seek on, on the next higher key. Without a tag nothing is found.
short SDE_CALL RecordSeek(const char* key);
void SDE_CALL SetSoftSeek(int on);
// Terms FIELD = "text" joined by .and.; a record matches when each field's stored
// value begins with its text. Moves then visit only matches (records appended later
// included) until another query or the close; "" shows every record again; a condition that
// cannot be parsed matches none. Stands on the first match.
void SDE_CALL QuerySet(const char* condition);
int SDE_CALL QueryCount(void);  // 99: matches when set
const char* SDE_CALL FieldGetString(const char* field);
// The fraction is cut off; values beyond the 16-bit range are held at its limits.
short SDE_CALL FieldGetInteger(const char* field);
double SDE_CALL FieldGetDouble(const char* field);
// Numbers are right-aligned with the field's decimals; one that does not fit gives
// up decimals, then fills the field with asterisks (which read back as 0).
void SDE_CALL FieldReplace(const char* field, int type, const void* value);
void SDE_CALL RecordAppendBlank(void);
void SDE_CALL RecordDelete(void);
void SDE_CALL TablePack(void);  // 95: exclusive use only
// Builds tag `tagName` on `keyExpression` (a field name or UPPER(field)) in the
// table's own index file (TABLE.QIX), replacing a tag of that name; not in read-only use.
// The index file name, unique, descending and condition are ignored. A tag named after its
// key field (NUM on "NUM", NAME on "UPPER(NAME)") is also recorded in the table's header, so
// it is rebuilt at open even when the index file is lost; other tags live in TABLE.QIX only.
void SDE_CALL IndexTagCreate(const char* indexFile, const char* tagName, const char* keyExpression,
                             int unique, int descending, const char* condition);
// Saves the tags now (they are saved at close in any case).
void SDE_CALL TableFinishIndexing(void);
void SDE_CALL SetDeletedHidden(int on);
// Starts a fresh session: every table is closed, deleted records are shown and
// soft seek is off again. The flag's value does not matter.
void SDE_CALL EngineSetStartFlag(int flag);

#ifdef __cplusplus
}

namespace nav {

// A commit point: the current record is in its file when this returns, and stays current. A
// skip by nothing writes it as every move does, then reads it back from the file.
inline void CommitRecord()
{
    RecordSkip(0);
}

}  // namespace nav
#endif
