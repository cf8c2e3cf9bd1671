// ControlMgrTests.cpp - field managers in a run-time form: ids, tab order, data, focus, printing, photos.
//
// Classes in this file:
//   FormTest
#include <kavrotest/TestSupport.h>

#include <kavro/ControlMgrEdit.h>
#include <kavro/ControlMgrPhoto.h>
#include <qtx/Print.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

const unsigned int kFirstId = 1000;

// A 32-bit bitmap file of one colour.
std::string BmpOf(int cx, int cy, COLORREF cr)
{
	const BITMAPINFOHEADER bih = { sizeof(bih), cx, cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
	const DWORD nOffset = sizeof(BITMAPFILEHEADER) + sizeof(bih);
	const BITMAPFILEHEADER bfh = { 0x4D42, nOffset + cx * cy * 4, 0, 0, nOffset };
	std::string file(reinterpret_cast<const char*>(&bfh), sizeof(bfh));
	file.append(reinterpret_cast<const char*>(&bih), sizeof(bih));
	const DWORD pixel = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
	for (int i = 0; i < cx * cy; ++i)
		file.append(reinterpret_cast<const char*>(&pixel), 4);
	return file;
}

// Sets a file's last-write time, ULONGLONG in 100 ns units; returns the old one.
ULONGLONG SetWriteTime(const std::string& path, ULONGLONG time)
{
	HANDLE h =
		::CreateFileA(path.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
	ULARGE_INTEGER old = {}, now = {};
	::GetFileTime(h, NULL, NULL, reinterpret_cast<FILETIME*>(&old));
	now.QuadPart = time != 0 ? time : old.QuadPart;
	::SetFileTime(h, NULL, NULL, reinterpret_cast<const FILETIME*>(&now));
	::CloseHandle(h);
	return old.QuadPart;
}

// The colour at the centre of what the field draws into a 60 x 40 area.
COLORREF DrawnCentre(ControlMgr& mgr)
{
	return kt::Snapshot::Draw(60, 40, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			Gdiplus::Graphics g(hdc);
			mgr.DoDrawImage(g, Gdiplus::RectF(0, 0, 60, 40));
		})
		.At(30, 20);
}

// Posts a key (WM_KEYDOWN) or a character (WM_CHAR) to the focus window, as
// the keyboard would, and handles it.
void Key(UINT msg, WPARAM key)
{
	::PostMessageA(::GetFocus(), msg, key, 1);
	kt::PumpPending();
}

// A form in a dialog, where Tab moves the focus through the tab order: the
// managers are created in order with one id counter and one previous-control
// pointer, each given a rectangle and moved.
class FormTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(m_dlg.CreateIndirect(m_tmpl.Get(), NULL));
		m_pName = Add<ControlMgrEdit>("&Name", CRect(10, 10, 290, 70));
		m_pPhoto = Add<ControlMgrPhoto>("&Portrait", CRect(10, 80, 290, 160));
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

	// The label's rectangle in the dialog and a picture of it now.
	CRect LabelRect(unsigned int nId)
	{
		CRect rc;
		m_dlg.GetDlgItem(nId)->GetWindowRect(&rc);
		m_dlg.ScreenToClient(&rc);
		return rc;
	}
	kt::Snapshot Shot(const CRect& rc)
	{
		kt::FlushPaint(m_dlg.GetSafeHwnd());
		return kt::Snapshot(m_dlg.GetSafeHwnd(), rc);
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

// Ids run label, edit, label, ... in creation order (a photo has a label
// only); a field created later after the first one's edit is tabbed to
// right after it, and Tab passes over labels and photos. A label takes one
// line at the top of its field, the data area the rest but 3 pixels; the
// photo's label is centred.
TEST_F(FormTest, ChainingGivesIdsTabOrderAndLayout)
{
	EXPECT_EQ(m_pName->GetCtrlID(), kFirstId + 1);
	EXPECT_EQ(m_pCity->GetCtrlID(), kFirstId + 4);
	EXPECT_EQ(m_pPrev, m_pCity->GetLastCtrl());

	m_pPrev = m_pName->GetLastCtrl();
	ControlMgrEdit* pStreet = Add<ControlMgrEdit>("&Street", CRect(10, 170, 290, 220));
	EXPECT_EQ(pStreet->GetCtrlID(), kFirstId + 6);
	EXPECT_EQ(m_nNextId, kFirstId + 7);

	std::vector<int> zOrder;
	for (CWnd* p = m_dlg.GetWindow(GW_CHILD); p != NULL; p = p->GetWindow(GW_HWNDNEXT))
		zOrder.push_back(p->GetDlgCtrlID() - static_cast<int>(kFirstId));
	EXPECT_EQ(zOrder, std::vector<int>({ 0, 1, 5, 6, 2, 3, 4 }));

	m_pName->DoSetFocus();
	for (ControlMgrEdit* pWant : { pStreet, m_pCity, m_pName })
	{
		Key(WM_KEYDOWN, VK_TAB);
		EXPECT_TRUE(pWant->HaveFocus()) << pWant->GetData();
	}

	const CRect rcLabel = LabelRect(kFirstId + 2);
	CRect rcImage, rcAll;
	m_pPhoto->GetRedrawRect(rcImage);
	m_pPhoto->GetRect(rcAll);
	EXPECT_EQ(rcAll, CRect(10, 80, 290, 160));
	EXPECT_EQ(rcLabel, CRect(10, 80, 290, rcLabel.bottom));
	EXPECT_GT(rcLabel.Height(), 8);
	EXPECT_EQ(rcImage, CRect(10, rcLabel.bottom + 3, 290, 160));

	const kt::Snapshot shot = Shot(rcLabel);
	const RECT ink = shot.Bounds(shot.At(0, 0));
	ASSERT_FALSE(::IsRectEmpty(&ink));
	EXPECT_LE(abs((ink.left + ink.right) - rcLabel.Width()), 6) << ink.left << ".." << ink.right;
}

// The picture is read again only when the file's size or time changed;
// letter case does not make another file. Paths that cannot be shown clear
// the picture; damaged files neither crash nor leave a picture behind.
TEST_F(FormTest, PictureIsReloadedOnlyWhenItsFileChanged)
{
	const COLORREF kRed = RGB(220, 0, 0), kBlue = RGB(0, 0, 220), kGreen = RGB(0, 200, 0);
	kt::TempDir dir;
	const std::string path = dir.MakeFile("photo.bmp", BmpOf(40, 20, kRed));
	m_pPhoto->ShowData(path.c_str());
	EXPECT_EQ(m_pPhoto->GetHeight(), 20u);
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kRed);

	// Same size and time: the new pixels do not show.
	const ULONGLONG time = SetWriteTime(path, 0);
	dir.MakeFile("photo.bmp", BmpOf(40, 20, kBlue));
	SetWriteTime(path, time);
	CString upper(path.c_str());
	upper.MakeUpper();
	m_pPhoto->ShowData(upper);
	m_pPhoto->ShowData(path.c_str());
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kRed);

	// A later time, then the same time with another size: loaded again.
	SetWriteTime(path, time + 20 * 10000000ull);
	m_pPhoto->ShowData(path.c_str());
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kBlue);
	dir.MakeFile("photo.bmp", BmpOf(30, 30, kGreen));
	SetWriteTime(path, time + 20 * 10000000ull);
	m_pPhoto->ShowData(path.c_str());
	EXPECT_EQ(m_pPhoto->GetWidth(), 30u);
	EXPECT_EQ(DrawnCentre(*m_pPhoto), kGreen);
	EXPECT_EQ(m_pPhoto->GetData(), CString(path.c_str()));

	const std::string bmp = BmpOf(40, 20, kRed);
	const std::string unusable[] = { "", "   ", dir.Path() + "gone.bmp", dir.MakeFile("photo.txt", bmp),
		dir.MakeDir("folder.bmp"), dir.MakeFile("cut.bmp", bmp.substr(0, 60)),
		dir.MakeFile("text.png", "this is no picture") };
	for (const std::string& bad : unusable)
	{
		m_pPhoto->ShowData(path.c_str());
		ASSERT_EQ(m_pPhoto->GetWidth(), 30u) << bad;
		m_pPhoto->ShowData(bad.c_str());
		EXPECT_EQ(m_pPhoto->GetWidth(), 0u) << bad;
		EXPECT_EQ(DrawnCentre(*m_pPhoto), RGB(255, 255, 255)) << bad;
	}
	EXPECT_EQ(m_pPhoto->GetData(), "");
}

