// resource.h - resource ids shared by the test executable and the test extension DLL.
#pragma once

#define IDS_SHARED 9100     // in both modules; the executable's wins
#define IDS_EXT_ONLY 9101   // only in the extension DLL, in a block both have
#define IDS_EXT_BLOCK 9140  // only in the extension DLL, in a block of its own
#define IDR_EXT_MENU 9200   // only in the extension DLL
#define IDD_EXT_DIALOG 9300 // only in the extension DLL
#define IDD_APP_DIALOG 9400 // only in the executable

#define IDC_APP_EDIT 9401

#define IDD_INIT_DIALOG 9500 // with init data for its combo box
#define IDC_INIT_COMBO 9501
