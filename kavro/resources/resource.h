// resource.h - identifiers of kavro.dll's own resources.
#pragma once

// Drive and folder pictures, 16 x 16, 32 bits with alpha.
#define IDI_KAVRO_OPTICAL_DRIVE          1470
#define IDI_KAVRO_OPTICAL_DRIVE_NETWORK  1471
#define IDI_KAVRO_HARD_DISK              1472
#define IDI_KAVRO_CABLE_DRIVE            1473
#define IDI_KAVRO_MEMORY_CARD            1474
#define IDI_KAVRO_HARD_DISK_NETWORK      1475
#define IDI_KAVRO_USB_STICK              1476
#define IDI_KAVRO_CLOSED_FOLDER          1477
#define IDI_KAVRO_FOLDER_CHECK           1478
#define IDI_KAVRO_OPEN_FOLDER_NETWORK    1479
#define IDI_KAVRO_OPEN_FOLDER            1480
#define IDI_KAVRO_FOLDER_UP              1481
#define IDI_KAVRO_OPEN_FOLDER_SHARED     1482
#define IDI_KAVRO_COMPUTER               1483
