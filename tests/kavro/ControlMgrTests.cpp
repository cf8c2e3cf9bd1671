// ControlMgrTests.cpp - field managers in a run-time form: ids, tab order, data, focus, printing, photos.
//
// Classes in this file:
//   BareField, Form, PhotoFieldTest, EditFormTest
#include <kavrotest/TestSupport.h>

#include <kavro/ControlMgrEdit.h>
#include <kavro/ControlMgrPhoto.h>
#include <qtx/Print.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

const COLORREF kBack = RGB(0, 128, 128);
const unsigned int kFirstId = 1000;

// A field type that overrides only what it must.
class BareField : public ControlMgr
{
public:
	virtual void DoCreate(int, unsigned int&, const CString&, CWnd*, bool, CWnd*&) override {}
};

// A form built at run time: managers created in order with one id counter
// and one previous-control pointer, each given a rectangle and moved.
class Form
{
public:
	Form(int cx = 400, int cy = 400)
		: m_host(cx, cy, kBack)
	{
	}

	template <typename Mgr>
	Mgr& Add(const CString& name, const CRect& rect)
	{
		m_fields.push_back(std::make_unique<Mgr>());
		Mgr& mgr = static_cast<Mgr&>(*m_fields.back());
		mgr.DoCreate(static_cast<int>(m_fields.size()) * 10, m_nNextId, name, &m_host, false, m_pPrev);
		mgr.SetRect(rect);
		mgr.DoMoveWindow();
		return mgr;
	}

	kt::HostWindow m_host;
	std::vector<std::unique_ptr<ControlMgr>> m_fields;
	unsigned int m_nNextId = kFirstId;
	CWnd* m_pPrev = NULL;
};

// A 32-bit bitmap file of one colour.
std::string BmpOf(int cx, int cy, COLORREF cr)
{
	BITMAPFILEHEADER bfh = {};
	BITMAPINFOHEADER bih = { sizeof(bih), cx, cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
	bfh.bfType = 0x4D42;
	bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
	bfh.bfSize = bfh.bfOffBits + cx * cy * 4;
	std::string file(reinterpret_cast<const char*>(&bfh), sizeof(bfh));
	file.append(reinterpret_cast<const char*>(&bih), sizeof(bih));
	const DWORD pixel = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
	for (int i = 0; i < cx * cy; ++i)
		file.append(reinterpret_cast<const char*>(&pixel), 4);
	return file;
}

FILETIME WriteTimeOf(const std::string& path)
{
	FILETIME ft = {};
	HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
	::GetFileTime(h, NULL, NULL, &ft);
	::CloseHandle(h);
	return ft;
}

void SetWriteTime(const std::string& path, FILETIME ft)
{
	HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
	::SetFileTime(h, NULL, NULL, &ft);
	::CloseHandle(h);
}

// The colour at the centre of what the field draws into a cx x cy area.
COLORREF DrawnCentre(ControlMgr& mgr, int cx = 60, int cy = 40)
{
	const kt::Snapshot shot = kt::Snapshot::Draw(cx, cy, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			Gdiplus::Graphics g(hdc);
			mgr.DoDrawImage(g,
				Gdiplus::RectF(0, 0, static_cast<Gdiplus::REAL>(cx), static_cast<Gdiplus::REAL>(cy)));
		});
	return shot.At(cx / 2, cy / 2);
}

TEST(ControlMgr, DefaultsDoNothingAndCopiesKeepTheDataId)
{
	BareField bare;
	EXPECT_EQ(bare.GetDataPropID(), -1);
	CRect rect(1, 2, 3, 4);
	bare.GetRect(rect);
	EXPECT_EQ(rect, CRect(1, 2, 3, 4));
	bare.GetRedrawRect(rect);
	EXPECT_TRUE(rect.IsRectEmpty());
	EXPECT_TRUE(bare.GetInsertMode());
	EXPECT_FALSE(
		bare.CanHaveFocus() || bare.HaveFocus() || bare.GetDataModified() || bare.CanEnableEditUndo());
	EXPECT_EQ(bare.GetData(), "");
	EXPECT_EQ(bare.DoSendMessage(WM_GETTEXTLENGTH, 0, 0), 0);

	Form form;
	ControlMgrPhoto& photo = form.Add<ControlMgrPhoto>("Photo", CRect(10, 10, 200, 150));
	ControlMgrPhoto copy(photo);
	EXPECT_EQ(copy.GetDataPropID(), photo.GetDataPropID());
	EXPECT_TRUE(copy == photo);
	EXPECT_EQ(copy.GetLastCtrl(), (CWnd*)NULL);
	ControlMgrPhoto assigned;
	EXPECT_FALSE(assigned == photo);
	assigned = photo;
	EXPECT_TRUE(assigned == photo);
	EXPECT_EQ(assigned.GetDataPropID(), 10);
}

