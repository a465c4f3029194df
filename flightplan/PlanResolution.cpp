#include "PlanResolution.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "Coordinates.h"
#include "NavigationTables.h"
#include "PlanText.h"
#include "RouteText.h"

namespace flightplan {

namespace {

constexpr std::size_t IdWidth = 6;

std::string Miles(double distance)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f NM", distance);
    return text;
}

double MatchRadius(int32_t table)
{
    return table == nav::WaypointUser ? UserWaypointMatchRadius : FacilityMatchRadius;
}

std::string FieldWidthText(const std::string& text, const char* field)
{
    for (const nav::FieldDefinition& definition : nav::UsersTable.fields)
        if (std::string(definition.name) == field)
            return text.substr(0, static_cast<std::size_t>(definition.width));
    return text;
}

// The record of a user waypoint that is not appended yet, as a lookup would give it.
TableWaypoint PendingRecord(const NewUserWaypoint& user)
{
    TableWaypoint w{};
    std::snprintf(w.record.num, sizeof w.record.num, "%s", user.num.c_str());
    std::snprintf(w.record.id, sizeof w.record.id, "%s", user.id.c_str());
    std::snprintf(w.record.name, 31, "%s", user.name.c_str());
    w.record.table = nav::WaypointUser;
    const nav::StoredCoordinate lat =
        nav::StoredFromDegrees(user.position.latitude, nav::Axis::Latitude);
    const nav::StoredCoordinate lon =
        nav::StoredFromDegrees(user.position.longitude, nav::Axis::Longitude);
    w.record.lat1 = lat.hemisphere, w.record.lat2 = lat.degrees, w.record.lat3 = lat.minutes,
    w.record.lat4 = lat.seconds;
    w.record.lon1 = lon.hemisphere, w.record.lon2 = lon.degrees, w.record.lon3 = lon.minutes,
    w.record.lon4 = lon.seconds;
    w.name = user.name;
    w.kind = WaypointKind::User;
    return w;
}

class Resolver {
public:
    Resolver(WaypointTables& tables, ResolvedPlan& result, UnknownWaypoints unknown)
        : tables_(tables), result_(result), unknown_(unknown)
    {
    }

    nav::Status Resolve(const PlanWaypoint& waypoint, int index)
    {
        // The tables hold Windows-1252, as the unit shows it.
        const std::optional<std::string> tableText = PrintableTableText(waypoint.identifier);
        if (!tableText)
            return nav::Fail("waypoint " + std::to_string(index + 1) + " (" + waypoint.identifier +
                             ") has an identifier that is not printable in Windows-1252, the " +
                             "tables' code page");
        const std::string identifier = TableUpper(*tableText);
        // Longer identifiers are kept as their first six characters, as a new user waypoint.
        const std::string id = identifier.substr(0, IdWidth);
        nav::Expected<std::vector<TableWaypoint>> found = Candidates(waypoint.kind, id);
        if (!found) return found.Failed();
        std::vector<TableWaypoint>& candidates = *found;
        std::string note;
        if (waypoint.position) {
            std::erase_if(candidates, [&](const TableWaypoint& c) {
                return DistanceBetween(PositionOf(c.record), *waypoint.position) >
                       MatchRadius(c.record.table);
            });
        }
        if (candidates.empty()) {
            if (unknown_ == UnknownWaypoints::Listed) {
                result_.notFound.push_back(
                    identifier.empty() ? "waypoint " + std::to_string(index + 1) : identifier);
                return {};
            }
            if (!waypoint.position)
                return nav::Fail("waypoint " + std::to_string(index + 1) + " (" + Label(waypoint) +
                                 ") is in no table, and the plan gives no position to add it with");
            const nav::Expected<TableWaypoint> added = AddUser(waypoint, identifier, index, note);
            if (!added) return added.Failed();
            Take(*added, note);
            return {};
        }
        const TableWaypoint* taken = &candidates.front();
        if (candidates.size() > 1) {
            const Position* reference = waypoint.position ? &*waypoint.position
                                        : previous_       ? &*previous_
                                                          : nullptr;
            const char* against =
                waypoint.position ? "the plan's position" : "the previous waypoint";
            if (reference) {
                taken = &*std::min_element(
                    candidates.begin(), candidates.end(), [&](const auto& a, const auto& b) {
                        return DistanceBetween(PositionOf(a.record), *reference) <
                               DistanceBetween(PositionOf(b.record), *reference);
                    });
                note = std::to_string(candidates.size()) + " records are " + Utf8FromTable(id) +
                       "; took the nearest to " + against + " (" +
                       Miles(DistanceBetween(PositionOf(taken->record), *reference)) + ")";
            } else {
                note = std::to_string(candidates.size()) + " records are " + Utf8FromTable(id) +
                       "; took the first, NUM " + taken->record.num;
            }
        }
        Take(*taken, note);
        return {};
    }

private:
    nav::Expected<std::vector<TableWaypoint>> Candidates(WaypointKind kind, const std::string& id)
    {
        std::vector<TableWaypoint> found;
        for (int32_t table = nav::WaypointAirport; table <= nav::WaypointUser; ++table) {
            if (TableOfKind(kind) != nav::WaypointNone && TableOfKind(kind) != table) continue;
            nav::Expected<std::vector<TableWaypoint>> records = tables_.FindById(table, id);
            if (!records) return records.Failed();
            for (TableWaypoint& w : *records) found.push_back(std::move(w));
            if (table != nav::WaypointUser) continue;
            for (const NewUserWaypoint& user : result_.newUsers)
                if (user.id == id) found.push_back(PendingRecord(user));
        }
        // A VOR is not taken for an NDB of the same name while one of the right kind is there.
        if (kind == WaypointKind::Vor || kind == WaypointKind::Ndb) {
            if (std::any_of(found.begin(), found.end(),
                            [&](const auto& w) { return w.kind == kind; }))
                std::erase_if(found, [&](const auto& w) { return w.kind != kind; });
        }
        return found;
    }

