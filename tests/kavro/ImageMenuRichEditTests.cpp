// ImageMenuRichEditTests.cpp - CImageMenuRichEdit on real windows.
#include <kavrotest/TestSupport.h>
