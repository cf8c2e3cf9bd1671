// afxpriv.h - framework internals that controls may use. WM_REFLECT_BASE
// (afxmsg_.h) and WM_KICKIDLE come with afxwin.h; this adds the idle update
// message.
#pragma once

#include "afxwin.h"

#ifndef WM_IDLEUPDATECMDUI
#define WM_IDLEUPDATECMDUI 0x0363
#endif
