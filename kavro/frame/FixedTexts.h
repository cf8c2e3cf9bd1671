// FixedTexts.h - the library's fixed texts, held enciphered; written by tools/make-fixed-texts.sh.
//
// Made from fixed-texts.txt; do not edit.
#pragma once

#include <vector>

extern const std::vector<int> kTextCtrlWindow;
extern const std::vector<int> kTextProgressWindow;
extern const std::vector<int> kTextTimeLeftSuffix;
extern const std::vector<int> kTextMenuUndo;
extern const std::vector<int> kTextMenuCut;
extern const std::vector<int> kTextMenuCopy;
extern const std::vector<int> kTextMenuPaste;
extern const std::vector<int> kTextMenuDelete;
extern const std::vector<int> kTextMenuSelectAll;
extern const std::vector<int> kTextPathEnd;
extern const std::vector<int> kTextClipImageName;
extern const std::vector<int> kTextTempFileEnd;
extern const std::vector<int> kTextPngFileEnd;
extern const std::vector<int> kTextBmpFileEnd;
