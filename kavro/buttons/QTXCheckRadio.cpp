// QTXCheckRadio.cpp - the owner-drawn check box and radio button: check state, clicks, space bar, groups.
#include <afxwin.h>

#include <kavro/QTXButton.h>
#include <qtx/Graphics.h>

/////////////////////////////////////////////////////////////////////////////
// CQTXCheckbox

IMPLEMENT_DYNAMIC(CQTXCheckbox, CQTXButton)

BEGIN_MESSAGE_MAP(CQTXCheckbox, CQTXButton)
	ON_WM_LBUTTONUP()
	ON_WM_KEYDOWN()
	ON_MESSAGE(BM_SETCHECK, &CQTXCheckbox::OnBMSetCheck)
	ON_MESSAGE(BM_GETCHECK, &CQTXCheckbox::OnBMGetCheck)
END_MESSAGE_MAP()

CQTXCheckbox::CQTXCheckbox()
	: m_bChecked(false)
{
}

void CQTXCheckbox::SetChecked(bool checked)
{
	m_bChecked = checked;
}

void CQTXCheckbox::SetButtonStyle(unsigned int style, bool redraw)
{
	CQTXButton::SetButtonStyle(style, redraw);
	SetSpecialStyle(BS_CHECKBOX);
}

bool CQTXCheckbox::IsChecked() const
{
	return m_bChecked;
}

void CQTXCheckbox::PreSubclassWindow()
{
	CQTXButton::PreSubclassWindow();
	SetSpecialStyle(BS_CHECKBOX);
}

void CQTXCheckbox::SetCheckboxIcon()
{
	unsigned int id = 0;
	HINSTANCE module = NULL;
	if (m_bChecked)
		QTXIcon::GetCheckOnID(id, module);
	else
		QTXIcon::GetCheckOffID(id, module);
	SetIcon(id, module, BS_LEFT, BS_VCENTER, 0, 0, 0);
	Repaint();
}

// The owner-drawn button keeps no check state: the check box answers the
// check messages itself and toggles on a click that ends on it.
void CQTXCheckbox::OnLButtonUp(UINT nFlags, CPoint point)
{
	if (IsHeldOver(point))
		SendMessage(BM_SETCHECK, m_bChecked ? BST_UNCHECKED : BST_CHECKED);
	CQTXButton::OnLButtonUp(nFlags, point);
}

void CQTXCheckbox::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	if (nChar == VK_SPACE)
		SendMessage(BM_SETCHECK, m_bChecked ? BST_UNCHECKED : BST_CHECKED);
	Default();
}

LRESULT CQTXCheckbox::OnBMSetCheck(WPARAM wParam, LPARAM /*lParam*/)
{
	m_bChecked = wParam == BST_CHECKED;
	return 0;
}

LRESULT CQTXCheckbox::OnBMGetCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

/////////////////////////////////////////////////////////////////////////////
// CQTXRadiobutton

IMPLEMENT_DYNAMIC(CQTXRadiobutton, CQTXButton)

BEGIN_MESSAGE_MAP(CQTXRadiobutton, CQTXButton)
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_LBUTTONUP()
	ON_WM_KEYDOWN()
	ON_MESSAGE(BM_SETCHECK, &CQTXRadiobutton::OnBMSetCheck)
	ON_MESSAGE(BM_GETCHECK, &CQTXRadiobutton::OnBMGetCheck)
END_MESSAGE_MAP()

CQTXRadiobutton::CQTXRadiobutton()
	: m_bChecked(false)
	, m_bHaveFocus(false)
{
	m_nTextAlign = DT_VCENTER | DT_SINGLELINE;
}

CQTXRadiobutton::~CQTXRadiobutton()
{
}

void CQTXRadiobutton::SetChecked(bool checked)
{
	m_bChecked = checked;
	SetRadiobuttonIcon();
	// Unchecking does not come back here, so a group cannot recurse.
	if (checked)
		UncheckOthers();
}

void CQTXRadiobutton::SetGroupIDs(unsigned int id1, unsigned int id2, unsigned int id3, unsigned int id4,
	unsigned int id5, unsigned int id6, unsigned int id7, unsigned int id8)
{
	m_groupIDs.clear();
	for (unsigned int id : { id1, id2, id3, id4, id5, id6, id7, id8 })
	{
		if (id != 0)
			m_groupIDs.push_back(id);
	}
}

void CQTXRadiobutton::SetButtonStyle(unsigned int style, bool redraw)
{
	CQTXButton::SetButtonStyle(style, redraw);
	SetSpecialStyle(BS_RADIOBUTTON);
}

bool CQTXRadiobutton::IsChecked() const
{
	return m_bChecked;
}

bool CQTXRadiobutton::GetHaveFocus() const
{
	return m_bHaveFocus;
}

void CQTXRadiobutton::PreSubclassWindow()
{
	CQTXButton::PreSubclassWindow();
	SetSpecialStyle(BS_RADIOBUTTON);
}

void CQTXRadiobutton::UncheckOthers()
{
	CWnd* pParent = ::IsWindow(m_hWnd) ? GetParent() : NULL;
	if (pParent == NULL)
		return;
	for (unsigned int id : m_groupIDs)
	{
		// Only radio buttons of this class belong to the group; a plain window
		// with the id comes back as a temporary CWnd and is skipped.
		CQTXRadiobutton* pRadio = DYNAMIC_DOWNCAST(CQTXRadiobutton, pParent->GetDlgItem(id));
		if (pRadio != NULL)
			pRadio->SetChecked(false);
	}
}

void CQTXRadiobutton::SetRadiobuttonIcon()
{
	unsigned int id = 0;
	HINSTANCE module = NULL;
	if (QTXIcon::GetRadioButton(id, module, m_bChecked))
		SetIcon(id, module, BS_LEFT, BS_VCENTER, 0, 0, 0);
	Repaint();
}

void CQTXRadiobutton::OnSetFocus(CWnd* pOldWnd)
{
	m_bHaveFocus = true;
	Repaint();
	CQTXButton::OnSetFocus(pOldWnd);
}

void CQTXRadiobutton::OnKillFocus(CWnd* pNewWnd)
{
	m_bHaveFocus = false;
	Repaint();
	CQTXButton::OnKillFocus(pNewWnd);
}

// A radio button is only ever checked by the user, never unchecked.
void CQTXRadiobutton::OnLButtonUp(UINT nFlags, CPoint point)
{
	if (IsHeldOver(point))
		SendMessage(BM_SETCHECK, BST_CHECKED);
	CQTXButton::OnLButtonUp(nFlags, point);
}

void CQTXRadiobutton::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	if (nChar == VK_SPACE)
		SendMessage(BM_SETCHECK, BST_CHECKED);
	Default();
}

LRESULT CQTXRadiobutton::OnBMSetCheck(WPARAM wParam, LPARAM /*lParam*/)
{
	SetChecked(wParam == BST_CHECKED);
	return 0;
}

LRESULT CQTXRadiobutton::OnBMGetCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}
