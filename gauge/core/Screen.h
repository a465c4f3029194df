// The four screen lines: the normal pages (1 navigation, 2 position, 3 route) and their
// hand-over to the host's text buffers. Text is Windows-1252; the degree sign is 0xB0.
#pragma once

// Writes gaugeState.screenLines for gaugeState.currentPage; other page numbers write nothing.
void FormatScreen();

// Copies the four lines into the host's buffers, cut to 25 characters (12 for line 4).
void CopyLinesToScreen();
