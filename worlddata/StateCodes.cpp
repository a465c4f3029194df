#include "StateCodes.h"

#include "AsciiText.h"

namespace worlddata {

namespace {

struct StateName {
    std::string_view name;
    std::string_view code;
};

constexpr StateName StateNames[] = {
    {"ALABAMA", "AL"},
    {"ALASKA", "AK"},
    {"ARIZONA", "AZ"},
    {"ARKANSAS", "AR"},
    {"CALIFORNIA", "CA"},
    {"COLORADO", "CO"},
    {"CONNECTICUT", "CT"},
    {"DELAWARE", "DE"},
    {"DISTRICT OF COLUMBIA", "DC"},
    {"FLORIDA", "FL"},
    {"GEORGIA", "GA"},
    {"HAWAII", "HI"},
    {"IDAHO", "ID"},
    {"ILLINOIS", "IL"},
    {"INDIANA", "IN"},
    {"IOWA", "IA"},
    {"KANSAS", "KS"},
    {"KENTUCKY", "KY"},
    {"LOUISIANA", "LA"},
    {"MAINE", "ME"},
    {"MARYLAND", "MD"},
    {"MASSACHUSETTS", "MA"},
    {"MICHIGAN", "MI"},
    {"MINNESOTA", "MN"},
    {"MISSISSIPPI", "MS"},
    {"MISSOURI", "MO"},
    {"MONTANA", "MT"},
    {"NEBRASKA", "NE"},
    {"NEVADA", "NV"},
    {"NEW HAMPSHIRE", "NH"},
    {"NEW JERSEY", "NJ"},
    {"NEW MEXICO", "NM"},
    {"NEW YORK", "NY"},
    {"NORTH CAROLINA", "NC"},
    {"NORTH DAKOTA", "ND"},
    {"OHIO", "OH"},
    {"OKLAHOMA", "OK"},
    {"OREGON", "OR"},
    {"PENNSYLVANIA", "PA"},
    {"RHODE ISLAND", "RI"},
    {"SOUTH CAROLINA", "SC"},
    {"SOUTH DAKOTA", "SD"},
    {"TENNESSEE", "TN"},
    {"TEXAS", "TX"},
    {"UTAH", "UT"},
    {"VERMONT", "VT"},
    {"VIRGINIA", "VA"},
    {"WASHINGTON", "WA"},
    {"WEST VIRGINIA", "WV"},
    {"WISCONSIN", "WI"},
    {"WYOMING", "WY"},
    {"PUERTO RICO", "PR"},
    {"GUAM", "GU"},
    {"AMERICAN SAMOA", "AS"},
    {"NORTHERN MARIANA ISLANDS", "MP"},
    {"VIRGIN ISLANDS", "VI"},
    {"ALBERTA", "AB"},
    {"BRITISH COLUMBIA", "BC"},
    {"MANITOBA", "MB"},
    {"NEW BRUNSWICK", "NB"},
    {"NEWFOUNDLAND AND LABRADOR", "NL"},
    {"NOVA SCOTIA", "NS"},
    {"NORTHWEST TERRITORIES", "NT"},
    {"NUNAVUT", "NU"},
    {"ONTARIO", "ON"},
    {"PRINCE EDWARD ISLAND", "PE"},
    {"QUEBEC", "QC"},
    {"SASKATCHEWAN", "SK"},
    {"YUKON", "YT"},
};

}  // namespace

std::string_view StateCode(std::string_view name)
{
    for (const StateName& state : StateNames) {
        if (nav::EqualIgnoringCase(state.name, name)) return state.code;
    }
    return {};
}

}  // namespace worlddata
