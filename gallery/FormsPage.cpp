// FormsPage.cpp - a run-time form of field managers, saved and printed, beside a live clipboard panel.
#include "FormsPage.h"

#include <qtx/Graphics.h>
#include <qtx/Print.h>
#include <qtx/Support.h>

#include <algorithm>

namespace
{

// Where each field goes, in dialog units: name, address, notes, then the photo.
const CRect kEditPlaces[] = { CRect(8, 20, 158, 44), CRect(8, 48, 158, 82), CRect(8, 86, 232, 138) };
const CRect kPhotoPlace(166, 20, 232, 82);
const char* const kEditNames[] = { "&Name", "&Address", "N&otes" };
const char* const kEditKeys[] = { "Name", "Address", "Notes" };
// Letter paper, in thousandths of an inch and in the 0.01 mm of a metafile frame.
const CSize kPaper(8500, 11000);
const CRect kPaperFrame(0, 0, 21590, 27940);
const COLORREF kInk = RGB(0, 0, 128);

CString YesNo(bool b)
{
	return b ? "yes" : "no";
}

} // namespace

BEGIN_MESSAGE_MAP(CFormsPage, CGalleryPage)
	ON_WM_PAINT()
	ON_WM_DESTROY()
	ON_BN_CLICKED(IDC_FRM_LOAD, &CFormsPage::OnLoad)
	ON_BN_CLICKED(IDC_FRM_SAVE, &CFormsPage::OnSave)
	ON_BN_CLICKED(IDC_FRM_PRINT, &CFormsPage::OnPrint)
	ON_REGISTERED_MESSAGE(CClipboardViewer::MSG_CLIPBOARDCONTENT_CHANGED, &CFormsPage::OnClipboardChanged)
END_MESSAGE_MAP()

CFormsPage::CFormsPage()
	: CGalleryPage(IDD, "Forms")
{
}

CFormsPage::~CFormsPage()
{
}

void CFormsPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_FRM_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_FRM_TITLE, m_title);
	DDX_Control(pDX, IDC_FRM_STATUS, m_status);
	DDX_Control(pDX, IDC_FRM_CLIP_KIND, m_clipKind);
	DDX_Control(pDX, IDC_FRM_CLIP_FLAGS, m_clipFlags);
	DDX_Control(pDX, IDC_FRM_CLIP_EFFECT, m_clipEffect);
	DDX_Control(pDX, IDC_FRM_CLIP_LINES, m_clipLines);
	DDX_Control(pDX, IDC_FRM_THUMBNAIL, m_thumbnail);
}

BOOL CFormsPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();
	m_title.SetTextColor(kInk, false);
	m_captions[0].SetTextColor(kInk, false);
	CreateForm();

	// A run for the screenshots has nobody to copy anything: a few lines are
	// put on the clipboard first, so that the panel shows a real reading.
	CString strCmdLine(AfxGetApp()->m_lpCmdLine);
	strCmdLine.MakeLower();
	if (strCmdLine.Find("/screenshots") >= 0 && ::OpenClipboard(m_hWnd))
	{
		const char kSample[] = "Copied from the gallery:\r\nthree lines of text\r\n\r\nand one after a blank";
		HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(kSample));
		if (hData != NULL)
		{
			memcpy(::GlobalLock(hData), kSample, sizeof(kSample));
			::GlobalUnlock(hData);
			::EmptyClipboard();
			if (::SetClipboardData(CF_TEXT, hData) == NULL)
				::GlobalFree(hData);
		}
		::CloseClipboard();
	}
	m_viewer.Create(true, this, true);

	OnLoad();
	OnPrint();
	return TRUE;
}

