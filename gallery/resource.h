// resource.h - identifiers of the gallery's resources.
#pragma once

#define IDD_GALLERY             100
#define IDD_PAGE_LABELS         101

#define IDC_PAGES               1000

// Labels page
#define IDC_LBL_TITLE           1100
#define IDC_LBL_ENABLED         1101
#define IDC_LBL_DISABLED        1102
#define IDC_LBL_COLOURED        1103
#define IDC_LBL_AMP_HIDDEN      1104
#define IDC_LBL_AMP_SHOWN       1105
#define IDC_LBL_TEXT_LEADING    1106
#define IDC_LBL_TEXT_TRAILING   1107
#define IDC_LBL_PATH_LEADING    1108
#define IDC_LBL_PATH_TRAILING   1109
#define IDC_LBL_FILE_LEADING    1110
#define IDC_LBL_FILE_TRAILING   1111
#define IDC_LBL_CAPTION_FIRST   1120
