// TransparentButtonTestIds.h - icon resources of the transparent buttons' tests.
#pragma once

#define IDI_TEST_NORMAL 201
#define IDI_TEST_HOT 202
#define IDI_TEST_PRESSED 203
#define IDI_TEST_DISABLED 204
#define IDI_TEST_LARGE 205
