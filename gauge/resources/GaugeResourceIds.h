/* Numbers of the gauge's dialog templates and of their controls, shared by the resource
   script and the dialog procedures. Plain defines, so that the resource compiler reads them. */
#ifndef GAUGE_RESOURCE_IDS_H
#define GAUGE_RESOURCE_IDS_H

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
