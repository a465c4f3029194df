// Query conditions: terms FIELD = "text" joined by .and. (keywords and field names in any
// case; the text in double or single quotes). A record matches when every term's field,
// as stored (blank-padded), begins with the term's text; a numeric field is compared
// without its leading blanks. A blank condition matches every record; a condition that
// cannot be parsed, or that names an unknown field, matches none.
#pragma once

#include "TableField.h"

#include <string>
#include <vector>

namespace sde {

class QueryCondition {
public:
    struct Term {
        const TableField* field;
        std::string text;
    };

    static QueryCondition Parse(const char* text, const std::vector<TableField>& fields);

    bool MatchesAll() const { return valid_ && terms_.empty(); }
    bool MatchesNone() const { return !valid_; }
    const std::vector<Term>& Terms() const { return terms_; }
    bool Matches(const char* record) const;

    // Whether the field's value (blank-padded to the field's width) begins with `text`.
    static bool FieldBeginsWith(const TableField& field, const char* record,
                                const std::string& text);

private:
    bool valid_ = false;
    std::vector<Term> terms_;
};

}  // namespace sde
