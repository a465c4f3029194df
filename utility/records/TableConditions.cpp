#include "TableConditions.h"

#include "NavigationTables.h"

namespace quillmap {

namespace {

// FIELD = "text" on RUNWAYS, the text blank-padded to the field's width. Text longer than
// the field stays whole and matches no record. A text holding a double quote goes in single
// quotes.
std::string Term(const char* field, std::string text)
{
    const nav::FieldDefinition* definition = nav::FindField(nav::RunwaysTable, field);
    const std::size_t width = definition ? static_cast<std::size_t>(definition->width) : 0;
    if (text.size() < width) text.resize(width, ' ');
    const char quote = text.find('"') == std::string::npos ? '"' : '\'';
    return std::string(field) + " = " + quote + text + quote;
}

}  // namespace

std::string NumCondition(const std::string& num)
{
    return Term("NUM", num);
}

std::string RunwayCondition(const std::string& num, const std::string& designator)
{
    return NumCondition(num) + " .and. " + Term("RUNWAYS", designator);
}

}  // namespace quillmap
