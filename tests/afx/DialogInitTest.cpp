// DialogInitTest.cpp - what CDialog::OnInitDialog does before the dialog shows.
//
// Classes in this file:
//   CComboDialog, CCancellingOwner, CPlacedDialog
//
// The template's init data, the first data exchange (whose failure ends the
// dialog with -1), and the centring of dialogs that did not place themselves.
#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <string.h>

#include <string>
#include <vector>

#include "resource.h"

namespace
{

const UINT WM_TEST_SHOWN = WM_APP + 20;

// The combo box of IDD_INIT_DIALOG, exchanged as a string of at most five
// characters.
class CComboDialog : public CDialog
{
public:
	CString m_strCombo = "Four";
	int m_nMissingID = 0; // non-zero: also exchange a control the dialog lacks

protected:
	virtual void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_CBString(pDX, IDC_INIT_COMBO, m_strCombo);
		DDV_MaxChars(pDX, m_strCombo, 5);
		if (m_nMissingID != 0)
			DDX_Text(pDX, m_nMissingID, m_strCombo);
	}
};

std::vector<std::string> ComboItems(CWnd* pDlg)
{
	CComboBox* pCombo = static_cast<CComboBox*>(pDlg->GetDlgItem(IDC_INIT_COMBO));
	std::vector<std::string> items;
	for (int i = 0; i < pCombo->GetCount(); i++)
	{
		CString str;
		pCombo->GetLBText(i, str);
		items.push_back(str.GetString());
	}
	return items;
}

void Append(std::vector<BYTE>& data, const void* p, size_t cb)
{
	const BYTE* pb = static_cast<const BYTE*>(p);
	data.insert(data.end(), pb, pb + cb);
}

// One record of init data: control, message, then the string with its
// terminator.
void AddInitRecord(std::vector<BYTE>& data, WORD nIDC, WORD nMsg, const char* psz)
{
	DWORD dwLength = static_cast<DWORD>(strlen(psz) + 1);
	Append(data, &nIDC, sizeof(nIDC));
	Append(data, &nMsg, sizeof(nMsg));
	Append(data, &dwLength, sizeof(dwLength));
	Append(data, psz, dwLength);
}

TEST(DialogInit, InitDataFillsComboBoxesBeforeTheMembersComeIn)
{
	kt::HostWindow host;
	kt::DialogTemplate tpl("in memory", 120, 80, DS_SETFONT | WS_POPUP | WS_CAPTION);
	tpl.AddItem(0x0085, "", IDC_INIT_COMBO, 8, 8, 100, 60, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL);
	// The 16-bit CB_ADDSTRING that resource editors write, and the 32-bit one.
	std::vector<BYTE> data;
	AddInitRecord(data, IDC_INIT_COMBO, 0x0403, "One");
	AddInitRecord(data, IDC_INIT_COMBO, CB_ADDSTRING, "Four");
	AddInitRecord(data, IDC_INIT_COMBO, 0x0403, "Three");
	data.insert(data.end(), 2, 0);

	for (bool bResource : { true, false })
	{
		SCOPED_TRACE(bResource ? "from the resource" : "from memory");
		CComboDialog dlg;
		ASSERT_TRUE(bResource ? dlg.Create(IDD_INIT_DIALOG, &host)
							  : dlg.CreateIndirect(tpl.Get(), &host, data.data()));
		EXPECT_EQ((std::vector<std::string>{ "One", "Four", "Three" }), ComboItems(&dlg));
		CComboBox* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_INIT_COMBO));
		EXPECT_EQ(1, pCombo->GetCurSel());

		// DDV_MaxChars after DDX_CBString limits what the user can type...
		HWND hWndEdit = ::GetWindow(pCombo->m_hWnd, GW_CHILD);
		EXPECT_EQ(5, ::SendMessageA(hWndEdit, EM_GETLIMITTEXT, 0, 0));
		// ... and refuses a longer text on the way back.
		pCombo->SetWindowText("Seventeen");
		EXPECT_FALSE(dlg.UpdateData(TRUE));
		pCombo->SetWindowText("Five");
		EXPECT_TRUE(dlg.UpdateData(TRUE));
		EXPECT_EQ(CString("Five"), dlg.m_strCombo);
		dlg.DestroyWindow();
	}
}

