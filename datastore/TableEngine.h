// Binding of the xBase table engine SDE3032: the operations both deliverables call,
// with their ordinals in SDE3032.dll (imported by ordinal, NONAME), and the value-type
// codes of FieldReplace.
//
// Conventions of the engine:
//  - One table is current at a time; TableOpen makes the opened table current.
//  - Text results are blank-padded to the field width and stay valid until the next
//    engine call.
//  - After a failed open no table is current and every operation is harmless: moves do
//    nothing, RecordAtBof/RecordAtEof report non-zero, reads give blank text and 0,
//    writes are ignored.
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
    SDE_INTEGER = 1,        // const int32_t*
    SDE_INTEGER_ALT = 2,    // const int32_t* (the import writes this one)
    SDE_DOUBLE = 8,         // const double*
    SDE_TEXT = 1024         // const char*, NUL-terminated; cut to the field, blank-padded
};

// TableOpen modes (fourth argument, the table kind, is always SDE_KIND_DBF).
enum {
    SDE_SHARED = 0,         // read-write, shared
    SDE_READONLY = 1,       // read-only, shared
    SDE_EXCLUSIVE = 2,      // read-write; every other open of the file fails while it lasts
    SDE_KIND_DBF = 2
};

// Ord 132. Returns the work area (> 0) of the opened table, 0 when the open failed.
int SDE_CALL TableOpen(const char* path, const char* alias, int mode, int kind);
void SDE_CALL TableSetPassword(const char* password);              // 123
void SDE_CALL TableCloseAll(void);                                 // 29
int SDE_CALL AreaOfAlias(const char* alias);                       // 134
void SDE_CALL AreaSelect(int area);                                // 111
int SDE_CALL TagOrder(const char* tagName);                        // 129
void SDE_CALL OrderSet(int order);                                 // 122
void SDE_CALL RecordGoTop(void);                                   // 76
void SDE_CALL RecordGoBottom(void);                                // 75
void SDE_CALL RecordSkip(int count);                               // 128
short SDE_CALL RecordAtBof(void);                                  // 27
short SDE_CALL RecordAtEof(void);                                  // 44
short SDE_CALL RecordSeek(const char* key);                        // 109
void SDE_CALL SetSoftSeek(int on);                                 // 126
void SDE_CALL QuerySet(const char* condition);                     // 98
int SDE_CALL QueryCount(void);                                     // 99
const char* SDE_CALL FieldGetString(const char* field);            // 71
short SDE_CALL FieldGetInteger(const char* field);                 // 65
double SDE_CALL FieldGetDouble(const char* field);                 // 64
void SDE_CALL FieldReplace(const char* field, int type, const void* value);  // 107
void SDE_CALL RecordAppendBlank(void);                             // 23
void SDE_CALL RecordDelete(void);                                  // 40
void SDE_CALL TablePack(void);                                     // 95
void SDE_CALL IndexTagCreate(const char* indexFile, const char* tagName,
                             const char* keyExpression, int unique, int descending,
                             const char* condition);               // 85
void SDE_CALL TableFinishIndexing(void);                           // 38
void SDE_CALL SetDeletedHidden(int on);                            // 114
void SDE_CALL EngineSetStartFlag(int flag);                        // 127

#ifdef __cplusplus
}
#endif
