// The route tools' way into the waypoint tables of one data directory, through the table
// engine: lookups by NUM and by identifier, and new user waypoints. One table is open at
// a time, as in the gauge; every table is closed again when the object goes. The object
// leaves soft seek off; a user that seeks softly (the gauge) turns it on again after it.
// Each operation fails with "cannot open PATH" when its table does not open.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlanWaypoints.h"
#include "Result.h"

namespace flightplan {

// A user waypoint to be appended to USERS.
struct NewUserWaypoint {
    std::string num;
    std::string id;
    std::string name;  // as stored (Windows-1252)
    Position position;
};

class WaypointTables {
public:
    // `directory` ends with a separator. Every table is opened under `alias` (the gauge
    // reaches its waypoint tables under one alias), or under its own name without one.
    explicit WaypointTables(std::string directory, std::string alias = {});
    ~WaypointTables();
    WaypointTables(const WaypointTables&) = delete;
    WaypointTables& operator=(const WaypointTables&) = delete;

    // The record of table 1 to 3 whose NUM is `num` exactly; none when it has no such key.
    nav::Expected<std::optional<TableWaypoint>> FindByNum(int32_t table, const std::string& num);

    // Every record of table 1 to 3 whose ID is `id` exactly, in key order.
    nav::Expected<std::vector<TableWaypoint>> FindById(int32_t table, const std::string& id);

    // The NUM one above the highest all-digit NUM of USERS, deleted records included, as 8
    // digits; `reserved` more are taken by waypoints not appended yet. Fails when that
    // passes 99999999.
    nav::Expected<std::string> NextUserNum(int reserved);

    nav::Status AppendUsers(const std::vector<NewUserWaypoint>& waypoints);

    const std::string& Directory() const { return directory_; }

private:
    // Opens the table with the password.
    nav::Status Open(const char* table, int mode);
    TableWaypoint ReadCurrent(int32_t table);

    std::string directory_;
    std::string alias_;
};

}  // namespace flightplan
