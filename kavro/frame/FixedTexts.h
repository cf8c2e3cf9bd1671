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
extern const std::vector<int> kTextColorCharcoal;
extern const std::vector<int> kTextColorSilver;
extern const std::vector<int> kTextColorPurple;
extern const std::vector<int> kTextColorBlack;
extern const std::vector<int> kTextColorDarkTeal;
extern const std::vector<int> kTextColorWhite;
extern const std::vector<int> kTextColorGrey;
extern const std::vector<int> kTextColorIndigo;
extern const std::vector<int> kTextColorBrown;
extern const std::vector<int> kTextColorDarkBlue;
extern const std::vector<int> kTextColorDarkGreen;
extern const std::vector<int> kTextColorPeriwinkle;
extern const std::vector<int> kTextColorNavy;
extern const std::vector<int> kTextColorPaleTurquoise;
extern const std::vector<int> kTextColorDarkRed;
extern const std::vector<int> kTextColorBlue;
extern const std::vector<int> kTextColorOrange;
extern const std::vector<int> kTextColorOlive;
extern const std::vector<int> kTextColorGreen;
extern const std::vector<int> kTextColorTeal;
extern const std::vector<int> kTextColorDimGrey;
extern const std::vector<int> kTextColorRed;
extern const std::vector<int> kTextColorLightOrange;
extern const std::vector<int> kTextColorLimeGreen;
extern const std::vector<int> kTextColorSeaGreen;
extern const std::vector<int> kTextColorLavender;
extern const std::vector<int> kTextColorSlateGrey;
extern const std::vector<int> kTextColorAquamarine;
extern const std::vector<int> kTextColorSteelBlue;
extern const std::vector<int> kTextColorPink;
extern const std::vector<int> kTextColorGold;
extern const std::vector<int> kTextColorYellow;
extern const std::vector<int> kTextColorLime;
extern const std::vector<int> kTextColorTurquoise;
extern const std::vector<int> kTextColorMistyRose;
extern const std::vector<int> kTextColorLightCyan;
extern const std::vector<int> kTextColorAubergine;
extern const std::vector<int> kTextColorTan;
extern const std::vector<int> kTextColorLightYellow;
extern const std::vector<int> kTextColorPaleGreen;
extern const std::vector<int> kTextColorCustom;
