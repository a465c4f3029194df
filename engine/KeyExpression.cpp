#include "KeyExpression.h"

#include <cstring>

namespace sde {

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

namespace {

std::string compact(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p)
        if (*p != ' ' && *p != '\t') out += upperAscii(*p);
    return out;
}

}  // namespace

std::optional<KeyExpression> parseKeyExpression(const char* text, const std::vector<TableField>& fields) {
    if (!text) return std::nullopt;
    KeyExpression expression;
    std::string name = compact(text);
    if (name.size() > 7 && name.compare(0, 6, "UPPER(") == 0 && name.back() == ')') {
        expression.upper = true;
        name = name.substr(6, name.size() - 7);
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name) {
            expression.fieldIndex = i;
            expression.text = expression.upper ? "UPPER(" + name + ")" : name;
            return expression;
        }
    }
    return std::nullopt;
}

void KeyExpression::extract(const std::vector<TableField>& fields, const char* record, char* key) const {
    const TableField& field = fields[fieldIndex];
    std::memcpy(key, record + field.offset, static_cast<size_t>(field.width));
    if (upper)
        for (int i = 0; i < field.width; ++i) key[i] = upperAscii(key[i]);
}

}  // namespace sde
