// TransparentStaticTextTests.cpp - the ellipsis on text of several scripts: whole characters only.
//
// Classes in this file:
//   ShortenedStatic, StaticTextTest
//
// The texts are written as wide literals and narrowed at run time, so that a
// case means the same characters in every code page; a row whose characters
// the process's code page lacks is left out there.
#include <kavrotest/TestSupport.h>

#include <kavro/TransparentStatic.h>

#include "TextSamples.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

using TS = CTransparentStatic;

// A label that tells what its paint would draw at its present width.
class ShortenedStatic : public CTransparentStatic
{
public:
	CString Shortened()
	{
		CPaintDC dc(this);
		const HGDIOBJ hOld = ::SelectObject(dc.m_hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
		CString strText;
		GetWindowText(strText);
		ApplyEllipsis(&dc, strText);
		::SelectObject(dc.m_hDC, hOld);
		return strText;
	}
};

// The sample texts, and paths of the same scripts.
std::vector<TextSample> Texts()
{
	std::vector<TextSample> texts(std::begin(kTextSamples), std::end(kTextSamples));
	texts.insert(texts.end(), { { "Latin path", L"C:\\Données\\Été\\Ça va\\à.txt" },
								  { "Japanese path", L"C:\\表\\ソース\\能力\\ポ|イ\\ファイル表.txt" },
								  { "path outside the BMP", L"C:\\𠮟\\表𠀋\\ソ\\𩸽.txt" } });
	return texts;
}

class StaticTextTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		// A font of no particular character set, as an application's usually is.
		LOGFONTA lf = kt::TestLogFont();
		lf.lfCharSet = DEFAULT_CHARSET;
		m_hFont = ::CreateFontIndirectA(&lf);
		ASSERT_TRUE(m_ctrl.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 10, 20), &m_host, 100));
		m_ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
	}
	virtual void TearDown() override
	{
		m_ctrl.DestroyWindow();
		::DeleteObject(m_hFont);
	}

	// What the control draws of text at width cx in the mode.
	CString Shorten(const CString& text, int cx, TS::Ellipsis mode, TS::ContentType content)
	{
		m_ctrl.UseEllipsis(mode, false);
		m_ctrl.SetContentType(content, false);
		m_ctrl.SetWindowTextA(text, false);
		m_ctrl.MoveWindow(0, 0, cx, 20, FALSE);
		return m_ctrl.Shortened();
	}
	// Width of text read in the process's code page, as the control draws it.
	int Width(const CString& text)
	{
		std::wstring wide(text.GetLength(), L'\0');
		wide.resize(::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), &wide[0], text.GetLength()));
		CClientDC dc(&m_host);
		const HGDIOBJ hOld = ::SelectObject(dc.m_hDC, m_hFont);
		SIZE size = {};
		::GetTextExtentPoint32W(dc.m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
		::SelectObject(dc.m_hDC, hOld);
		return size.cx;
	}

	HFONT m_hFont = NULL;
	kt::HostWindow m_host{ 900, 100, RGB(255, 255, 255) };
	ShortenedStatic m_ctrl;
};

// Where the characters of text begin in its narrow form, with its length
// last, found from the wide form rather than by stepping through the bytes.
std::vector<int> Boundaries(const wchar_t* text)
{
	std::vector<int> bounds;
	const int length = static_cast<int>(wcslen(text));
	for (int i = 0; i <= length; ++i)
	{
		if (i > 0 && i < length && IS_LOW_SURROGATE(text[i]))
			continue;
		bounds.push_back(i == 0 ? 0 : ::WideCharToMultiByte(CP_ACP, 0, text, i, NULL, 0, NULL, NULL));
	}
	return bounds;
}

// The names of a path, read in UTF-16, between separators and ellipses.
std::vector<std::wstring> Names(const std::string& path)
{
	std::wstring wide(path.size(), L'\0');
	wide.resize(::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[0],
		static_cast<int>(wide.size())));
	std::vector<std::wstring> names(1);
	for (size_t i = 0; i < wide.size(); ++i)
	{
		const bool bDots = wide.compare(i, 3, L"...") == 0;
		if (bDots || wide[i] == L'\\' || wide[i] == L'/')
		{
			names.emplace_back();
			i += bDots ? 2 : 0;
		}
		else
			names.back() += wide[i];
	}
	names.erase(std::remove(names.begin(), names.end(), std::wstring()), names.end());
	return names;
}

bool IsBoundary(const std::vector<int>& bounds, size_t offset)
{
	return std::find(bounds.begin(), bounds.end(), static_cast<int>(offset)) != bounds.end();
}

// Empty when drawn is valid text made of "..." and pieces of original that
// begin and end at character boundaries (for plain text and a leading
// ellipsis, its one end piece); otherwise what is wrong.
std::string Fault(const std::string& drawn, const std::string& original, const std::vector<int>& bounds,
	TS::Ellipsis mode, TS::ContentType content)
{
	if (!drawn.empty() && ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, drawn.data(),
							  static_cast<int>(drawn.size()), NULL, 0) == 0)
		return "not valid text";
	if (drawn == original)
		return "";
	const std::string dots("...");
	if (mode == TS::LeadingEllipsis || content == TS::TextContent)
	{
		const bool bLeading = mode == TS::LeadingEllipsis;
		if (drawn.size() < dots.size() ||
			(bLeading ? drawn.compare(0, 3, dots) : drawn.compare(drawn.size() - 3, 3, dots)) != 0)
			return "no ellipsis at its end";
		const std::string piece = bLeading ? drawn.substr(3) : drawn.substr(0, drawn.size() - 3);
		const size_t at = bLeading ? original.size() - piece.size() : 0;
		if (piece.size() > original.size() || original.compare(at, piece.size(), piece) != 0)
			return "not an end of the original";
		return IsBoundary(bounds, bLeading ? at : piece.size()) ? "" : "cut inside a character";
	}
	// A trailing path folds whole directories into "...": every name left
	// is a name of the original.
	const std::vector<std::wstring> names = Names(original);
	for (const std::wstring& name : Names(drawn))
		if (std::find(names.begin(), names.end(), name) == names.end())
			return "a name that is not in the original";
	return "";
}

