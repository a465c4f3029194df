#include "PlanWaypoints.h"

#include "Coordinates.h"
#include "GaugeAngles.h"
#include "GreatCircle.h"
#include "WaypointFields.h"

namespace gauge::routeplan {

Position PositionOf(const WaypointRecord& record)
{
    return {nav::UtilityLatitude({record.lat1, record.lat2, record.lat3, record.lat4}),
            nav::UtilityLongitude({record.lon1, record.lon2, record.lon3, record.lon4})};
}

double DistanceBetween(const Position& a, const Position& b)
{
    // The gauge counts longitudes west positive.
    return CentralAngle(a.latitude * DegreesToRadians, b.latitude * DegreesToRadians,
                        (b.longitude - a.longitude) * DegreesToRadians) *
           NauticalMilesPerRadian;
}

WaypointKind NavaidKind(const std::string& type)
{
    return type.find("NDB") != std::string::npos ? WaypointKind::Ndb : WaypointKind::Vor;
}

int32_t TableOfKind(WaypointKind kind)
{
    switch (kind) {
    case WaypointKind::Airport:
        return WaypointAirport;
    case WaypointKind::Vor:
    case WaypointKind::Ndb:
        return WaypointNavaid;
    case WaypointKind::User:
        return WaypointUser;
    case WaypointKind::Unknown:
        break;
    }
    return WaypointNone;
}

const char* TableName(int32_t table)
{
    return WaypointTableAlias(table);
}

std::string TrimmedRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace gauge::routeplan
