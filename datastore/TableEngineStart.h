// How every program starts its session with the table engine, before it opens a table.
#pragma once

#include "TableEngine.h"

namespace nav {

// Records marked deleted stay in the files until a rebuild packs them. The gauge hides them,
// so that a waypoint deleted in an editor is gone from lookups and lists at once. The
// database program and the tools show them: import and rebuild go over whole tables and must
// meet every record once, deleted or not (the editors hide them while they are open).
enum class DeletedRecords {
    Hidden,
    Shown
};

// A fresh engine session (every table closed, the engine's settings at their defaults),
// then the visibility of deleted records.
inline void StartTableEngine(DeletedRecords deletedRecords)
{
    EngineSetStartFlag(1);
    SetDeletedHidden(deletedRecords == DeletedRecords::Hidden ? 1 : 0);
}

}  // namespace nav
