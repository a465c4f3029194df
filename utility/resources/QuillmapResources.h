// Resource and control ids of Quillmap.exe, shared by the resource script and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_MAIN 102
#define IDI_PROGRAM 128
#define IDD_PREFERENCES 129
#define IDD_AIRPORTS 130
#define IDD_FIND 132
#define IDD_NAVAIDS 134
#define IDD_USERS 137
#define IDD_RUNWAYS 139

// Main dialog.
#define IDC_AIRPORTS 1000
#define IDC_IMPORT 1001
#define IDC_REBUILD 1002
#define IDC_NAVAIDS 1003
#define IDC_USERS 1004
#define IDC_PREFERENCES 1009

// Preferences.
#define IDC_PATH 1006
#define IDC_POS_X 1007
#define IDC_POS_Y 1008

// Record editors and Find.
#define IDC_FIRST 1010
#define IDC_PREVIOUS 1011
#define IDC_NEXT 1012
#define IDC_LAST 1013
#define IDC_NEW 1014
#define IDC_DELETE 1015
#define IDC_SAVE 1016
#define IDC_FIND 1017
#define IDC_NUM 1019
#define IDC_ID 1020
#define IDC_NAME 1021
#define IDC_RUNWAY_LIST 1022
#define IDC_ADD_RUNWAY 1023
#define IDC_DELETE_RUNWAY 1024
#define IDC_LAT_HEMISPHERE 1025
#define IDC_LAT_DEGREES 1026
#define IDC_LAT_MINUTES 1027
#define IDC_LAT_SECONDS 1028
#define IDC_LON_HEMISPHERE 1029
#define IDC_LON_DEGREES 1030
#define IDC_LON_MINUTES 1031
#define IDC_LON_SECONDS 1032
#define IDC_COUNTRY 1033
#define IDC_STATE 1034
#define IDC_ALTITUDE 1035
#define IDC_VARIATION 1036
#define IDC_ATIS 1037
#define IDC_TOWER 1038
#define IDC_TYPE 1044
#define IDC_FREQUENCY 1045

// Runway editor.
#define IDC_RUNWAY 1046
#define IDC_LENGTH 1047
#define IDC_SURFACE 1048
#define IDC_REMARK 1049
#define IDC_NAV1 1050
#define IDC_RWY1 1051
#define IDC_FREQ1 1052
#define IDC_NAV2 1053
#define IDC_RWY2 1054
#define IDC_FREQ2 1055
