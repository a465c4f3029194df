// One field of a table as a definition lists it: the schema of the navigation tables is
// written in these, and the engine creates a table from a list of them. It belongs to the
// engine's interface so that the engine, which sees nothing of the datastore beyond that
// interface, and the datastore's schema share one type.
#pragma once

namespace nav {

struct FieldDefinition {
    const char* name;  // up to 10 characters; stored upper case
    char type;         // 'C' character (width 1..65534), 'N' numeric (width 1..20)
    int width;
    int decimals = 0;  // numeric fields: fewer than width - 1
};

}  // namespace nav
