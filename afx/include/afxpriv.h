// afxpriv.h - framework internals that controls may use: the reflected-message
// base and the idle messages.
#pragma once

#include "afxwin.h"

// A reflected message arrives at the child keyed WM_REFLECT_BASE + message.
#ifndef WM_REFLECT_BASE
#define WM_REFLECT_BASE 0xBC00
#endif

#ifndef WM_KICKIDLE
#define WM_KICKIDLE 0x036A
#endif
#ifndef WM_IDLEUPDATECMDUI
#define WM_IDLEUPDATECMDUI 0x0363
#endif
