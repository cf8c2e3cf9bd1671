// ListsTestIds.h - resource and command ids of the list and picker tests.
#pragma once

#define IDR_LIST_MENU 310
#define IDR_FLAT_MENU 311

#define ID_LIST_OPEN 40201
#define ID_LIST_DELETE 40202
