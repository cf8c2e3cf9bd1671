// resource.h - icon resource ids of the graphics library.
//
// The icons are written by tools/make_icons.py, which numbers them the same
// way: a button picture n has its normal, hot and disabled icons at
// IDI_BUTTON_FIRST + 10 * n + 0, 1 and 2.
#pragma once

#define IDI_BUTTON_FIRST 2000
#define IDI_VARIANT_NORMAL 0
#define IDI_VARIANT_HOT 1
#define IDI_VARIANT_DISABLED 2

#define IDI_CHECK_ON 2900
#define IDI_CHECK_OFF 2901
#define IDI_RADIO_ON 2902
#define IDI_RADIO_OFF 2903