// A field's fonts are created per manager and all are gone when it goes.
TEST(ControlMgr, FieldsLeaveNoGdiObjectsBehind)
{
	auto cycle = [&]
	{
		Form form;
		ControlMgrPhoto& photo = form.Add<ControlMgrPhoto>("Photo", CRect(10, 10, 200, 150));
		photo.SetLabelFont(FontDef());
		ControlMgrEdit& edit = form.Add<ControlMgrEdit>("Text", CRect(10, 160, 200, 250));
		edit.SetLabelFont(FontDef());
		edit.SetControlFont(FontDef());
		edit.ShowData("some text");
		ControlMgrEdit editCopy(edit);
		editCopy = edit;
		kt::FlushPaint(form.m_host.GetSafeHwnd());
		ControlMgrPhoto copy(photo);
		copy = photo;
	};
	// The rich edit's module makes its own objects once, on first use.
	cycle();
	kt::RunIdle();
	const int before = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
		cycle();
	kt::RunIdle();
	EXPECT_EQ(kt::CountGdiObjects(), before);
}

class PhotoFieldTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		m_path = m_dir.MakeFile("photo.bmp", BmpOf(40, 20, RGB(220, 0, 0)));
		m_pPhoto = &m_form.Add<ControlMgrPhoto>("&Portrait", CRect(20, 30, 220, 230));
	}

	kt::TempDir m_dir;
	std::string m_path;
	Form m_form;
	ControlMgrPhoto* m_pPhoto = NULL;
};

// One id per photo field, its label is the last control, its label line
// sits on top and the picture area below, and the label's text is centred.
TEST_F(PhotoFieldTest, LabelTakesOneIdAndIsCentredAboveTheImage)
{
	EXPECT_EQ(m_form.m_nNextId, kFirstId + 1);
	CWnd* pLabel = m_form.m_host.GetDlgItem(kFirstId);
	ASSERT_NE(pLabel, (CWnd*)NULL);
	EXPECT_EQ(m_form.m_pPrev->GetSafeHwnd(), pLabel->GetSafeHwnd());
	EXPECT_EQ(m_pPhoto->GetCtrlID(), 0u);

	CString text;
	pLabel->GetWindowText(text);
	EXPECT_EQ(text, "&Portrait:");

	CRect rcLabel, rcImage, rcAll;
	pLabel->GetWindowRect(&rcLabel);
	m_form.m_host.ScreenToClient(&rcLabel);
	m_pPhoto->GetRedrawRect(rcImage);
	m_pPhoto->GetRect(rcAll);
	EXPECT_EQ(rcAll, CRect(20, 30, 220, 230));
	EXPECT_EQ(rcLabel.TopLeft(), CPoint(20, 30));
	EXPECT_EQ(rcLabel.right, 220);
	EXPECT_GT(rcLabel.Height(), 8);
	EXPECT_EQ(rcImage, CRect(20, rcLabel.bottom + 3, 220, 230));

	kt::FlushPaint(m_form.m_host.GetSafeHwnd());
	const kt::Snapshot shot(m_form.m_host.GetSafeHwnd(), rcLabel);
	const RECT ink = shot.Bounds(kBack);
	ASSERT_FALSE(::IsRectEmpty(&ink));
	EXPECT_LE(abs((ink.left + ink.right) - rcLabel.Width()), 6) << ink.left << ".." << ink.right;
}

// The picture is read again only when the file's size or time changed;
// letter case does not make another file.
TEST_F(PhotoFieldTest, PictureIsReloadedOnlyWhenItsFileChanged)
{
	const COLORREF kRed = RGB(220, 0, 0), kBlue = RGB(0, 0, 220), kGreen = RGB(0, 200, 0);
	m_pPhoto->ShowData(m_path.c_str());
	EXPECT_EQ(m_pPhoto->GetWidth(), 40u);
	EXPECT_EQ(m_pPhoto->GetHeight(), 20u);
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kRed);

	// Same size and time: the new pixels do not show.
	const FILETIME ft = WriteTimeOf(m_path);
	m_dir.MakeFile("photo.bmp", BmpOf(40, 20, kBlue));
	SetWriteTime(m_path, ft);
	CString upper(m_path.c_str());
	upper.MakeUpper();
	m_pPhoto->ShowData(upper);
	m_pPhoto->ShowData(m_path.c_str());
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kRed);

	// A later time: loaded again.
	ULARGE_INTEGER later = { { ft.dwLowDateTime, ft.dwHighDateTime } };
	later.QuadPart += 20 * 10000000ull;
	SetWriteTime(m_path, { later.LowPart, later.HighPart });
	m_pPhoto->ShowData(m_path.c_str());
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kBlue);

	// Same time, another size: loaded again.
	m_dir.MakeFile("photo.bmp", BmpOf(30, 30, kGreen));
	SetWriteTime(m_path, { later.LowPart, later.HighPart });
	m_pPhoto->ShowData(m_path.c_str());
	EXPECT_EQ(m_pPhoto->GetWidth(), 30u);
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kGreen);
	EXPECT_EQ(m_pPhoto->GetData(), CString(m_path.c_str()));
}