void CFormsPage::CreateForm()
{
	LOGFONTA lf;
	GetFont()->GetLogFont(&lf);
	unsigned int nNextId = IDC_FRM_FIELD_FIRST;
	CWnd* pPrev = &m_title;
	for (int i = 0; i < EditCount; ++i)
	{
		m_edits[i].DoCreate(i, nNextId, kEditNames[i], this, false, pPrev);
		m_edits[i].SetControlFont(FontDef(lf, RGB(0, 0, 0)));
		CRect rc(kEditPlaces[i]);
		MapDialogRect(&rc);
		m_edits[i].SetRect(rc);
		m_edits[i].DoMoveWindow();
		// The photo comes between the address and the notes.
		if (i == 1)
		{
			m_photo.DoCreate(EditCount, nNextId, "Photo", this, false, pPrev);
			CRect rcPhoto(kPhotoPlace);
			MapDialogRect(&rcPhoto);
			m_photo.SetRect(rcPhoto);
			m_photo.DoMoveWindow();
		}
	}
}

CString CFormsPage::GetWorkDir()
{
	const CString strDir = DirUtils::GetTempDir() + "kavro-gallery\\";
	::CreateDirectoryA(strDir, NULL);
	return strDir;
}

CString CFormsPage::WriteSamplePicture() const
{
	const CString strPath = GetWorkDir() + "portrait.png";
	// Once written, the file stays: the field shows it again without reading it.
	if (FileUtils::DoesFileExist(strPath))
		return strPath;

	Gdiplus::Bitmap picture(96, 120, PixelFormat32bppARGB);
	{
		Gdiplus::Graphics g(&picture);
		g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
		Gdiplus::LinearGradientBrush sky(Gdiplus::Point(0, 0), Gdiplus::Point(0, 120),
			Gdiplus::Color(255, 110, 160, 225), Gdiplus::Color(255, 225, 238, 252));
		g.FillRectangle(&sky, 0, 0, 96, 120);
		Gdiplus::SolidBrush coat(Gdiplus::Color(255, 40, 70, 140));
		g.FillEllipse(&coat, 10, 80, 76, 80);
		Gdiplus::SolidBrush skin(Gdiplus::Color(255, 238, 196, 160));
		g.FillEllipse(&skin, 28, 28, 40, 50);
		Gdiplus::SolidBrush hair(Gdiplus::Color(255, 80, 50, 30));
		g.FillPie(&hair, 25, 22, 46, 40, 180.0f, 180.0f);
	}
	CLSID clsid;
	if (!GraphicsUtils::GetEncoderClsid(L"image/png", clsid) ||
		picture.Save(CStringW(strPath), &clsid, NULL) != Gdiplus::Ok)
		return CString();
	return strPath;
}

