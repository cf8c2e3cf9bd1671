// EditsPage.cpp - image-menu edits, background edits and rich edits with an Edit bar that follows the focus.
#include "EditsPage.h"

#include <qtx/Support.h>

// The Edit bar's buttons carry the framework's command ids, so that a click
// is routed like a command from an Edit menu.
static const UINT kEditBar[] = { ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL };
// How often the Edit bar and the status line follow the focus and the text.
static const UINT_PTR kRefreshTimer = 1;
static const UINT kRefreshMs = 200;

BEGIN_MESSAGE_MAP(CEditsPage, CGalleryPage)
	ON_WM_TIMER()
END_MESSAGE_MAP()

CEditsPage::CEditsPage()
	: CGalleryPage(IDD, "Edits")
	, m_pTarget(&m_rich)
{
	// The page's rich edits are of the class that Msftedit.dll registers.
	AfxInitRichEdit5();
}

void CEditsPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_EDT_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_EDT_TITLE, m_title);
	DDX_Control(pDX, IDC_EDT_STATUS, m_status);
	DDX_Control(pDX, IDC_EDT_PLAIN, m_plain);
	DDX_Control(pDX, IDC_EDT_CENTRED, m_centred);
	for (int i = 0; i < BackgroundCount; ++i)
		DDX_Control(pDX, IDC_EDT_BACKGROUND_FIRST + i, m_backgrounds[i]);
	DDX_Control(pDX, IDC_EDT_RICH, m_rich);
	DDX_Control(pDX, IDC_EDT_RICH_READONLY, m_richReadOnly);
}

BOOL CEditsPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();

	m_plain.SetWindowText("Right-click or Shift+F10 for the menu");

	m_centred.SetVerticallyCentered();
	m_centred.SetBorderColor(RGB(200, 60, 0));
	m_centred.SetWindowText("A line centred in a tall edit");

	const struct
	{
		COLORREF crBackground, crText;
		const char* text;
	} pairs[BackgroundCount] = { { RGB(255, 255, 213), RGB(0, 0, 0), "The default pale yellow" },
		{ RGB(0, 64, 128), RGB(255, 255, 255), "White on dark blue" },
		{ RGB(224, 255, 224), RGB(0, 110, 0), "Green on mint" } };
	for (int i = 0; i < BackgroundCount; ++i)
	{
		m_backgrounds[i].SetColors(pairs[i].crBackground, pairs[i].crText);
		m_backgrounds[i].SetWindowText(pairs[i].text);
	}

	LOGFONTA lf;
	GetFont()->GetLogFont(&lf);
	m_rich.SetFontDef(FontDef(lf, RGB(0, 0, 128)));
	m_rich.RemoveFocusHighlight();
	m_rich.SetFixDoubleTextPasteBug();
	m_rich.SetWindowText("Type here: the Edit bar above follows the selection, the clipboard and the undo "
						 "buffer.\r\nPress Insert to switch to overwrite mode.");
	m_rich.LimitText(400);

	m_richReadOnly.SetFontDef(FontDef(lf, RGB(90, 90, 90)));
	m_richReadOnly.ActAsReadonly();
	m_richReadOnly.SetFlatLook();
	m_richReadOnly.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
	m_richReadOnly.SetWindowText(
		"A read-only rich edit: it copies and selects, and refuses cut, paste and undo.");

	// The title has the page's ink; the rich edit starts with a word selected,
	// shown without the focus (ES_NOHIDESEL) as the Edit bar offers to cut it.
	m_title.SetTextColor(RGB(0, 0, 128), false);
	m_rich.SetSel(0, 4);
	UpdateEditBar();
	SetTimer(kRefreshTimer, kRefreshMs, NULL);
	return TRUE;
}

BOOL CEditsPage::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	if (m_pTarget != NULL && ::IsWindow(m_pTarget->GetSafeHwnd()) &&
		m_pTarget->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
	{
		// A click on the Edit bar took the focus to its button: the rich
		// edit gets it back, with its selection.
		if (nCode == CN_COMMAND && pHandlerInfo == NULL)
		{
			m_pTarget->SetFocus();
			UpdateEditBar();
		}
		return TRUE;
	}
	return CGalleryPage::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CEditsPage::UpdateEditBar()
{
	CWnd* pFocus = GetFocus();
	if (pFocus == &m_rich || pFocus == &m_richReadOnly)
		m_pTarget = static_cast<CImageMenuRichEdit*>(pFocus);
	for (UINT nID : kEditBar)
	{
		CCmdUI state;
		state.m_nID = nID;
		state.m_pOther = GetDlgItem(nID);
		state.DoUpdate(m_pTarget, TRUE);
	}
	CString strStatus;
	strStatus.Format("%s rich edit: %s mode, %d%% of its limit used",
		m_pTarget == &m_rich ? "Editable" : "Read-only", m_pTarget->GetInsertMode() ? "insert" : "overwrite",
		m_pTarget->GetPercentFull());
	CString strOld;
	m_status.GetWindowText(strOld);
	if (strOld != strStatus)
		m_status.SetWindowTextA(strStatus);
}

void CEditsPage::OnTimer(UINT_PTR nIDEvent)
{
	if (nIDEvent == kRefreshTimer)
		UpdateEditBar();
	else
		CGalleryPage::OnTimer(nIDEvent);
}
