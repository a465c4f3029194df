// The numbers the gauge and the panel host agree on: the tokens of the host variables
// and the events the gauge sends. Free of records and addresses, so that the portable
// gauge core can use them in both build trees.
#pragma once

#include <cstdint>

namespace gauge {

// Host variables, by token, in the form the host gives them.
enum HostVariableToken : uint32_t {
    TokenTextLine = 0x05,       // named by every text line record; its meaning is the host's
    TokenLatitude = 0x47,       // metres north of the equator along the meridian
    TokenLongitude = 0x48,      // east-positive fraction of a full turn, scaled up
    TokenAltitude = 0x49,       // metres
    TokenHeading = 0x51,        // magnetic heading, degrees
    TokenVariation = 0x52,      // magnetic variation, degrees 0 to 360, east positive
    TokenWindSpeed = 0x157,     // knots
    TokenWindDirection = 0x158  // degrees
};

// Events the gauge sends to the simulator (value 0 unless stated).
enum HostEvent : uint32_t {
    EventAutopilotMaster = 0x10100,       // first of the pair that couples the autopilot
    EventAutopilotHeadingHold = 0x1010F,  // second of the pair
    EventAutopilotHeading = 0x101FA,      // value: whole-degree magnetic heading to hold
    EventAutopilotOff = 0x10117
};

}  // namespace gauge
