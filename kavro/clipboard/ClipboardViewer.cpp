// ClipboardViewer.cpp - the clipboard viewer: listening, the quiet period, reading and notifying.
#include <afxwin.h>

#include <kavro/ClipboardViewer.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>
#include <qtx/TimerThread.h>

#include "Frame.h"

// The clipboard must stay unchanged this long before it is read, so that a
// burst of changes gives one reading.
static const UINT kQuietPeriodMs = 300;
static const UINT kViewerId = 9213;
// Blank lines of a text are collected as this, so that they stay visible.
static const CString kEmptyLine("~");

IMPLEMENT_DYNAMIC(CClipboardViewer, CWnd)

BEGIN_MESSAGE_MAP(CClipboardViewer, CWnd)
	ON_REGISTERED_MESSAGE(MSG_GET_CLIPBOARD_CONTENT, &CClipboardViewer::OnGetClipboardContent)
	ON_WM_DESTROY()
END_MESSAGE_MAP()

CClipboardViewer::CClipboardViewer()
	: m_bCollectContent(false)
	, m_bHaveText(false)
	, m_bHaveImage(false)
	, m_bHaveFileDir(false)
	, m_bFileDirCopy(false)
	, m_bFileDirLink(false)
	, m_pOwner(NULL)
	, m_pTimer(NULL)
{
}

CClipboardViewer::~CClipboardViewer()
{
	DeleteAll();
}

void CClipboardViewer::Create(bool bCollectContent, CWnd* pOwner, bool bReadNow)
{
	m_bCollectContent = bCollectContent;
	m_pOwner = pOwner;
	if (pOwner == NULL)
		return;

	LPCTSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_SAVEBITS, NULL,
		static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), NULL);
	if (!CWnd::Create(lpszClass, "", WS_CHILD, CRect(0, 0, 1, 1), pOwner, kViewerId))
	{
		ReportFailure(kLogClipViewerNotCreated);
		return;
	}
	if (!::IsWindow(m_hWnd))
	{
		ReportFailure(kLogClipViewerNotAWindow);
		return;
	}
	if (!::AddClipboardFormatListener(m_hWnd))
	{
		ReportFailure(kLogClipViewerListener, true);
		return;
	}
	if (bReadNow)
		OnGetClipboardContent(0, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool CClipboardViewer::HaveClipboardText() const
{
	return m_bHaveText;
}

bool CClipboardViewer::HaveClipboardImage() const
{
	return m_bHaveImage;
}

bool CClipboardViewer::HaveClipboardFileDir() const
{
	return m_bHaveFileDir;
}

bool CClipboardViewer::HaveClipboardFileDirCopy() const
{
	return m_bFileDirCopy;
}

bool CClipboardViewer::HaveClipboardFileDirLink() const
{
	return m_bFileDirLink;
}

void CClipboardViewer::GetClipboardContent(TextArray& content) const
{
	content = m_content;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

BOOL CClipboardViewer::PreTranslateMessage(MSG* pMsg)
{
	// A later change already waiting in the queue arms the timer itself.
	MSG msgLater;
	if (pMsg->message == WM_CLIPBOARDUPDATE && pMsg->hwnd == m_hWnd &&
		!::PeekMessageA(&msgLater, m_hWnd, WM_CLIPBOARDUPDATE, WM_CLIPBOARDUPDATE, PM_NOREMOVE))
	{
		// The quiet period runs from the change, not from the moment a busy
		// thread comes round to its queue.
		const DWORD nQueuedMs = ::GetTickCount() - pMsg->time;
		const UINT nTimeout = nQueuedMs < kQuietPeriodMs ? kQuietPeriodMs - nQueuedMs : 0;
		if (m_pTimer == NULL)
		{
			m_pTimer = new TimerThread(MSG_GET_CLIPBOARD_CONTENT, m_hWnd, nTimeout, false, 0, 0);
			m_pTimer->SetPriority(THREAD_PRIORITY_BELOW_NORMAL);
		}
		else
			m_pTimer->SetTimeout(nTimeout);
	}
	return CWnd::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CClipboardViewer::DeleteAll()
{
	if (m_hWnd != NULL)
		::RemoveClipboardFormatListener(m_hWnd);
	if (m_pTimer != NULL)
	{
		m_pTimer->Stop(INFINITE);
		delete m_pTimer;
		m_pTimer = NULL;
	}
	m_pOwner = NULL;
}

void CClipboardViewer::CollectImage()
{
	const CString strTempEnd = StringUtils::DecryptText(kTextTempFileEnd);
	const CString strPngEnd = StringUtils::DecryptText(kTextPngFileEnd);
	const CString strBmpEnd = StringUtils::DecryptText(kTextBmpFileEnd);
	unsigned int nNumber = 0;
	CString strPath =
		FileUtils::GetTempFile(DirUtils::GetTempDir(), StringUtils::DecryptText(kTextClipImageName), nNumber);
	strPath.Replace(strTempEnd, strPngEnd);
	if (!GraphicsUtils::SaveClipboardImageAs(strPath).IsEmpty())
	{
		// Not every system can encode PNG; a bitmap file always works.
		strPath.Replace(strPngEnd, strBmpEnd);
		if (!GraphicsUtils::SaveClipboardImageAs(strPath).IsEmpty())
			return;
	}
	m_content.Add(strPath);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

LRESULT CClipboardViewer::OnGetClipboardContent(WPARAM, LPARAM)
{
	// Quiet until the next clipboard change arms the timer again.
	if (m_pTimer != NULL)
		m_pTimer->SetTimeout(INFINITE);

	m_bHaveText = ::IsClipboardFormatAvailable(CF_TEXT) != FALSE;
	m_bHaveImage = ::IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
	m_bHaveFileDir = ::IsClipboardFormatAvailable(CF_HDROP) != FALSE;

	if (m_bCollectContent)
	{
		m_content.RemoveAll();
		if (m_bHaveText)
			ClipboardUtils::ParseClipboardText(m_content, kEmptyLine);
		else if (m_bHaveImage)
			CollectImage();
		else if (m_bHaveFileDir)
			ClipboardUtils::ParseClipboardFilesList(m_content, m_bFileDirCopy, m_bFileDirLink);
	}

	if (m_pOwner != NULL && ::IsWindow(m_pOwner->GetSafeHwnd()))
		m_pOwner->PostMessage(MSG_CLIPBOARDCONTENT_CHANGED, 0, 0);
	return 0;
}

void CClipboardViewer::OnDestroy()
{
	DeleteAll();
	CWnd::OnDestroy();
}