// Answers a modal dialog with IDCANCEL once its loop goes idle.
class CCancellingOwner : public kt::HostWindow
{
protected:
	afx_msg void OnEnterIdle(UINT, CWnd* pWho) { pWho->PostMessage(WM_COMMAND, IDCANCEL); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCancellingOwner, kt::HostWindow)
	ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

TEST(DialogInit, FailedFirstExchangeEndsTheDialogWithMinusOne)
{
	CCancellingOwner owner;
	CComboDialog dlg;
	dlg.m_lpszTemplateName = MAKEINTRESOURCEA(IDD_INIT_DIALOG);
	dlg.m_pParentWnd = &owner;
	dlg.m_nMissingID = 4242;
	EXPECT_EQ(-1, dlg.DoModal());
	EXPECT_TRUE(owner.IsWindowEnabled());

	dlg.m_nMissingID = 0;
	EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

// A dialog that may move itself in OnInitDialog and, when modal, reports
// where it was once its loop ran.
class CPlacedDialog : public CDialog
{
public:
	bool m_bMoveInInit = false;
	bool m_bModal = false;
	CRect m_rcShown;        // window rectangle
	CPoint m_ptClientShown; // client origin, on the screen

	void RecordPlace()
	{
		GetWindowRect(&m_rcShown);
		m_ptClientShown = CPoint(0, 0);
		ClientToScreen(&m_ptClientShown);
	}

	virtual BOOL OnInitDialog() override
	{
		CDialog::OnInitDialog();
		if (m_bMoveInInit)
			SetWindowPos(NULL, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
		if (m_bModal)
			PostMessage(WM_TEST_SHOWN);
		return TRUE;
	}

protected:
	afx_msg LRESULT OnShown(WPARAM, LPARAM)
	{
		RecordPlace();
		EndDialog(IDOK);
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlacedDialog, CDialog)
	ON_MESSAGE(WM_TEST_SHOWN, &CPlacedDialog::OnShown)
END_MESSAGE_MAP()

TEST(DialogInit, DialogsAreCentredUnlessTheyPlacedThemselvesOrAreModeless)
{
	kt::HostWindow owner;
	CRect rcOwner;
	owner.GetWindowRect(&rcOwner);
	kt::DialogTemplate tpl("placed", 120, 60);

	enum Where
	{
		kCentred,
		kMoved,
		kAtTemplate
	};
	const struct
	{
		const char* name;
		bool bModal, bMoveInInit;
		Where where;
	} kCases[] = {
		{ "modal", true, false, kCentred },
		{ "modal, moved by OnInitDialog", true, true, kMoved },
		{ "modeless with an enabled owner", false, false, kAtTemplate },
	};
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.name);
		CPlacedDialog dlg;
		dlg.m_bModal = c.bModal;
		dlg.m_bMoveInInit = c.bMoveInInit;
		if (c.bModal)
		{
			ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
			ASSERT_EQ(IDOK, dlg.DoModal());
		}
		else
		{
			ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &owner));
			dlg.RecordPlace();
			dlg.DestroyWindow();
		}
		const CRect& rc = dlg.m_rcShown;
		switch (c.where)
		{
		case kCentred:
			EXPECT_NEAR(rcOwner.CenterPoint().x, rc.CenterPoint().x, 1);
			EXPECT_NEAR(rcOwner.CenterPoint().y, rc.CenterPoint().y, 1);
			break;
		case kMoved:
			EXPECT_EQ(CPoint(7, 9), rc.TopLeft());
			break;
		case kAtTemplate: // at (0, 0) of the owner's client area
			CPoint ptOwner(0, 0);
			owner.ClientToScreen(&ptOwner);
			EXPECT_EQ(ptOwner, dlg.m_ptClientShown);
			break;
		}
	}
}

} // namespace
