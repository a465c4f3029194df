// One field of an open table, as the engine works with it.
#pragma once

#include <string>

namespace sde {

struct TableField {
    std::string name;  // upper case, as stored
    char type = 'C';   // 'C' character, 'N' numeric ('F' is read as numeric too)
    int width = 0;
    int decimals = 0;  // numeric fields only
    int offset = 0;    // from the start of the record; the deletion flag is byte 0

    bool Numeric() const { return type == 'N' || type == 'F'; }
};

}  // namespace sde
