// Index key expressions: a field name ("NUM") or an upper-cased field ("UPPER(NAME)").
// Upper-casing covers the ASCII letters only, like the C library's toupper in the "C"
// locale that the callers use for their search texts.
#pragma once

#include "TableField.h"

#include <optional>
#include <string>
#include <vector>

namespace sde {

struct KeyExpression {
    std::string text;  // normalised: "NUM", "UPPER(NAME)"
    size_t fieldIndex = 0;
    bool upper = false;

    // The key of one record (its bytes from offset 0, deletion flag included).
    void Extract(const std::vector<TableField>& fields, const char* record, char* key) const;
};

// Parses `text` against the table's fields; nothing when the form or the field is unknown.
std::optional<KeyExpression> ParseKeyExpression(const char* text,
                                                const std::vector<TableField>& fields);
// The key on field `fieldIndex` (which must exist), upper-cased or not.
KeyExpression KeyOnField(const std::vector<TableField>& fields, size_t fieldIndex, bool upper);

}  // namespace sde
