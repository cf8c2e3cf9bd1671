// afxdllx.h - included once by an extension DLL, in the source file that holds
// its DllMain: the extension-module record and CDynLinkLibrary.
#pragma once

#include "afxwin.h"
