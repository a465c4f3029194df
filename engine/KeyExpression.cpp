#include "KeyExpression.h"

#include "AsciiText.h"

#include <cstring>

namespace sde {

namespace {

std::string Compact(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p)
        if (!nav::IsBlank(*p)) out += nav::UpperAscii(*p);
    return out;
}

}  // namespace

std::optional<KeyExpression> ParseKeyExpression(const char* text,
                                                const std::vector<TableField>& fields)
{
    if (!text) return std::nullopt;
    std::string name = Compact(text);
    bool upper = name.size() > 7 && name.compare(0, 6, "UPPER(") == 0 && name.back() == ')';
    if (upper) name = name.substr(6, name.size() - 7);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == name) return KeyOnField(fields, i, upper);
    return std::nullopt;
}

KeyExpression KeyOnField(const std::vector<TableField>& fields, size_t fieldIndex, bool upper)
{
    KeyExpression expression;
    const std::string& name = fields[fieldIndex].name;
    expression.text = upper ? "UPPER(" + name + ")" : name;
    expression.fieldIndex = fieldIndex;
    expression.upper = upper;
    return expression;
}

void KeyExpression::Extract(const std::vector<TableField>& fields, const char* record,
                            char* key) const
{
    const TableField& field = fields[fieldIndex];
    std::memcpy(key, record + field.offset, static_cast<size_t>(field.width));
    if (upper)
        for (int i = 0; i < field.width; ++i) key[i] = nav::UpperAscii(key[i]);
}

}  // namespace sde
