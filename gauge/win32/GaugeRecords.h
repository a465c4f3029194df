// The gauge's records as module data: what the host reads in place (Linkage, the
// import table, the gauge header, the element tree, the mouse areas and the host
// variables). gps.gau exports Linkage and ImportTable.
#pragma once

#include "PanelRecords.h"

// The module's two exports keep their plain C names.
extern "C" gauge::LinkageRecord Linkage;
extern "C" gauge::ImportEntry ImportTable[2];

namespace gauge {

extern GaugeHeader gaugeHeader;
extern ImageElement background;
extern ImageElement autopilotLamp;
extern ImageElement alarmLamp;
extern TextLineElement screenLine1;
extern TextLineElement screenLine2;
extern TextLineElement screenLine3;
extern TextLineElement screenLine4;
extern ImageElement steeringScale;
extern SliderElement steeringMarker;

constexpr int ButtonCount = 10;
// The whole-area record, the ten buttons, the end record.
extern MouseArea mouseAreas[ButtonCount + 2];

constexpr int FreeVariableCount = 7;
// Latitude, longitude, altitude, heading, variation, wind speed, wind direction:
// registered in this order.
extern HostVariableSlot hostVariables[FreeVariableCount];

}  // namespace gauge
