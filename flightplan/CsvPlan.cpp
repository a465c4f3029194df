// CSV, a flight log for spreadsheets: a header line, then one line a waypoint with the leg
// that ends there (distance, initial magnetic course) and the distance flown so far. Lines
// end in CR LF; names are quoted where they must be.
#include <cstdio>

#include "GeomagneticModel.h"
#include "PlanFormats.h"
#include "PlanText.h"

namespace flightplan {

nav::Expected<std::string> WriteCsv(const RouteListing& listing)
{
    const nav::Expected<std::vector<TableWaypoint>> found = RouteWaypoints(listing);
    if (!found) return found.Failed();
    const std::vector<TableWaypoint>& waypoints = *found;
    std::string out = "SEQ,TABLE,NUM,ID,NAME,TYPE,LATITUDE,LONGITUDE,LEG_NM,COURSE,TOTAL_NM\r\n";
    double total = 0.0;
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        const TableWaypoint& w = waypoints[i];
        const Position p = PositionOf(w.record);
        std::string leg = ",";
        if (i > 0) {
            // Every slot of an exported route was found, so its legs join neighbours.
            const Leg& l = listing.legs[i - 1];
            total += l.distance;
            char text[48];
            std::snprintf(text, sizeof text, "%.1f,%03.0f%s", l.distance, l.course,
                          l.variation == magnetic::UndeterminedAngleDegrees ? "T" : "M");
            leg = text;
        }
        char totalText[32];
        std::snprintf(totalText, sizeof totalText, "%.1f", total);
        out += std::to_string(i + 1) + "," + TableName(w.record.table) + "," +
               CsvField(w.record.num) + "," + CsvField(Utf8FromTable(w.record.id)) + "," +
               CsvField(Utf8FromTable(w.name)) + "," + KindWord(w.kind) + "," +
               DecimalDegrees(p.latitude) + "," + DecimalDegrees(p.longitude) + "," + leg + "," +
               totalText + "\r\n";
    }
    return out;
}

}  // namespace flightplan
