// The Setup dialog (template 113): the alarm distance and the next-waypoint distance.
#pragma once

#include <windows.h>

namespace gauge {

// The dialog procedure; it always ends with 1. OK stores both boxes, unchecked.
INT_PTR CALLBACK SetupDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace gauge
