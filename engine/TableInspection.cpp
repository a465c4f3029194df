#include "TableInspection.h"

#include "Engine.h"

namespace sde {

int CurrentFieldCount()
{
    const WorkArea* area = Engine::Instance().Current();
    return area ? static_cast<int>(area->Table().Fields().size()) : 0;
}

const char* CurrentFieldName(int index)
{
    if (index < 0 || index >= CurrentFieldCount()) return "";
    return Engine::Instance().Current()->Table().Fields()[static_cast<size_t>(index)].name.c_str();
}

uint32_t CurrentRecordCount()
{
    const WorkArea* area = Engine::Instance().Current();
    return area ? area->Table().RecordCount() : 0;
}

bool CurrentRecordDeleted()
{
    const WorkArea* area = Engine::Instance().Current();
    return area && area->RecordDeleted();
}

}  // namespace sde
