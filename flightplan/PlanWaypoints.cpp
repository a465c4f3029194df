#include "PlanWaypoints.h"

#include "Coordinates.h"
#include "GaugeAngles.h"
#include "GreatCircle.h"
#include "WaypointFields.h"

namespace flightplan {

Position PositionOf(const nav::WaypointRecord& record)
{
    return {nav::UtilityLatitude({record.lat1, record.lat2, record.lat3, record.lat4}),
            nav::UtilityLongitude({record.lon1, record.lon2, record.lon3, record.lon4})};
}

double DistanceBetween(const Position& a, const Position& b)
{
    // The gauge counts longitudes west positive.
    return nav::CentralAngle(a.latitude * nav::DegreesToRadians, b.latitude * nav::DegreesToRadians,
                             (b.longitude - a.longitude) * nav::DegreesToRadians) *
           nav::NauticalMilesPerRadian;
}

WaypointKind NavaidKind(const std::string& type)
{
    return type.find("NDB") != std::string::npos ? WaypointKind::Ndb : WaypointKind::Vor;
}

int32_t TableOfKind(WaypointKind kind)
{
    switch (kind) {
    case WaypointKind::Airport:
        return nav::WaypointAirport;
    case WaypointKind::Vor:
    case WaypointKind::Ndb:
        return nav::WaypointNavaid;
    case WaypointKind::User:
        return nav::WaypointUser;
    case WaypointKind::Unknown:
        break;
    }
    return nav::WaypointNone;
}

const char* TableName(int32_t table)
{
    return nav::WaypointTableAlias(table);
}

}  // namespace flightplan
