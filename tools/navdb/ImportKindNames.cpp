#include "ImportKindNames.h"

namespace navdb {

ImportKindNames NamesOfImportKind(nav::ImportKind kind)
{
    switch (kind) {
    case nav::ImportKind::Airports:
        return {"airport", "airports"};
    case nav::ImportKind::Runways:
        return {"runway", "runways"};
    case nav::ImportKind::Navaids:
        return {"navaid", "navaids"};
    default:
        return {"unknown", "nothing"};
    }
}

}  // namespace navdb