const TS::Ellipsis kModes[] = { TS::LeadingEllipsis, TS::TrailingEllipsis };
const TS::ContentType kContents[] = { TS::TextContent, TS::PathContent, TS::FileContent };

TEST_F(StaticTextTest, EveryWidthDrawsWholeCharactersOfTheText)
{
	int nRows = 0;
	for (const TextSample& t : Texts())
	{
		CString text;
		if (!kt::TryAnsi(t.text, text))
			continue;
		++nRows;
		SCOPED_TRACE(t.name);
		const std::vector<int> bounds = Boundaries(t.text);
		const int cxFull = Width(text);
		for (TS::Ellipsis mode : kModes)
			for (TS::ContentType content : kContents)
				for (int cx = 1; cx <= cxFull + 1; ++cx)
				{
					const CString drawn = Shorten(text, cx, mode, content);
					const std::string fault =
						Fault(std::string(drawn), std::string(text), bounds, mode, content);
					ASSERT_EQ(fault, "") << "mode " << mode << ", content " << content << ", width " << cx
										 << ": " << drawn.GetString();
				}
		// Wide enough, the text is drawn whole.
		EXPECT_EQ(Shorten(text, cxFull + 1, TS::LeadingEllipsis, TS::TextContent), text);
	}
	EXPECT_GE(nRows, 2);
}

// Long texts are shortened by replaying the passes on the running extents:
// they end in the form that the pass-by-pass shortening gives, the longest
// end piece that fits beside the ellipsis.
TEST_F(StaticTextTest, LongTextsEndInThePassByPassForm)
{
	int nRows = 0;
	for (const TextSample& t : Texts())
	{
		std::wstring wide;
		while (wide.size() < 700)
			wide += std::wstring(t.text) + L' ';
		CString text;
		if (!kt::TryAnsi(wide.c_str(), text))
			continue;
		++nRows;
		SCOPED_TRACE(t.name);
		const std::vector<int> bounds = Boundaries(wide.c_str());
		const std::string original(text);
		for (bool bLeading : { true, false })
			for (int cx : { 3, 90, 333 })
			{
				// The piece grows a character at a time from nothing until the
				// form no longer fits.
				std::string want = "...";
				for (size_t i = 1; i < bounds.size(); ++i)
				{
					const std::string form = bLeading ? "..." + original.substr(bounds[bounds.size() - 1 - i])
													  : original.substr(0, bounds[i]) + "...";
					if (Width(CString(form.c_str())) >= cx)
						break;
					want = form;
				}
				const TS::Ellipsis mode = bLeading ? TS::LeadingEllipsis : TS::TrailingEllipsis;
				EXPECT_EQ(std::string(Shorten(text, cx, mode, TS::TextContent)), want)
					<< (bLeading ? "leading" : "trailing") << " at " << cx;
			}
	}
	EXPECT_GE(nRows, 2);
}

// The text is drawn as the characters of the process's code page, whatever
// the font's character set (GDI's narrow functions would read the bytes in
// the font's, never in UTF-8), shortened or not, enabled or embossed.
TEST_F(StaticTextTest, TextIsDrawnInTheCharactersOfTheCodePage)
{
	const CRect rc(0, 0, 880, 20);
	m_ctrl.MoveWindow(&rc, FALSE);
	m_ctrl.SetFormat(DT_SINGLELINE | DT_NOPREFIX, false);
	for (const TextSample& s : kTextSamples)
	{
		// Plain GDI draws a character outside the BMP as two missing glyphs
		// under Wine, so it cannot draw what the label draws there.
		const std::wstring wide(s.text);
		CString text;
		if (!kt::TryAnsi(s.text, text) ||
			std::any_of(wide.begin(), wide.end(), [](wchar_t c) { return IS_HIGH_SURROGATE(c); }))
			continue;
		SCOPED_TRACE(s.name);
		for (bool bEnabled : { true, false })
		{
			m_ctrl.SetWindowTextA(text, false);
			m_ctrl.EnableWindow(bEnabled, true);
			kt::PumpPending();
			const kt::Snapshot want = kt::DrawOverHost(m_host, rc,
				[&](HDC hdc)
				{
					const HGDIOBJ hOld = ::SelectObject(hdc, m_hFont);
					::SetBkMode(hdc, TRANSPARENT);
					RECT rcText = { 0, 0, rc.Width(), rc.Height() };
					if (!bEnabled)
					{
						::SetTextColor(hdc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
						RECT rcShadow = { 1, 1, rc.Width() + 1, rc.Height() + 1 };
						::DrawTextW(hdc, s.text, -1, &rcShadow, DT_SINGLELINE | DT_NOPREFIX);
					}
					::SetTextColor(hdc, ::GetSysColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
					::DrawTextW(hdc, s.text, -1, &rcText, DT_SINGLELINE | DT_NOPREFIX);
					::SelectObject(hdc, hOld);
				});
			const kt::Snapshot shot(m_host.GetSafeHwnd(), rc);
			EXPECT_EQ(shot.CountDiff(want), 0) << bEnabled;
			EXPECT_GT(shot.Count(::GetSysColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT)), 20);
		}
	}
}

} // namespace
