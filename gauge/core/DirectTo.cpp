#include "DirectTo.h"

#include <cstring>

#include "InfoPages.h"
#include "Navigation.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

// The first `length` characters of `text`.
std::string Prefix(const char* text, int length)
{
    return std::string(text, strnlen(text, length));
}

FoundWaypoint CurrentWaypoint()
{
    FoundWaypoint found;
    found.id = FieldGetString("ID");
    found.name = FieldGetString("NAME");
    return found;
}

}  // namespace

std::vector<std::string> ListWaypointNames()
{
    std::vector<std::string> names;
    OrderSet(TagOrder(nav::NameTag));
    RecordGoTop();
    while (!RecordAtEof()) {
        names.emplace_back(FieldGetString("NAME"));
        RecordSkip(1);
    }
    // Back on a record, so that OK before any search still chooses one.
    OrderSet(TagOrder(nav::IdTag));
    RecordGoTop();
    return names;
}

FoundWaypoint SearchWaypointById(const char* text)
{
    OrderSet(TagOrder(nav::IdTag));
    RecordSeek(Prefix(text, IdSearchLength).c_str());
    return CurrentWaypoint();
}

FoundWaypoint SearchWaypointByName(const char* text)
{
    OrderSet(TagOrder(nav::NameTag));
    RecordSeek(Prefix(text, NameSearchLength).c_str());
    return CurrentWaypoint();
}

FoundWaypoint GoToWaypointNameLine(int index)
{
    OrderSet(TagOrder(nav::NameTag));
    RecordGoTop();
    RecordSkip(index);
    return CurrentWaypoint();
}

void ActivateDirectToChoice()
{
    GaugeState& s = gaugeState;
    std::memset(s.route, 0, sizeof s.route);
    s.routeMode = 0;
    ShowNormalPages(2);
    DropHeldRouteAdvance();
    OpenWaypointTable(s.directToChoice.table);
    SeekWaypointByNum(s.directToChoice.num);
    LoadActiveWaypoint();
    TableCloseAll();
}

}  // namespace gauge
