#include "ImportKindNames.h"

namespace navdb {

ImportKindNames NamesOfImportKind(quillmap::ImportKind kind)
{
    switch (kind) {
    case quillmap::ImportKind::Airports:
        return {"airport", "airports"};
    case quillmap::ImportKind::Runways:
        return {"runway", "runways"};
    case quillmap::ImportKind::Navaids:
        return {"navaid", "navaids"};
    default:
        return {"unknown", "nothing"};
    }
}

}  // namespace navdb
