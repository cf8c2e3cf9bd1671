// MenuTestIds.h - resource and command ids of the menu tests.
#pragma once

#define IDR_CONTEXT 200
#define IDR_SEPARATORS_ONLY 201
#define IDR_NO_POPUP 202
#define IDR_SECOND_POPUP 203

#define ID_TEST_OPEN 40001
#define ID_TEST_DELETE 40002
#define ID_TEST_WRAP 40003
#define ID_TEST_ASCENDING 40004
#define ID_TEST_DESCENDING 40005
#define ID_TEST_PLAIN 40006