HBITMAP CFormsPage::MakeThumbnail(HENHMETAFILE hPage, CSize size)
{
	ENHMETAHEADER header = {};
	if (size.cx <= 0 || size.cy <= 0 || ::GetEnhMetaFileHeader(hPage, sizeof(header), &header) == 0)
		return NULL;
	const LONG cxFrame = header.rclFrame.right - header.rclFrame.left;
	const LONG cyFrame = header.rclFrame.bottom - header.rclFrame.top;
	if (cxFrame <= 0 || cyFrame <= 0 || header.szlMillimeters.cx <= 0 || header.szlMillimeters.cy <= 0)
		return NULL;
	// The page in pixels of the device it was recorded for (the frame is
	// in 0.01 mm).
	const int cxPage = ::MulDiv(cxFrame, header.szlDevice.cx, header.szlMillimeters.cx * 100);
	const int cyPage = ::MulDiv(cyFrame, header.szlDevice.cy, header.szlMillimeters.cy * 100);

	// The page keeps its shape: as large as fits, centred on the grey of a
	// print preview.
	CSize sizeSheet(size.cx, ::MulDiv(size.cx, cyFrame, cxFrame));
	if (sizeSheet.cy > size.cy)
		sizeSheet = CSize(::MulDiv(size.cy, cxFrame, cyFrame), size.cy);
	sizeSheet.cx = std::max<LONG>(sizeSheet.cx, 1);
	sizeSheet.cy = std::max<LONG>(sizeSheet.cy, 1);
	const CPoint ptSheet((size.cx - sizeSheet.cx) / 2, (size.cy - sizeSheet.cy) / 2);

	// The page is played at no less than its own size and each k x k block
	// averaged. Played smaller, its small print would come out in fonts of
	// two or three pixels, whose glyphs are solid blocks: the page would turn
	// dark, in columns where the lines share their words, instead of grey.
	// Both k and the played page are bounded, for the memory and the sums.
	const int kMaxBlock = 64, kMaxSide = 4096;
	int k = std::max((cxPage + sizeSheet.cx - 1) / sizeSheet.cx, (cyPage + sizeSheet.cy - 1) / sizeSheet.cy);
	k = std::min({ k, kMaxBlock, kMaxSide / static_cast<int>(std::max(sizeSheet.cx, sizeSheet.cy)) });
	k = std::max(k, 1);

	BITMAPINFO bi = {};
	bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
	bi.bmiHeader.biWidth = sizeSheet.cx * k;
	bi.bmiHeader.biHeight = -sizeSheet.cy * k;
	bi.bmiHeader.biPlanes = 1;
	bi.bmiHeader.biBitCount = 32;
	bi.bmiHeader.biCompression = BI_RGB;
	void* pvBig = NULL;
	void* pvSmall = NULL;
	HBITMAP hbmBig = ::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &pvBig, NULL, 0);
	bi.bmiHeader.biWidth = size.cx;
	bi.bmiHeader.biHeight = -size.cy;
	HBITMAP hbmSmall = ::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &pvSmall, NULL, 0);
	HDC hdc = ::CreateCompatibleDC(NULL);
	if (hbmBig == NULL || hbmSmall == NULL || hdc == NULL)
	{
		if (hbmBig != NULL)
			::DeleteObject(hbmBig);
		if (hbmSmall != NULL)
			::DeleteObject(hbmSmall);
		if (hdc != NULL)
			::DeleteDC(hdc);
		return NULL;
	}
	HGDIOBJ hOld = ::SelectObject(hdc, hbmSmall);
	const RECT rcSmall = { 0, 0, size.cx, size.cy };
	::FillRect(hdc, &rcSmall, ::GetSysColorBrush(COLOR_APPWORKSPACE));
	::SelectObject(hdc, hbmBig);
	const RECT rcBig = { 0, 0, sizeSheet.cx * k, sizeSheet.cy * k };
	::FillRect(hdc, &rcBig, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
	::PlayEnhMetaFile(hdc, hPage, &rcBig);
	::GdiFlush();

	const BYTE* pBig = static_cast<const BYTE*>(pvBig);
	BYTE* pSmall = static_cast<BYTE*>(pvSmall);
	const int cxBig = sizeSheet.cx * k;
	for (int y = 0; y < sizeSheet.cy; ++y)
		for (int x = 0; x < sizeSheet.cx; ++x)
			for (int c = 0; c < 3; ++c)
			{
				int nSum = 0;
				for (int dy = 0; dy < k; ++dy)
					for (int dx = 0; dx < k; ++dx)
						nSum += pBig[((y * k + dy) * cxBig + x * k + dx) * 4 + c];
				pSmall[((ptSheet.y + y) * size.cx + ptSheet.x + x) * 4 + c] =
					static_cast<BYTE>(nSum / (k * k));
			}
	::SelectObject(hdc, hOld);
	::DeleteDC(hdc);
	::DeleteObject(hbmBig);
	return hbmSmall;
}

HENHMETAFILE CFormsPage::PrintField(ControlMgr& field, UINT nFrom, UINT nTo, UINT& nPages)
{
	CClientDC dcRef(this);
	HDC hdcMeta = ::CreateEnhMetaFileA(dcRef.GetSafeHdc(), NULL, &kPaperFrame, NULL);
	PrintInfo info;
	info.m_hDC = hdcMeta;
	info.m_strDocName = "Form";
	info.m_sizePaper = kPaper;
	info.m_nFromPage = nFrom;
	info.m_nToPage = nTo;
	field.Print(&info);
	nPages = info.m_nPagesPrinted;
	return hdcMeta != NULL ? ::CloseEnhMetaFile(hdcMeta) : NULL;
}

