// The table's own record of its tags, in the header bytes 16..27 (dbf::TagDirectoryBytes):
// read when the table opens, so that its tags are rebuilt from the table even when the index
// file is lost. A slot holds no name, so only a tag named after its key field can be recorded
// (NUM on "NUM", NAME on "UPPER(NAME)"); tags named otherwise, tags beyond the ten slots and
// tags on fields past the 127th live in the index file alone.
//
//   slot = 0                          no tag (and none in the slots after it)
//   slot = upper << 7 | field number  field number from 1 (1..127); upper for UPPER(field)
//
// The mark and the check byte keep bytes that another program left there from being taken
// for tags; all twelve bytes zero (a table that never had tags) record none.
#pragma once

#include "DbfFormat.h"
#include "KeyExpression.h"

#include <vector>

namespace sde {

// The keys the bytes record, in tag order; none when the bytes are not ours (mark or check
// wrong) or name a field the table does not have.
std::vector<KeyExpression> ReadTagDirectory(const dbf::TagDirectoryBytes& bytes,
                                            const std::vector<TableField>& fields);

// The bytes that record `keys`, each the key of a tag named after its field, as far as the
// slots reach; keys on fields past the 127th are left out.
dbf::TagDirectoryBytes MakeTagDirectory(const std::vector<KeyExpression>& keys);

}  // namespace sde
