// LabelsPage.cpp - CTransparentStatic in its variants, bound to the items of a dialog resource.
#include "LabelsPage.h"

CLabelsPage::CLabelsPage()
	: CGalleryPage(IDD, "Labels")
{
}

void CLabelsPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_LBL_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_LBL_TITLE, m_title);
	DDX_Control(pDX, IDC_LBL_ENABLED, m_enabled);
	DDX_Control(pDX, IDC_LBL_DISABLED, m_disabled);
	DDX_Control(pDX, IDC_LBL_COLOURED, m_coloured);
	DDX_Control(pDX, IDC_LBL_AMP_HIDDEN, m_ampHidden);
	DDX_Control(pDX, IDC_LBL_AMP_SHOWN, m_ampShown);
	DDX_Control(pDX, IDC_LBL_TEXT_LEADING, m_textLeading);
	DDX_Control(pDX, IDC_LBL_TEXT_TRAILING, m_textTrailing);
	DDX_Control(pDX, IDC_LBL_PATH_LEADING, m_pathLeading);
	DDX_Control(pDX, IDC_LBL_PATH_TRAILING, m_pathTrailing);
	DDX_Control(pDX, IDC_LBL_FILE_LEADING, m_fileLeading);
	DDX_Control(pDX, IDC_LBL_FILE_TRAILING, m_fileTrailing);
	DDX_Control(pDX, IDC_LBL_SCRIPTS, m_scripts);
}

BOOL CLabelsPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();

	m_title.SetTextColor(RGB(0, 0, 128), false);
	m_disabled.EnableWindow(FALSE, false);
	m_coloured.SetTextColor(RGB(160, 0, 40), false);
	m_ampShown.ShowUnderscore(true, false);

	m_textLeading.UseEllipsis(CTransparentStatic::LeadingEllipsis, false);
	m_textTrailing.UseEllipsis(CTransparentStatic::TrailingEllipsis, false);

	m_pathLeading.SetContentType(CTransparentStatic::PathContent, false);
	m_pathLeading.UseEllipsis(CTransparentStatic::LeadingEllipsis, false);
	m_pathTrailing.SetContentType(CTransparentStatic::PathContent, false);
	m_pathTrailing.UseEllipsis(CTransparentStatic::TrailingEllipsis, false);

	m_fileLeading.SetContentType(CTransparentStatic::FileContent, false);
	m_fileLeading.UseEllipsis(CTransparentStatic::LeadingEllipsis, false);
	m_fileTrailing.SetContentType(CTransparentStatic::FileContent, false);
	m_fileTrailing.UseEllipsis(CTransparentStatic::TrailingEllipsis, false);

	// Texts in several scripts, written wide and narrowed to the process's
	// code page (UTF-8, as the manifest asks), in a face with their glyphs.
	const struct
	{
		CTransparentStatic& label;
		const wchar_t* text;
	} scripts[] = {
		{ m_textLeading, L"日本語のテキストは文字の途中で切れません" },
		{ m_textTrailing, L"ΑΛΦΑΒΗΤΟ και русский алфавит" },
		{ m_pathLeading, L"C:\\表示\\ソース\\能力\\ポイント\\" },
		{ m_pathTrailing, L"C:\\𠮟る\\ΕΛΛΑΔΑ\\Россия\\日本" },
		{ m_scripts, L"日本語   ΕΛΛΗΝΙΚΑ   Русский   𠮟る   Ünïcödé" },
	};
	for (const auto& s : scripts)
	{
		s.label.SetFont(GetScriptsFont(), FALSE);
		s.label.SetWindowTextA(CString(s.text), false);
	}

	// Shortened labels keep to one line.
	m_textLeading.SetFormat(DT_SINGLELINE, false);
	m_textTrailing.SetFormat(DT_SINGLELINE, false);
	m_pathLeading.SetFormat(DT_SINGLELINE, false);
	m_pathTrailing.SetFormat(DT_SINGLELINE, false);
	m_fileLeading.SetFormat(DT_SINGLELINE, false);
	m_fileTrailing.SetFormat(DT_SINGLELINE, false);
	m_scripts.SetFormat(DT_SINGLELINE, false);
	return TRUE;
}
