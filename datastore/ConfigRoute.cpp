#include "ConfigRoute.h"

#include <algorithm>
#include <string>

#include "TableEngine.h"

namespace nav {

ConfigRoute ReadConfigRouteFields()
{
    ConfigRoute route;
    route.mode = FieldGetInteger("RTEMODE");
    route.activeIndex = FieldGetInteger("ACTRTE");
    if (route.mode) route.count = std::clamp<int32_t>(FieldGetInteger("NRTEWPT"), 0, RouteCapacity);
    std::string text = FieldGetString("RTEWPTS");
    text.resize(RouteTextLength, ' ');
    for (int32_t i = 0; i < route.count; ++i)
        ParseRouteEntry(text.data() + i * RouteEntryLength, route.slots[i]);
    return route;
}

}  // namespace nav