void CFormsPage::SetStatus(const CString& strText)
{
	m_status.SetWindowTextA(strText);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

BOOL CFormsPage::PreTranslateMessage(MSG* pMsg)
{
	if ((pMsg->message == WM_SYSKEYDOWN || pMsg->message == WM_KEYDOWN) && pMsg->wParam == VK_MENU)
	{
		for (int i = 0; i < EditCount; ++i)
			m_edits[i].DoSendMessage(WM_SYSKEYDOWN, pMsg->wParam, pMsg->lParam);
	}
	return CGalleryPage::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CFormsPage::OnPaint()
{
	CPaintDC dc(this);
	// The photo field has no window: the form draws its picture.
	CRect rc;
	m_photo.GetRedrawRect(rc);
	if (rc.IsRectEmpty())
		return;
	dc.FillSolidRect(&rc, RGB(255, 255, 255));
	CBrush frame(RGB(128, 128, 128));
	dc.FrameRect(&rc, &frame);
	rc.DeflateRect(3, 3);
	Gdiplus::Graphics g(dc.GetSafeHdc());
	m_photo.DoDrawImage(g,
		Gdiplus::RectF(static_cast<Gdiplus::REAL>(rc.left), static_cast<Gdiplus::REAL>(rc.top),
			static_cast<Gdiplus::REAL>(rc.Width()), static_cast<Gdiplus::REAL>(rc.Height())));
}

void CFormsPage::OnDestroy()
{
	HBITMAP hThumbnail = m_thumbnail.SetBitmap(NULL);
	if (hThumbnail != NULL)
		::DeleteObject(hThumbnail);
	CGalleryPage::OnDestroy();
}

void CFormsPage::OnLoad()
{
	CString strNotes("Met at the harbour office; prefers letters to calls.\r\n");
	for (int i = 1; i <= 90; ++i)
	{
		CString strLine;
		strLine.Format("Visit %d: the boat inspected, the log signed, the next date agreed.\r\n", i);
		strNotes += strLine;
	}
	m_edits[0].ShowData("Mira Okafor");
	m_edits[1].ShowData("4 Harbour Lane\r\nKestrel Bay 2041");
	m_edits[2].ShowData(strNotes);

	const CString strPicture = WriteSamplePicture();
	m_photo.ShowData(strPicture);
	CRect rc;
	m_photo.GetRedrawRect(rc);
	InvalidateRect(&rc);
	SetStatus(strPicture.IsEmpty() ? CString("Loaded the sample record; the picture could not be written.")
								   : "Loaded the sample record and its picture:\r\n" + strPicture);
}

void CFormsPage::OnSave()
{
	CString strText;
	for (int i = 0; i < EditCount; ++i)
	{
		CString strData = m_edits[i].GetData();
		// The rich edit ends its lines with a lone CR.
		strData.Replace("\r\n", "\r");
		strData.Replace("\r", "\r\n");
		strText += CString("[") + kEditKeys[i] + "]\r\n" + strData + "\r\n\r\n";
	}
	strText += "[Photo]\r\n" + m_photo.GetData() + "\r\n";

	const CString strPath = GetWorkDir() + "form.txt";
	HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
	DWORD nWritten = 0;
	const bool bSaved = hFile != INVALID_HANDLE_VALUE &&
						::WriteFile(hFile, strText.GetString(), strText.GetLength(), &nWritten, NULL) &&
						nWritten == static_cast<DWORD>(strText.GetLength());
	if (hFile != INVALID_HANDLE_VALUE)
		::CloseHandle(hFile);
	CString strStatus;
	if (bSaved)
		strStatus.Format("Saved the form's %d fields (%lu bytes) to\r\n%s", EditCount + 1, nWritten,
			strPath.GetString());
	else
		strStatus.Format("Could not write %s", strPath.GetString());
	SetStatus(strStatus);
}

void CFormsPage::OnPrint()
{
	UINT nTotal = 0;
	CString strCounts;
	for (int i = 0; i < EditCount; ++i)
	{
		UINT nPages = 0;
		HENHMETAFILE hAll = PrintField(m_edits[i], 1, 0, nPages);
		if (hAll != NULL)
			::DeleteEnhMetaFile(hAll);
		nTotal += nPages;
		CString strCount;
		strCount.Format("%s%s %u", i == 0 ? "" : ", ", kEditKeys[i], nPages);
		strCounts += strCount;
	}
	// The thumbnail is the first page of the notes.
	UINT nFirst = 0;
	HENHMETAFILE hPage = PrintField(m_edits[EditCount - 1], 1, 1, nFirst);
	CRect rcThumbnail;
	m_thumbnail.GetClientRect(&rcThumbnail);
	HBITMAP hThumbnail = hPage != NULL ? MakeThumbnail(hPage, rcThumbnail.Size()) : NULL;
	if (hPage != NULL)
		::DeleteEnhMetaFile(hPage);
	HBITMAP hOld = m_thumbnail.SetBitmap(hThumbnail);
	if (hOld != NULL)
		::DeleteObject(hOld);

	CString strStatus;
	strStatus.Format("Printed into metafiles on %u letter pages (%s); beside: the notes' first page.", nTotal,
		strCounts.GetString());
	SetStatus(strStatus);
}

LRESULT CFormsPage::OnClipboardChanged(WPARAM, LPARAM)
{
	const bool bText = m_viewer.HaveClipboardText();
	const bool bImage = m_viewer.HaveClipboardImage();
	const bool bFiles = m_viewer.HaveClipboardFileDir();
	TextArray content;
	m_viewer.GetClipboardContent(content);
	const int nLines = static_cast<int>(content.GetCount());

	// The viewer collects by the first kind that applies: text, image, files.
	CString strKind;
	if (bText)
		strKind.Format("Text, %d line%s", nLines, nLines == 1 ? "" : "s");
	else if (bImage)
		strKind = nLines > 0 ? "An image, saved to the file below" : "An image that could not be saved";
	else if (bFiles)
		strKind.Format("A list of %d file%s", nLines, nLines == 1 ? "" : "s");
	else
		strKind = "Nothing the viewer reads";
	m_clipKind.SetWindowTextA(strKind);

	CString strFlags;
	strFlags.Format("Text %s, image %s, files %s", YesNo(bText).GetString(), YesNo(bImage).GetString(),
		YesNo(bFiles).GetString());
	m_clipFlags.SetWindowTextA(strFlags);
	CString strEffect("Drop effect: no file list");
	if (bFiles)
		strEffect.Format("Drop effect: copy %s, link %s",
			YesNo(m_viewer.HaveClipboardFileDirCopy()).GetString(),
			YesNo(m_viewer.HaveClipboardFileDirLink()).GetString());
	m_clipEffect.SetWindowTextA(strEffect);

	// The lines, with a horizontal scroll bar as wide as the longest.
	m_clipLines.ResetContent();
	CClientDC dc(&m_clipLines);
	CFont* pOldFont = dc.SelectObject(m_clipLines.GetFont());
	int nWidest = 0;
	for (int i = 0; i < nLines; ++i)
	{
		const CString strLine = content.GetCopyAt(i);
		m_clipLines.AddString(strLine);
		nWidest = std::max(nWidest, static_cast<int>(dc.GetTextExtent(strLine).cx));
	}
	dc.SelectObject(pOldFont);
	m_clipLines.SendMessage(LB_SETHORIZONTALEXTENT, nWidest + 4);
	return 0;
}
