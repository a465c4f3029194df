// The gauge's three sounds through DirectSound (click, alarm, waypoint).
#pragma once
#include <windows.h>

int InitSounds(HWND window);
void ReleaseSounds();
