// ControlMgrPhoto.cpp - the image field: label, layout and a picture reloaded only when its file changes.
#include <afxwin.h>

#include <kavro/ControlMgrPhoto.h>
#include <qtx/Support.h>

ControlMgrPhoto::ControlMgrPhoto()
	: m_nFileSize(0)
{
	m_image.m_nLayout = ImageWrapper::LayoutHCenter | ImageWrapper::LayoutVCenter;
}

ControlMgrPhoto::ControlMgrPhoto(const ControlMgrPhoto& other)
	: ControlMgr(other)
	, m_nFileSize(0)
	, m_rectLabel(other.m_rectLabel)
	, m_rectImage(other.m_rectImage)
{
}

ControlMgrPhoto& ControlMgrPhoto::operator=(const ControlMgrPhoto& other)
{
	ControlMgr::operator=(other);
	m_rectLabel = other.m_rectLabel;
	m_rectImage = other.m_rectImage;
	// The picture stays as it is, so its file counts as changed at the next
	// ShowData of the same path.
	m_nFileSize = 0;
	// The label's font was just replaced: a live label must not keep the old one.
	SetFontOnLabel(m_label, true);
	return *this;
}

ControlMgrPhoto::~ControlMgrPhoto()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool ControlMgrPhoto::operator==(const ControlMgrPhoto& other) const
{
	return ::EqualRect(&m_rectLabel, &other.m_rectLabel) && ::EqualRect(&m_rectImage, &other.m_rectImage);
}

bool ControlMgrPhoto::operator<(const ControlMgrPhoto& other) const
{
	return ControlMgr::operator<(other);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void ControlMgrPhoto::SetTempDir(const CString& dir)
{
	m_image.SetTempDir(dir);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void ControlMgrPhoto::DoCreate(int dataPropID, unsigned int& nextCtrlID, const CString& name, CWnd* pParent,
	bool inTabPage, CWnd*& pPrevCtrl)
{
	SetDataPropID(dataPropID);
	CreateLabel(m_label, nextCtrlID, pParent, inTabPage);
	m_label.SetFormat(DT_CENTER | DT_VCENTER, false);
	UpdateName(name, false);
	SetFontOnLabel(m_label, false);
	pPrevCtrl = &m_label;
}

void ControlMgrPhoto::UpdateName(const CString& name, bool redraw)
{
	SetLabelText(m_label, name, redraw);
}

void ControlMgrPhoto::SetLabelFont(const FontDef& def)
{
	ControlMgr::SetLabelFont(def);
	SetFontOnLabel(m_label, true);
}

void ControlMgrPhoto::SetRect(const CRect& rect)
{
	SplitRect(m_label, rect, m_rectLabel, m_rectImage);
}

void ControlMgrPhoto::GetRect(CRect& rect) const
{
	rect.UnionRect(&m_rectLabel, &m_rectImage);
}

void ControlMgrPhoto::GetRedrawRect(CRect& rect) const
{
	rect = m_rectImage;
}

void ControlMgrPhoto::DoMoveWindow()
{
	MoveFieldWindow(m_label, m_rectLabel);
}

void ControlMgrPhoto::ShowData(const CString& path)
{
	const bool bUsable = !StringUtils::IsEffectivelyEmpty(path) &&
						 ImageWrapper::IsSupportedExt(FileUtils::GetFileExt(path)) &&
						 FileUtils::DoesFileExist(path);
	if (!bUsable)
	{
		m_nFileSize = 0;
		m_fileTime.SetUnset();
		m_image.SetImageFile(CString(), false);
		return;
	}

	const bool bSame = m_image.GetImageFile().CompareNoCase(path) == 0;
	unsigned __int64 nSize = 0;
	DateTime time;
	FileUtils::GetFileInfoCore(path, nSize, time);
	if (bSame && nSize == m_nFileSize && time.GetDay() == m_fileTime.GetDay() &&
		time.GetSecond() == m_fileTime.GetSecond())
		return;
	m_nFileSize = nSize;
	m_fileTime = time;
	// The same file again means it changed on disk, so it must be read anew.
	m_image.SetImageFile(path, bSame);
}

CString ControlMgrPhoto::GetData() const
{
	return m_image.GetImageFile();
}

unsigned int ControlMgrPhoto::GetWidth() const
{
	return m_image.GetWidth();
}

unsigned int ControlMgrPhoto::GetHeight() const
{
	return m_image.GetHeight();
}

void ControlMgrPhoto::DoDrawImage(Gdiplus::Graphics& g, const Gdiplus::RectF& rect)
{
	m_image.DrawImage(g, rect);
}

void ControlMgrPhoto::DoEnable(bool enable)
{
	if (!::IsWindow(m_label.GetSafeHwnd()) || (m_label.IsWindowEnabled() != FALSE) == enable)
		return;
	m_label.EnableWindow(enable, true);
}
