#include "RouteListing.h"

#include <cstdio>
#include <cstdlib>

#include "Coordinates.h"
#include "GaugeAngles.h"
#include "GeomagneticModel.h"
#include "GreatCircle.h"
#include "PlanText.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

Leg LegBetween(const ListedSlot& from, const ListedSlot& to)
{
    const TableWaypoint& a = *from.waypoint;
    const nav::WaypointRecord& p = a.record;
    const nav::WaypointRecord& q = to.waypoint->record;
    const double g = nav::CentralAngle(nav::WaypointLatitude(p), nav::WaypointLatitude(q),
                                       nav::WaypointLongitude(p) - nav::WaypointLongitude(q));
    const double trueCourse =
        nav::TrueCourse(nav::WaypointLatitude(p), nav::WaypointLongitude(p),
                        nav::WaypointLatitude(q), nav::WaypointLongitude(q), g);
    const bool known = a.variation != magnetic::UndeterminedAngleDegrees;
    // The gauge counts the variation west positive.
    const double course = nav::MagneticBearing(trueCourse, known ? -a.variation : 0.0);
    return {from.slot, to.slot, nav::LegDistance(p, q), course, a.variation, a.variationStored};
}

std::string PositionText(const nav::WaypointRecord& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "%c%02d\u00B0%02d'%02d\" %c%03d\u00B0%02d'%02d\"",
                  nav::LatitudeHemisphereLetter(r.lat1), r.lat2, r.lat3, r.lat4,
                  nav::LongitudeHemisphereLetter(r.lon1), r.lon2, r.lon3, r.lon4);
    return text;
}

std::string VariationText(const Leg& leg)
{
    if (leg.variation == magnetic::UndeterminedAngleDegrees)
        return "true course: no variation known";
    char text[64];
    std::snprintf(text, sizeof text, "variation %c%d, %s", leg.variation < 0 ? 'W' : 'E',
                  std::abs(leg.variation), leg.variationStored ? "stored" : "computed");
    return text;
}

std::string HeaderText(const RouteListing& listing)
{
    const StoredRoute& route = listing.route;
    int filled = 0;
    for (const ListedSlot& slot : listing.slots) filled += slot.entry.table > 0;
    char text[512];
    if (!route.inConfig) {
        std::snprintf(text, sizeof text, "route file %s: %d waypoint%s\n", route.source.c_str(),
                      filled, filled == 1 ? "" : "s");
    } else if (!route.routeMode) {
        std::snprintf(text, sizeof text, "%s: RTEMODE 0, no route is flown\n",
                      route.source.c_str());
    } else {
        std::snprintf(text, sizeof text, "%s: RTEMODE %d, NRTEWPT %d, ACTRTE %d: %d waypoint%s\n",
                      route.source.c_str(), route.routeMode, route.count, route.activeIndex, filled,
                      filled == 1 ? "" : "s");
    }
    return text;
}

std::string SlotText(const ListedSlot& slot)
{
    char text[256];
    if (slot.entry.table <= 0) {
        std::snprintf(text, sizeof text, "%3d  (empty slot)\n", slot.slot + 1);
    } else if (slot.entry.table > nav::WaypointUser) {
        std::snprintf(text, sizeof text, "%3d  table %d  %-8s  names no waypoint table\n",
                      slot.slot + 1, slot.entry.table, slot.entry.num);
    } else if (!slot.waypoint) {
        std::snprintf(text, sizeof text, "%3d  %-8s  %-8s  no record with this NUM\n",
                      slot.slot + 1, TableName(slot.entry.table), slot.entry.num);
    } else {
        const TableWaypoint& w = *slot.waypoint;
        std::snprintf(text, sizeof text, "%3d  %-8s  %-8s  %-6s  %s  %s\n", slot.slot + 1,
                      TableName(w.record.table), w.record.num, Utf8FromTable(w.record.id).c_str(),
                      PositionText(w.record).c_str(), Utf8FromTable(w.name).c_str());
    }
    return text;
}

std::string LegText(const Leg& leg)
{
    char text[160];
    std::snprintf(text, sizeof text, "       %7.1f NM  %03.0f\u00B0%s  (%s)\n", leg.distance,
                  leg.course, leg.variation == magnetic::UndeterminedAngleDegrees ? "T" : "M",
                  VariationText(leg).c_str());
    return text;
}

}  // namespace

nav::Expected<RouteListing> ListRoute(const StoredRoute& route, WaypointTables& tables)
{
    RouteListing listing{route, {}, {}, 0.0};
    int last = -1;
    for (int i = 0; i < route.count; ++i)
        if (route.slots[i].table > 0) last = i;
    const ListedSlot* previous = nullptr;
    for (int i = 0; i <= last; ++i) {
        ListedSlot slot{i, route.slots[i], std::nullopt};
        if (slot.entry.table >= nav::WaypointAirport && slot.entry.table <= nav::WaypointUser) {
            nav::Expected<std::optional<TableWaypoint>> found =
                tables.FindByNum(slot.entry.table, slot.entry.num);
            if (!found) return found.Failed();
            slot.waypoint = std::move(*found);
        }
        listing.slots.push_back(slot);
    }
    for (const ListedSlot& slot : listing.slots) {
        if (!slot.waypoint) continue;
        if (previous) {
            listing.legs.push_back(LegBetween(*previous, slot));
            listing.totalDistance += listing.legs.back().distance;
        }
        previous = &slot;
    }
    return listing;
}

nav::Expected<std::vector<TableWaypoint>> RouteWaypoints(const RouteListing& listing)
{
    std::vector<TableWaypoint> waypoints;
    for (const ListedSlot& slot : listing.slots) {
        if (slot.entry.table <= 0) continue;
        if (!slot.waypoint)
            return nav::Fail("slot " + std::to_string(slot.slot + 1) + " names " +
                             (slot.entry.table > nav::WaypointUser
                                  ? "table " + std::to_string(slot.entry.table)
                                  : std::string(TableName(slot.entry.table))) +
                             " NUM " + std::string(nav::WithoutPadding(slot.entry.num)) +
                             ", which is not there");
        waypoints.push_back(*slot.waypoint);
    }
    if (waypoints.empty()) return nav::Fail(listing.route.source + " holds no route");
    return waypoints;
}

std::string ShowText(const RouteListing& listing)
{
    std::string text = HeaderText(listing);
    std::size_t leg = 0;
    for (const ListedSlot& slot : listing.slots) {
        if (leg < listing.legs.size() && listing.legs[leg].toSlot == slot.slot)
            text += LegText(listing.legs[leg++]);
        text += SlotText(slot);
    }
    char total[64];
    std::snprintf(total, sizeof total, "total %.1f NM\n", listing.totalDistance);
    return text + total;
}

}  // namespace flightplan
