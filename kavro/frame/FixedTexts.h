// FixedTexts.h - the library's fixed texts, held enciphered; written by tools/make-fixed-texts.sh.
//
// Made from fixed-texts.txt; do not edit.
#pragma once

#include <vector>

extern AFX_EXT_DATA const std::vector<int> g_vecTextCtrlWindow;
extern AFX_EXT_DATA const std::vector<int> g_vecTextProgressWindow;
extern AFX_EXT_DATA const std::vector<int> g_vecTextTimeLeftSuffix;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuUndo;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuCut;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuCopy;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuPaste;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuDelete;
extern AFX_EXT_DATA const std::vector<int> g_vecTextMenuSelectAll;
