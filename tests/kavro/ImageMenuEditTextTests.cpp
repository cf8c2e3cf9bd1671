// ImageMenuEditTextTests.cpp - the image-menu edits on text of several scripts: selection, paste, fill.
#include <kavrotest/TestSupport.h>

#include "EditTestSupport.h"
#include "TextSamples.h"

namespace
{

// Puts text on the clipboard in its wide form only, as a Unicode program
// copies it; the narrow form is the system's conversion.
void PutOnClipboard(const std::wstring& text)
{
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	const size_t cb = (text.size() + 1) * sizeof(wchar_t);
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, cb);
	memcpy(::GlobalLock(hData), text.c_str(), cb);
	::GlobalUnlock(hData);
	EXPECT_TRUE(::SetClipboardData(CF_UNICODETEXT, hData) != NULL);
	::CloseClipboard();
}

// Each control counts its text in its own units, whatever the code page: the
// select-all item is greyed once the whole text is selected, and the menu's
// paste brings in every character of the clipboard's text.
TEST_F(EditTest, TextOfEveryScriptIsSelectedAndPastedWhole)
{
	int nRows = 0;
	for (const TextSample& s : kTextSamples)
	{
		CString text;
		if (!kt::TryAnsi(s.text, text))
			continue;
		++nRows;
		for (bool bRich : { false, true })
		{
			SCOPED_TRACE(std::string(s.name) + (bRich ? ", rich edit" : ", edit"));
			CWnd& ctl = bRich ? static_cast<CWnd&>(m_rich) : m_edit;
			PutOnClipboard(s.text);
			ctl.SetWindowText(text);
			kt::MenuAnswer answer(ctl.GetSafeHwnd());
			ctl.SendMessage(EM_SETSEL, 0, -1);
			OpenMenu(ctl);
			EXPECT_EQ(et::MenuLetters(answer), "u-CTDP-a");
			ctl.SendMessage(EM_SETSEL, 1, -1);
			OpenMenu(ctl);
			EXPECT_EQ(et::MenuLetters(answer), "u-CTDP-A");

			ctl.SetWindowText("");
			ctl.SendMessage(WM_COMMAND, WM_PASTE);
			EXPECT_EQ(Text(ctl), std::string(text));
		}
	}
	EXPECT_GE(nRows, 1);
}

// The rich edit's positions and limit count UTF-16 units: the fill of a text
// counts them, and Clear with the caret before a character outside the
// Basic Multilingual Plane takes both of its units.
TEST_F(EditTest, RichEditFillAndClearCountCharactersNotBytes)
{
	const long kLimit = 200;
	m_rich.LimitText(kLimit);
	for (const TextSample& s : kTextSamples)
	{
		CString text;
		if (!kt::TryAnsi(s.text, text))
			continue;
		SCOPED_TRACE(s.name);
		const std::wstring wide(s.text);
		m_rich.SetWindowText(text);
		EXPECT_EQ(m_rich.GetPercentFull(), static_cast<int>(wide.size() * 100 / kLimit));
		for (size_t i = 0; i < wide.size(); i += IS_HIGH_SURROGATE(wide[i]) ? 2 : 1)
		{
			EXPECT_EQ(Text(m_rich), std::string(kt::Ansi(wide.substr(i).c_str())));
			m_rich.SetSel(0, 0);
			m_rich.SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
		}
		EXPECT_EQ(Text(m_rich), "");
	}
}

} // namespace
