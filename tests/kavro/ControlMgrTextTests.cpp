// ControlMgrTextTests.cpp - the text field on text of several scripts: its data trimmed, the caret after all.
#include <kavrotest/TestSupport.h>

#include <kavro/ControlMgrEdit.h>

#include <string>

#include "TextSamples.h"

namespace
{

// A field that gets the focus with its whole text selected (as tabbing into
// it selects) puts the caret after the text; with part of it selected it
// keeps the selection. Its data is the text without the blanks around it.
TEST(FieldText, DataIsTrimmedAndAWholeSelectionLeavesTheCaretAtTheEnd)
{
	kt::DialogTemplate tmpl("form", 200, 120, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), NULL));
	unsigned int nNextId = 1000;
	CWnd* pPrev = NULL;
	ControlMgrEdit field, other;
	field.DoCreate(1, nNextId, "&Text", &dlg, false, pPrev);
	field.SetRect(CRect(10, 10, 290, 90));
	field.DoMoveWindow();
	other.DoCreate(2, nNextId, "&Other", &dlg, false, pPrev);

	int nRows = 0;
	for (const TextSample& s : kTextSamples)
	{
		// The sample alone, and as two paragraphs: a break is one position.
		for (const std::wstring& wide : { std::wstring(s.text), s.text + std::wstring(L"\r\n") + s.text })
		{
			CString text;
			if (!kt::TryAnsi(wide.c_str(), text))
				continue;
			++nRows;
			SCOPED_TRACE(s.name);
			field.ShowData(" \t" + text + "\r\n ");
			EXPECT_EQ(field.GetData(), text);

			// The shown text's positions: its UTF-16 units, a line break as one.
			const std::wstring shown = L" \t" + wide + L"\r\n ";
			long nPositions = static_cast<long>(shown.size());
			for (size_t at = shown.find(L"\r\n"); at != std::wstring::npos; at = shown.find(L"\r\n", at + 1))
				--nPositions;
			for (long nFrom : { 0, 1 })
			{
				other.DoSetFocus();
				field.DoSendMessage(EM_SETSEL, nFrom, -1);
				field.DoSetFocus();
				long nStart = -1, nEnd = -1;
				field.GetSelRange(nStart, nEnd);
				EXPECT_EQ(nStart, nFrom == 0 ? nPositions : 1);
				EXPECT_GE(nEnd, nPositions);
			}
		}
	}
	EXPECT_GE(nRows, 2);
	dlg.DestroyWindow();
}

} // namespace
