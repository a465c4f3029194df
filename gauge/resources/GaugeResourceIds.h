/* Numbers of the gauge's resources: its bitmaps, its sounds, its dialog templates and their
   controls, shared by the resource scripts and the code that loads them. Plain defines, so
   that the resource compiler reads them. */
#ifndef GAUGE_RESOURCE_IDS_H
#define GAUGE_RESOURCE_IDS_H

/* Bitmaps, drawn by make_bitmaps.py. */
#define BMP_UNIT 102            /* 164 x 89: bezel, screen, button faces */
#define BMP_STEERING_SCALE 108  /* 51 x 9 */
#define BMP_STEERING_MARKER 109 /* 7 x 4 */
#define BMP_LAMP 112            /* 2 x 2 */

/* Sounds ("WAVE" resources), made by make_sounds.py. */
#define WAVE_ALARM 105
#define WAVE_WAYPOINT 106
#define WAVE_CLICK 107

/* Dialog templates. */
#define DLG_ROUTE 103
#define DLG_SETUP 113
#define DLG_DIRECT_TO 114

/* Direct To. */
#define IDC_DIRECT_TO_ID 1006
#define IDC_DIRECT_TO_NAME 1007
#define IDC_DIRECT_TO_AIRPORTS 1008
#define IDC_DIRECT_TO_NAVAIDS 1009
#define IDC_DIRECT_TO_USERS 1010
#define IDC_DIRECT_TO_LIST 1011
#define IDC_DIRECT_TO_LIST_TOGGLE 1014

/* Route. */
#define IDC_ROUTE_LIST 1011
#define IDC_ROUTE_REMOVE 1002
#define IDC_ROUTE_ADD 1003
#define IDC_ROUTE_NEW 1004
#define IDC_ROUTE_LOAD 1012
#define IDC_ROUTE_SAVE 1013

/* Setup. */
#define IDC_SETUP_ALARM_DISTANCE 1000
#define IDC_SETUP_NEXT_DISTANCE 1001

#endif
