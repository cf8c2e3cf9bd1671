// afxdlgs.h - common dialog wrappers.
#pragma once

#include "afxwin.h"

#include <commdlg.h>