    // `identifier` is the plan's, in the tables' code page and upper case.
    nav::Expected<TableWaypoint> AddUser(const PlanWaypoint& waypoint,
                                         const std::string& identifier, int index,
                                         std::string& note)
    {
        const std::string id = identifier.substr(0, IdWidth);
        const nav::Expected<std::string> num =
            tables_.NextUserNum(static_cast<int>(result_.newUsers.size()));
        if (!num) return num.Failed();
        NewUserWaypoint user;
        user.num = *num;
        char generated[IdWidth + 1];
        std::snprintf(generated, sizeof generated, "WPT%02d", index + 1);
        user.id = id.empty() ? generated : id;
        user.name = FieldWidthText(
            TableFromUtf8(waypoint.name.empty() ? waypoint.identifier : waypoint.name), "NAME");
        user.position = *waypoint.position;
        result_.newUsers.push_back(user);
        note = "not in the tables: added to USERS as NUM " + user.num + ", ID " +
               Utf8FromTable(user.id);
        if (identifier != user.id) note += " (identifier '" + waypoint.identifier + "')";
        return PendingRecord(user);
    }

    void Take(const TableWaypoint& w, const std::string& note)
    {
        result_.waypoints.push_back({w.record, note});
        previous_ = PositionOf(w.record);
    }

    static std::string Label(const PlanWaypoint& waypoint)
    {
        return (waypoint.identifier.empty() ? std::string("unnamed") : waypoint.identifier) + ", " +
               (waypoint.kind == WaypointKind::Unknown ? "any table"
                                                       : TableName(TableOfKind(waypoint.kind)));
    }

    WaypointTables& tables_;
    ResolvedPlan& result_;
    UnknownWaypoints unknown_;
    std::optional<Position> previous_;
};

}  // namespace

nav::Expected<ResolvedPlan> ResolvePlan(const Plan& plan, WaypointTables& tables,
                                        UnknownWaypoints unknown)
{
    const std::size_t count = plan.waypoints.size();
    if (count > static_cast<std::size_t>(nav::RouteCapacity))
        return nav::Fail("the plan has " + std::to_string(count) +
                         " waypoints; a route holds at most " + std::to_string(nav::RouteCapacity));
    ResolvedPlan result;
    Resolver resolver(tables, result, unknown);
    for (std::size_t i = 0; i < count; ++i)
        if (nav::Status resolved = resolver.Resolve(plan.waypoints[i], static_cast<int>(i));
            !resolved)
            return resolved.Failed();
    return result;
}

}  // namespace flightplan
