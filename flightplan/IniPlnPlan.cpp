// The flight plan of the 2004 generation of desktop simulators: an INI file whose
// [flightplan] section names the departure and destination (departure_id=KSEA, N47* 26.85',
// W122* 18.47', +000433.00, and their names) and the route as waypoint.0, waypoint.1, ...
// A waypoint line is IDENT, TYPE, LATITUDE, LONGITUDE, ALTITUDE as planning tools write it,
// or REGION, IDENT, AIRWAY, IDENT, TYPE, LATITUDE, LONGITUDE, ALTITUDE as the simulator
// saves it; TYPE is A (airport), V (VOR), N (NDB), I (intersection) or U (user), positions
// are degrees and decimal minutes. The simulator writes the Windows code page; planning
// tools may write UTF-8.
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "PlanFormats.h"
#include "PlanText.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

constexpr std::string_view WaypointKey = "waypoint.";

std::vector<std::string> Fields(const std::string& value)
{
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        fields.emplace_back(nav::Trimmed(std::string_view(value).substr(start, comma - start)));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

// The type letter of a waypoint line's field; none when the field is no type.
std::optional<WaypointKind> KindOfField(const std::string& field)
{
    if (field.size() != 1) return std::nullopt;
    return KindOfLetter(field[0]);
}

nav::Expected<PlanWaypoint> WaypointOfLine(const std::string& value, const std::string& where)
{
    const std::vector<std::string> fields = Fields(value);
    // The simulator's layout has the type fifth, the planning tools' second.
    std::size_t type = 4;
    if (fields.size() < type + 3 || !KindOfField(fields[type])) type = 1;
    if (fields.size() < type + 3 || !KindOfField(fields[type]))
        return nav::Fail(
            where + ": '" + value +
            "' is not IDENT, TYPE, LATITUDE, LONGITUDE with a type of A, V, N, I or U");
    const nav::Expected<Position> position =
        PositionFromAngles(fields[type + 1], fields[type + 2], where);
    if (!position) return position.Failed();
    PlanWaypoint waypoint;
    waypoint.identifier = fields[type - 1];
    waypoint.kind = *KindOfField(fields[type]);
    waypoint.position = *position;
    return waypoint;
}

// departure_id or destination_id: the identifier, then the position where it is given.
nav::Status SetEnd(PlanWaypoint& end, const std::string& value, const std::string& where)
{
    const std::vector<std::string> fields = Fields(value);
    end.identifier = fields[0];
    end.kind = WaypointKind::Airport;
    if (fields.size() < 3) return {};
    const nav::Expected<Position> position = PositionFromAngles(fields[1], fields[2], where);
    if (!position) return position.Failed();
    end.position = *position;
    return {};
}

}  // namespace

nav::Expected<Plan> ReadIniPln(std::string_view text, const std::string& source)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::string utf8 = IsUtf8(text) ? std::string(text) : Utf8FromTable(text);
    std::map<long, PlanWaypoint> numbered;
    PlanWaypoint departure;
    PlanWaypoint destination;
    bool inPlan = false;
    int line = 0;
    for (std::size_t start = 0; start < utf8.size(); ++line) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        const std::string content(nav::Trimmed(std::string_view(utf8).substr(start, end - start)));
        start = end + 1;
        const std::string where = Where(source, line + 1);
        if (!content.empty() && content.front() == '[') {
            inPlan = nav::Lower(content) == "[flightplan]";
            continue;
        }
        const std::size_t equals = content.find('=');
        if (!inPlan || equals == std::string::npos) continue;
        const std::string key =
            nav::Lower(nav::Trimmed(std::string_view(content).substr(0, equals)));
        const std::string value(nav::Trimmed(std::string_view(content).substr(equals + 1)));
        if (key == "departure_id" || key == "destination_id") {
            const nav::Status set =
                SetEnd(key == "departure_id" ? departure : destination, value, where);
            if (!set) return set.Failed();
        } else if (key == "departure_name") {
            departure.name = value;
        } else if (key == "destination_name") {
            destination.name = value;
        } else if (key.compare(0, WaypointKey.size(), WaypointKey) == 0) {
            const std::string number = key.substr(WaypointKey.size());
            if (number.empty() || number.size() > 4 ||
                number.find_first_not_of("0123456789") != std::string::npos)
                return nav::Fail(where + ": " + key + " is not numbered like waypoint.0");
            nav::Expected<PlanWaypoint> waypoint = WaypointOfLine(value, where);
            if (!waypoint) return waypoint.Failed();
            waypoint->line = line + 1;
            if (!numbered.emplace(std::stol(number), *waypoint).second)
                return nav::Fail(where + ": " + key + " comes twice");
        }
    }
    Plan plan;
    for (const auto& [number, waypoint] : numbered) plan.waypoints.push_back(waypoint);
    AddPlanEnds(plan, departure, destination, source);
    if (plan.waypoints.empty())
        return nav::Fail(source + " holds no route: no waypoint.0 in its [flightplan] section");
    return plan;
}

}  // namespace flightplan