// Enabling repaints the photo's label through its parent only when its
// state changes; an edit field disables and enables its label and its edit.
const kt::Sequence kEnableSeq = {
	kt::kSeparator,
	{ WM_CANCELMODE, kt::sent },
	{ WM_ENABLE, kt::sent },
	{ WM_CTLCOLORSTATIC, kt::sent | kt::parent | kt::optional },
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_CTLCOLORDLG, kt::sent | kt::parent | kt::optional },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent | kt::optional },
	kt::kSeparator,
	kt::kSeparator,
};

TEST_F(FormTest, EnablingActsOnlyOnAChange)
{
	CWnd* pLabel = m_dlg.GetDlgItem(kFirstId + 2);
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	kt::MessageRecorder rec(pLabel->GetSafeHwnd(), true);
	for (bool enable : { true, false, false })
	{
		m_pPhoto->DoEnable(enable);
		rec.Separate();
	}
	EXPECT_TRUE(rec.Matches(kEnableSeq, kt::kQueries));
	EXPECT_FALSE(pLabel->IsWindowEnabled());

	m_pName->DoEnable(false);
	EXPECT_FALSE(m_dlg.GetDlgItem(kFirstId)->IsWindowEnabled() || m_pName->GetLastCtrl()->IsWindowEnabled());
	m_pName->DoEnable(true);
	EXPECT_TRUE(m_dlg.GetDlgItem(kFirstId)->IsWindowEnabled() && m_pName->GetLastCtrl()->IsWindowEnabled());
}

