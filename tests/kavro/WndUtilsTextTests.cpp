// WndUtilsTextTests.cpp - WndUtils on list entries of several scripts: widths as drawn, case told apart.
#include <kavrotest/TestSupport.h>

#include <kavro/WndUtils.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TextSamples.h"

namespace
{

const CRect kRect(10, 10, 210, 110);

// The widest entry is measured as the list box draws its entries: the
// characters of the process's code page, whatever the font's character set.
TEST(WndUtilsText, WidestEntryIsMeasuredAsTheBoxDrawsIt)
{
	kt::HostWindow host{ 400, 300 };
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, kRect, &host, 100));
	const HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
	list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	CClientDC dc(&list);
	const HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont);
	int nWidest = 0;
	for (const TextSample& s : kTextSamples)
	{
		CString text;
		if (!kt::TryAnsi(s.text, text))
			continue;
		list.AddString(text);
		SIZE size = {};
		::GetTextExtentPoint32W(dc.m_hDC, s.text, static_cast<int>(wcslen(s.text)), &size);
		nWidest = std::max(nWidest, static_cast<int>(size.cx));
	}
	::SelectObject(dc.m_hDC, hOld);
	// The list box's own margins come on top.
	EXPECT_EQ(WndUtils::GetListBoxWidest(list), nWidest + 3);
}

// Entries that differ only in case are told apart in every script the code
// page holds, and a case that no entry has is not found.
TEST(WndUtilsText, ExactStringTellsUpperAndLowerCaseApart)
{
	kt::HostWindow host{ 400, 300 };
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, kRect, &host, 100));
	const std::vector<std::vector<const wchar_t*>> groups = { { L"ÉTÉ", L"été", L"Été", L"éTé" },
		{ L"ΑΛΦΑ", L"αλφα", L"Αλφα", L"αΛφΑ" }, { L"ЖУК", L"жук", L"Жук", L"жУк" },
		{ L"ＡＢＣ表", L"ａｂｃ表", L"Ａｂｃ表", L"ａＢｃ表" } };
	int nGroups = 0;
	for (const auto& group : groups)
	{
		if (!kt::IsAnsi(group.back()))
			continue;
		++nGroups;
		list.ResetContent();
		for (size_t i = 0; i + 1 < group.size(); ++i)
			list.AddString(kt::Ansi(group[i]));
		for (size_t i = 0; i < group.size(); ++i)
			EXPECT_EQ(WndUtils::FindExactString(list, kt::Ansi(group[i])), i + 1 < group.size() ? int(i) : -1)
				<< i;
	}
	EXPECT_GE(nGroups, 1);
}

} // namespace