// Paths that cannot be shown clear the picture; damaged files neither crash
// nor leave a picture behind.
TEST_F(PhotoFieldTest, UnusablePathsAndDamagedFilesClearThePicture)
{
	const std::string bmp = BmpOf(40, 20, RGB(220, 0, 0));
	const struct
	{
		const char* name;
		std::string path;
	} cases[] = {
		{ "empty", "" },
		{ "blank", "   " },
		{ "missing", m_dir.Path() + "gone.bmp" },
		{ "unsupported type", m_dir.MakeFile("photo.txt", bmp) },
		{ "folder", m_dir.MakeDir("folder.bmp") },
		{ "truncated", m_dir.MakeFile("cut.bmp", bmp.substr(0, 60)) },
		{ "not an image", m_dir.MakeFile("text.png", "this is no picture") },
	};
	for (const auto& c : cases)
	{
		m_pPhoto->ShowData(m_path.c_str());
		ASSERT_EQ(m_pPhoto->GetWidth(), 40u) << c.name;
		m_pPhoto->ShowData(c.path.c_str());
		EXPECT_EQ(m_pPhoto->GetWidth(), 0u) << c.name;
		EXPECT_EQ(DrawnCentre(*m_pPhoto), RGB(255, 255, 255)) << c.name;
	}
	m_pPhoto->ShowData("");
	EXPECT_EQ(m_pPhoto->GetData(), "");
}

// Enabling repaints the label through its parent only when its state
// changes.
const kt::Sequence kEnableSeq = {
	kt::kSeparator,
	{ WM_CANCELMODE, kt::sent },
	{ WM_ENABLE, kt::sent },
	{ WM_CTLCOLORSTATIC, kt::sent | kt::parent | kt::optional },
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent | kt::optional },
	kt::kSeparator,
	kt::kSeparator,
};

TEST_F(PhotoFieldTest, EnablingRepaintsOnlyOnChange)
{
	CWnd* pLabel = m_form.m_host.GetDlgItem(kFirstId);
	kt::FlushPaint(m_form.m_host.GetSafeHwnd());
	kt::MessageRecorder rec(pLabel->GetSafeHwnd(), true);
	m_pPhoto->DoEnable(true);
	rec.Separate();
	m_pPhoto->DoEnable(false);
	rec.Separate();
	m_pPhoto->DoEnable(false);
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kEnableSeq, kt::kQueries));
	EXPECT_FALSE(pLabel->IsWindowEnabled());
}

// Posts a key to the focus window as the keyboard would and handles it.
void PressKey(UINT vk)
{
	HWND hFocus = ::GetFocus();
	::PostMessageA(hFocus, WM_KEYDOWN, vk, 1);
	::PostMessageA(hFocus, WM_KEYUP, vk, 0xC0000001);
	kt::PumpPending();
}

void Type(char ch)
{
	::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(ch), 1);
	kt::PumpPending();
}

// A form in a dialog, where Tab moves the focus through the tab order.
class EditFormTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(m_dlg.CreateIndirect(m_tmpl.Get(), NULL));
		m_pName = Add<ControlMgrEdit>("&Name", CRect(10, 10, 290, 70));
		m_pPhoto = Add<ControlMgrPhoto>("Photo", CRect(10, 80, 290, 160));
		m_pCity = Add<ControlMgrEdit>("&City", CRect(10, 230, 290, 290));
	}

	template <typename Mgr>
	Mgr* Add(const CString& name, const CRect& rect)
	{
		m_fields.push_back(std::make_unique<Mgr>());
		Mgr* pMgr = static_cast<Mgr*>(m_fields.back().get());
		pMgr->DoCreate(static_cast<int>(m_fields.size()), m_nNextId, name, &m_dlg, false, m_pPrev);
		pMgr->SetRect(rect);
		pMgr->DoMoveWindow();
		return pMgr;
	}

	kt::DialogTemplate m_tmpl{ "form", 200, 200, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE };
	CDialog m_dlg;
	std::vector<std::unique_ptr<ControlMgr>> m_fields;
	unsigned int m_nNextId = kFirstId;
	CWnd* m_pPrev = NULL;
	ControlMgrEdit* m_pName = NULL;
	ControlMgrPhoto* m_pPhoto = NULL;
	ControlMgrEdit* m_pCity = NULL;
};