// Data goes in untouched by the modification flag, caret at the start, and
// comes out trimmed; each typed change is reported once.
TEST_F(FormTest, DataRoundTripAndTheModificationFlag)
{
	m_pName->ShowData("  Ada Lovelace \t\r\n");
	EXPECT_EQ(m_pName->GetData(), "Ada Lovelace");
	long start = -1, end = -1;
	m_pName->GetSelRange(start, end);
	EXPECT_EQ(start + end, 0);
	EXPECT_FALSE(m_pName->GetDataModified());

	m_pName->DoSetFocus();
	Key(WM_CHAR, 'x');
	EXPECT_TRUE(m_pName->GetDataModified());
	EXPECT_FALSE(m_pName->GetDataModified());
	Key(WM_CHAR, 'y');
	EXPECT_TRUE(m_pName->GetDataModified());
	EXPECT_EQ(m_pName->GetData(), "xy  Ada Lovelace");
	EXPECT_FALSE(m_pCity->GetDataModified());
}

// Focus arriving at a fully selected field leaves the caret at the end; a
// partial selection is kept.
TEST_F(FormTest, FocusPutsTheCaretAfterAWholeSelection)
{
	// The second text has a paragraph break: one position in a selection,
	// two characters in the window text.
	const struct
	{
		const char* text;
		long selStart, selEnd, wantStart, wantEnd;
	} cases[] = { { "hello world", 0, 11, 11, 11 }, { "hello world", 0, 4, 0, 4 },
		{ "hello world", 3, 11, 3, 11 }, { "hello world", 0, 0, 0, 0 }, { "hello\r\nworld", 0, 11, 11, 11 },
		{ "hello\r\nworld", 0, 10, 0, 10 } };
	for (const auto& c : cases)
	{
		m_pName->ShowData(c.text);
		m_pCity->DoSetFocus();
		m_pName->DoSendMessage(EM_SETSEL, c.selStart, c.selEnd);
		m_pName->DoSetFocus();
		EXPECT_TRUE(m_pName->HaveFocus());
		long start = -1, end = -1;
		m_pName->GetSelRange(start, end);
		EXPECT_EQ(std::make_pair(start, end), std::make_pair(c.wantStart, c.wantEnd))
			<< c.selStart << ".." << c.selEnd;
	}
}

// Alt shows the label's access-key underscore once and never reaches the
// edit; undo and Edit commands reach the edit.
TEST_F(FormTest, AltUndoAndCommandsReachTheRightWindow)
{
	const CRect rcLabel = LabelRect(kFirstId);
	const kt::Snapshot before = Shot(rcLabel);
	kt::MessageRecorder rec(m_pName->GetLastCtrl()->GetSafeHwnd());
	EXPECT_EQ(m_pName->DoSendMessage(WM_SYSKEYDOWN, VK_MENU, 0x20000000), 0);
	const kt::Snapshot shown = Shot(rcLabel);
	m_pName->DoSendMessage(WM_SYSKEYDOWN, VK_MENU, 0x20000000);
	EXPECT_TRUE(rec.Matches({}, kt::kIncidental));
	EXPECT_GT(shown.CountDiff(before), 0);
	EXPECT_EQ(Shot(rcLabel).CountDiff(shown), 0);

	m_pName->ShowData("abc");
	EXPECT_FALSE(m_pName->CanEnableEditUndo());
	m_pName->DoSetFocus();
	Key(WM_CHAR, 'z');
	EXPECT_TRUE(m_pName->CanEnableEditUndo());
	m_pName->DoEditUndo();
	EXPECT_EQ(m_pName->GetData(), "abc");

	EXPECT_NE(m_pName->OnCmdMsg(ID_EDIT_SELECT_ALL, CN_COMMAND, NULL, NULL), 0);
	long start = -1, end = -1;
	m_pName->GetSelRange(start, end);
	EXPECT_EQ(start, 0);
	EXPECT_GE(end, 3);
}

