// afxdllx.h - included once by an extension DLL, in the source file that holds its DllMain.
#pragma once

#include "afxwin.h"
