#include "EditorFields.h"

#include "NavigationTables.h"
#include "QuillmapResources.h"

namespace quillmap {

namespace {

template <std::size_t A, std::size_t B>
constexpr std::array<EditorField, A + B> Join(const std::array<EditorField, A>& a,
                                              const std::array<EditorField, B>& b)
{
    std::array<EditorField, A + B> joined{};
    for (std::size_t i = 0; i < A; ++i) joined[i] = a[i];
    for (std::size_t i = 0; i < B; ++i) joined[A + i] = b[i];
    return joined;
}

constexpr std::array<EditorField, 3> NameFields{{
    {"NUM", IDC_NUM, FieldKind::Text},
    {"ID", IDC_ID, FieldKind::Text},
    {"NAME", IDC_NAME, FieldKind::Text},
}};

constexpr std::array<EditorField, 8> CoordinateFields{{
    {"LAT1", IDC_LAT_HEMISPHERE, FieldKind::Hemisphere},
    {"LAT2", IDC_LAT_DEGREES, FieldKind::WholeNumber},
    {"LAT3", IDC_LAT_MINUTES, FieldKind::WholeNumber},
    {"LAT4", IDC_LAT_SECONDS, FieldKind::WholeNumber},
    {"LON1", IDC_LON_HEMISPHERE, FieldKind::Hemisphere},
    {"LON2", IDC_LON_DEGREES, FieldKind::WholeNumber},
    {"LON3", IDC_LON_MINUTES, FieldKind::WholeNumber},
    {"LON4", IDC_LON_SECONDS, FieldKind::WholeNumber},
}};

constexpr std::array<EditorField, 1> AltitudeField{{{"ALT", IDC_ALTITUDE, FieldKind::WholeNumber}}};

constexpr std::array<EditorField, 2> RegionFields{{
    {"COUNTRY", IDC_COUNTRY, FieldKind::Text},
    {"STATE", IDC_STATE, FieldKind::Text},
}};

constexpr std::array<EditorField, 3> AirportNumberFields{{
    {"VAR", IDC_VARIATION, FieldKind::WholeNumber},
    {"ATIS", IDC_ATIS, FieldKind::Frequency},
    {"TWR", IDC_TOWER, FieldKind::Frequency},
}};

constexpr std::array<EditorField, 2> NavaidExtraFields{{
    {"TYPE", IDC_TYPE, FieldKind::Text},
    {"FREQ", IDC_FREQUENCY, FieldKind::Text},
}};

constexpr auto WaypointFields = Join(NameFields, CoordinateFields);

// Airports show the coordinates before country and state but save them after.
constexpr auto AirportShownFields =
    Join(Join(Join(WaypointFields, RegionFields), AltitudeField), AirportNumberFields);
constexpr auto AirportSavedFields =
    Join(Join(Join(Join(NameFields, RegionFields), CoordinateFields), AltitudeField),
         AirportNumberFields);
constexpr auto NavaidFields = Join(Join(WaypointFields, AltitudeField), NavaidExtraFields);
constexpr auto UserFields = Join(WaypointFields, AltitudeField);

constexpr std::array<EditorField, 10> RunwayFieldList{{
    {"RUNWAYS", IDC_RUNWAY, FieldKind::Text},
    {"LEN", IDC_LENGTH, FieldKind::Text},
    {"SURFACE", IDC_SURFACE, FieldKind::Text},
    {"REM", IDC_REMARK, FieldKind::Text},
    {"NAV1", IDC_NAV1, FieldKind::Text},
    {"RWY1", IDC_RWY1, FieldKind::Text},
    {"FREQ1", IDC_FREQ1, FieldKind::Text},
    {"NAV2", IDC_NAV2, FieldKind::Text},
    {"RWY2", IDC_RWY2, FieldKind::Text},
    {"FREQ2", IDC_FREQ2, FieldKind::Text},
}};

}  // namespace

const EditorTable& AirportTable()
{
    static const EditorTable table{nav::AirportsAlias, AirportShownFields, AirportSavedFields,
                                   "Insert a new blank airport ?", "Delete this airport ?"};
    return table;
}

const EditorTable& NavaidTable()
{
    static const EditorTable table{nav::NavaidsAlias, NavaidFields, NavaidFields,
                                   "Insert a new blank navaid ?", "Delete this navaid ?"};
    return table;
}

const EditorTable& UserWaypointTable()
{
    static const EditorTable table{nav::UsersAlias, UserFields, UserFields,
                                   "Insert a new blank user waypoint ?",
                                   "Delete this user waypoint ?"};
    return table;
}

std::span<const EditorField> RunwayFields()
{
    return RunwayFieldList;
}

}  // namespace quillmap
