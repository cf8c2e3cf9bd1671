// resource.h - identifiers of the value tests' resources.
#pragma once

#define IDS_VALUES_GREETING 101
#define IDS_VALUES_ACCENT 102
#define IDS_VALUES_FORMAT 103
#define IDS_VALUES_MISSING 150
#define IDM_VALUES_MENU 201
#define IDB_VALUES_BITMAP 301
