// The copy of a text field of the current record into one of the gauge's fixed-size
// buffers: the engine's text is blank-padded and valid only until its next call.
#pragma once

#include <cstddef>
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

}  // namespace nav
