// Creation of new, empty dBase III tables, for the tools and tests that make the delivered
// tables (the deliverables themselves never create a table). Tags are created afterwards
// through the engine's own IndexTagCreate.
#pragma once

#include "FieldDefinition.h"
#include "Result.h"

#include <span>

namespace sde {

// Creates (or replaces) the table file at `path` with no records, and removes an index
// file left from an earlier table of that name. Fails, saying why, when the definition is
// invalid or the file cannot be written.
nav::Status CreateTable(const char* path, std::span<const nav::FieldDefinition> fields);

}  // namespace sde
