// afxpriv.h - framework internals that controls may use: the idle update message.
#pragma once

#include "afxwin.h"

#ifndef WM_IDLEUPDATECMDUI
#define WM_IDLEUPDATECMDUI 0x0363
#endif
