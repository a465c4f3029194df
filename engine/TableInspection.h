// What a tool that links the engine itself may read besides the operations of TableEngine.h:
// the current table's fields as stored, its record count, and whether the current record is
// marked deleted (its flag byte is dbf::DeletedFlag). SDE3032.dll does not export these: the
// deliverables never need them. Like the operations, each is harmless without a current table.
#pragma once

#include "DbfFormat.h"

#include <cstdint>

namespace sde {

// The current table's fields, 0 without one.
int CurrentFieldCount();
// The name of field `index` (from 0, in stored order), upper case; "" out of range. Valid
// while the table is open.
const char* CurrentFieldName(int index);
// The current table's records, deleted ones included.
uint32_t CurrentRecordCount();
// Whether the current record is marked deleted.
bool CurrentRecordDeleted();

}  // namespace sde
