// afxcmn.h - wrappers of the common controls and the rich edit control.
#pragma once

#include "afxwin.h"

#include <commctrl.h>
#include <richedit.h>