// Printed into a metafile page of 4 x 3 inches with half-inch margins: the
// text takes several pages and stays inside the margins.
TEST_F(FormTest, PrintingPaginatesInsideTheMargins)
{
	std::string text;
	for (int i = 0; i < 60; ++i)
		text += "Line " + std::to_string(i) + " of the printed field\r\n";
	m_pName->ShowData(text.c_str());

	HDC hdcRef = ::GetDC(NULL);
	const int dpiX = ::GetDeviceCaps(hdcRef, LOGPIXELSX), dpiY = ::GetDeviceCaps(hdcRef, LOGPIXELSY);
	const RECT rcFrame = { 0, 0, 10160, 7620 }; // 4 x 3 inches in 0.01 mm
	HDC hdcMeta = ::CreateEnhMetaFileA(hdcRef, NULL, &rcFrame, NULL);
	::ReleaseDC(NULL, hdcRef);
	PrintInfo info;
	info.m_hDC = hdcMeta;
	info.m_sizePaper = CSize(4000, 3000);
	info.m_rcMargins = CRect(500, 500, 500, 500);
	m_pName->Print(&info);
	HENHMETAFILE hemf = ::CloseEnhMetaFile(hdcMeta);
	EXPECT_GT(info.m_nPagesPrinted, 1u);

	const RECT rcPage = { 0, 0, 4 * dpiX, 3 * dpiY };
	const RECT ink = kt::Snapshot::Draw(rcPage.right, rcPage.bottom, RGB(255, 255, 255),
		[&](HDC hdc) {
			::PlayEnhMetaFile(hdc, hemf, &rcPage);
		}).Bounds(RGB(255, 255, 255));
	::DeleteEnhMetaFile(hemf);
	ASSERT_FALSE(::IsRectEmpty(&ink));
	EXPECT_GE(ink.left, dpiX / 2 - 2);
	EXPECT_GE(ink.top, dpiY / 2 - 2);
	EXPECT_LE(ink.right, rcPage.right - dpiX / 2 + 2);
	EXPECT_LE(ink.bottom, rcPage.bottom - dpiY / 2 + 2);
}

// Fonts are created per manager, copies get their own and no windows, and
// all are gone when the fields go.
TEST_F(FormTest, FieldsAndCopiesLeaveNoGdiObjectsBehind)
{
	auto cycle = [&]
	{
		const unsigned int nPhotoLabel = m_nNextId;
		ControlMgrPhoto* pPhoto = Add<ControlMgrPhoto>("Photo", CRect(10, 170, 290, 220));
		pPhoto->SetLabelFont(FontDef());
		ControlMgrEdit* pEdit = Add<ControlMgrEdit>("Text", CRect(10, 230, 290, 290));
		pEdit->SetLabelFont(FontDef());
		pEdit->SetControlFont(FontDef());
		pEdit->ShowData("some text");
		kt::FlushPaint(m_dlg.GetSafeHwnd());
		ControlMgrEdit editCopy(*pEdit);
		ControlMgrPhoto photoCopy;
		photoCopy = *pPhoto;
		EXPECT_EQ(editCopy.GetDataPropID() + photoCopy.GetDataPropID(), pEdit->GetDataPropID() * 2 - 1);
		EXPECT_EQ(editCopy.GetLastCtrl(), (CWnd*)NULL);
		// Assigned over live windows: the labels go on with a live font.
		*pEdit = editCopy;
		*pPhoto = photoCopy;
		for (CWnd* pLabel : { m_dlg.GetDlgItem(pEdit->GetCtrlID() - 1), m_dlg.GetDlgItem(nPhotoLabel) })
			EXPECT_NE(::GetObjectType(reinterpret_cast<HGDIOBJ>(pLabel->SendMessage(WM_GETFONT))), 0u);
		m_fields.resize(3);
	};
	// The rich edit's module makes its own objects on first use, and the
	// framework's temporary objects go at idle time.
	cycle();
	cycle();
	kt::RunIdle();
	const int before = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
	{
		cycle();
		kt::RunIdle();
	}
	EXPECT_EQ(kt::CountGdiObjects(), before);
}

} // namespace
