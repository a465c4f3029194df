// Typed access to the fields of the current record through the engine that the program
// links: a text field copied into one of the gauge's fixed-size buffers (the engine's text is
// blank-padded and valid only until its next call), and fields replaced by an integer, a
// double or a text, which the engine takes by address with their type code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "TableEngine.h"

namespace nav {

// Copies at most Size - 1 characters of the field's text and terminates.
template <std::size_t Size>
void CopyField(char (&target)[Size], const char* field)
{
    std::strncpy(target, FieldGetString(field), Size - 1);
    target[Size - 1] = '\0';
}

inline void ReplaceInteger(const char* field, int32_t value)
{
    FieldReplace(field, SDE_INTEGER, &value);
}

inline void ReplaceDouble(const char* field, double value)
{
    FieldReplace(field, SDE_DOUBLE, &value);
}

inline void ReplaceText(const char* field, const char* value)
{
    FieldReplace(field, SDE_TEXT, value);
}

}  // namespace nav