// Ids run label, edit, label, ... in creation order; a field created later
// after the first one's edit is tabbed to right after it.
TEST_F(EditFormTest, TabWalksTheFieldsInTheOrderTheyWereChained)
{
	EXPECT_EQ(m_pName->GetCtrlID(), kFirstId + 1);
	EXPECT_EQ(m_pPhoto->GetCtrlID(), 0u);
	EXPECT_EQ(m_pCity->GetCtrlID(), kFirstId + 4);
	EXPECT_EQ(m_pPrev, m_pCity->GetLastCtrl());

	// A field inserted between Name and Photo.
	m_pPrev = m_pName->GetLastCtrl();
	ControlMgrEdit* pStreet = Add<ControlMgrEdit>("&Street", CRect(10, 170, 290, 220));
	EXPECT_EQ(pStreet->GetCtrlID(), kFirstId + 6);
	EXPECT_EQ(m_nNextId, kFirstId + 7);

	std::vector<int> zOrder;
	for (CWnd* p = m_dlg.GetWindow(GW_CHILD); p != NULL; p = p->GetWindow(GW_HWNDNEXT))
		zOrder.push_back(p->GetDlgCtrlID() - static_cast<int>(kFirstId));
	EXPECT_EQ(zOrder, std::vector<int>({ 0, 1, 5, 6, 2, 3, 4 }));

	// The labels and the photo take no focus; the walk wraps round.
	const std::vector<ControlMgrEdit*> walk = { pStreet, m_pCity, m_pName };
	m_pName->DoSetFocus();
	for (ControlMgrEdit* pWant : walk)
	{
		PressKey(VK_TAB);
		EXPECT_TRUE(pWant->HaveFocus()) << pWant->GetData();
	}
	EXPECT_FALSE(m_pPhoto->CanHaveFocus());
}

// Data goes in untouched by the modification flag and comes out trimmed; each
// typed change is reported once.
TEST_F(EditFormTest, DataRoundTripAndTheModificationFlag)
{
	m_pName->ShowData("  Ada Lovelace \t\r\n");
	EXPECT_EQ(m_pName->GetData(), "Ada Lovelace");
	long start = -1, end = -1;
	m_pName->GetSelRange(start, end);
	EXPECT_EQ(start, 0);
	EXPECT_EQ(end, 0);
	EXPECT_FALSE(m_pName->GetDataModified());

	m_pName->DoSetFocus();
	Type('x');
	EXPECT_TRUE(m_pName->GetDataModified());
	EXPECT_FALSE(m_pName->GetDataModified());
	Type('y');
	EXPECT_TRUE(m_pName->GetDataModified());
	EXPECT_EQ(m_pName->GetData().Left(2), "xy");
	EXPECT_FALSE(m_pCity->GetDataModified());
}

// Focus arriving at a fully selected field leaves the caret at the end; a
// partial selection is kept.
TEST_F(EditFormTest, FocusPutsTheCaretAfterAWholeSelection)
{
	const struct
	{
		long selStart, selEnd, wantStart, wantEnd;
	} cases[] = { { 0, 11, 11, 11 }, { 0, 4, 0, 4 }, { 3, 11, 3, 11 }, { 0, 0, 0, 0 } };
	m_pName->ShowData("hello world");
	for (const auto& c : cases)
	{
		m_pCity->DoSetFocus();
		m_pName->DoSendMessage(EM_SETSEL, c.selStart, c.selEnd);
		m_pName->DoSetFocus();
		EXPECT_TRUE(m_pName->HaveFocus());
		long start = -1, end = -1;
		m_pName->GetSelRange(start, end);
		EXPECT_EQ(start, c.wantStart) << c.selStart << ".." << c.selEnd;
		EXPECT_EQ(end, c.wantEnd) << c.selStart << ".." << c.selEnd;
	}
}

// Alt shows the label's access-key underscore once and never reaches the edit;
// enabling acts only on a change; undo and Edit commands reach the edit.
TEST_F(EditFormTest, AltEnablingUndoAndCommandsReachTheRightWindow)
{
	CWnd* pLabel = m_dlg.GetDlgItem(kFirstId);
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	CRect rcLabel;
	pLabel->GetWindowRect(&rcLabel);
	m_dlg.ScreenToClient(&rcLabel);
	const kt::Snapshot before(m_dlg.GetSafeHwnd(), rcLabel);
	kt::MessageRecorder rec(m_pName->GetLastCtrl()->GetSafeHwnd());
	EXPECT_EQ(m_pName->DoSendMessage(WM_SYSKEYDOWN, VK_MENU, 0x20000000), 0);
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	const kt::Snapshot shown(m_dlg.GetSafeHwnd(), rcLabel);
	m_pName->DoSendMessage(WM_SYSKEYDOWN, VK_MENU, 0x20000000);
	EXPECT_TRUE(rec.Matches({}, kt::kIncidental));
	EXPECT_GT(shown.CountDiff(before), 0);
	EXPECT_EQ(kt::Snapshot(m_dlg.GetSafeHwnd(), rcLabel).CountDiff(shown), 0);

	m_pName->DoEnable(false);
	EXPECT_FALSE(pLabel->IsWindowEnabled());
	EXPECT_FALSE(m_pName->GetLastCtrl()->IsWindowEnabled());
	m_pName->DoEnable(true);
	EXPECT_TRUE(pLabel->IsWindowEnabled() && m_pName->GetLastCtrl()->IsWindowEnabled());

	m_pName->ShowData("abc");
	EXPECT_FALSE(m_pName->CanEnableEditUndo());
	m_pName->DoSetFocus();
	Type('z');
	EXPECT_EQ(m_pName->GetData(), "zabc");
	EXPECT_TRUE(m_pName->CanEnableEditUndo());
	m_pName->DoEditUndo();
	EXPECT_EQ(m_pName->GetData(), "abc");

	EXPECT_NE(m_pName->OnCmdMsg(ID_EDIT_SELECT_ALL, CN_COMMAND, NULL, NULL), 0);
	long start = -1, end = -1;
	m_pName->GetSelRange(start, end);
	EXPECT_EQ(start, 0);
	EXPECT_GE(end, 3);
	ControlMgrEdit unmade;
	EXPECT_EQ(unmade.OnCmdMsg(ID_EDIT_SELECT_ALL, CN_COMMAND, NULL, NULL), 0);
	EXPECT_EQ(unmade.DoSendMessage(WM_SYSKEYDOWN, VK_MENU, 0), 0);
}

// Printed into a metafile page of 4 x 3 inches with half-inch margins: the
// text takes several pages and stays inside the margins.
TEST_F(EditFormTest, PrintingPaginatesInsideTheMargins)
{
	std::string text;
	for (int i = 0; i < 60; ++i)
		text += "Line " + std::to_string(i) + " of the printed field\r\n";
	m_pName->ShowData(text.c_str());

	HDC hdcRef = ::GetDC(NULL);
	const int dpiX = ::GetDeviceCaps(hdcRef, LOGPIXELSX), dpiY = ::GetDeviceCaps(hdcRef, LOGPIXELSY);
	const RECT rcFrame = { 0, 0, 10160, 7620 }; // 4 x 3 inches in 0.01 mm
	HDC hdcMeta = ::CreateEnhMetaFileA(hdcRef, NULL, &rcFrame, NULL);
	PrintInfo info;
	info.m_hDC = hdcMeta;
	info.m_sizePaper = CSize(4000, 3000);
	info.m_rcMargins = CRect(500, 500, 500, 500);
	m_pName->Print(&info);
	m_pName->Print(NULL);
	HENHMETAFILE hemf = ::CloseEnhMetaFile(hdcMeta);
	::ReleaseDC(NULL, hdcRef);
	EXPECT_GT(info.m_nPagesPrinted, 1u);

	const int cx = 4 * dpiX, cy = 3 * dpiY;
	const kt::Snapshot page = kt::Snapshot::Draw(cx, cy, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			RECT rc = { 0, 0, cx, cy };
			::PlayEnhMetaFile(hdc, hemf, &rc);
		});
	::DeleteEnhMetaFile(hemf);
	const RECT ink = page.Bounds(RGB(255, 255, 255));
	ASSERT_FALSE(::IsRectEmpty(&ink));
	EXPECT_GE(ink.left, dpiX / 2 - 2);
	EXPECT_GE(ink.top, dpiY / 2 - 2);
	EXPECT_LE(ink.right, cx - dpiX / 2 + 2);
	EXPECT_LE(ink.bottom, cy - dpiY / 2 + 2);
}

} // namespace
