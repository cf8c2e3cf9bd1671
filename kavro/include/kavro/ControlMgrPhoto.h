// ControlMgrPhoto.h - the image field of a run-time form: a centred label above a picture drawn by the form.
//
// Classes in this file:
//   ControlMgrPhoto
#pragma once

#include <kavro/ControlMgr.h>
#include <kavro/TransparentStatic.h>

// The image area has no window: the form invalidates GetRedrawRect and calls
// DoDrawImage from its own paint code. The field's data is the path of the
// image file; the picture is loaded again only when the path or the file's
// size or time on disk changes.
class AFX_EXT_CLASS ControlMgrPhoto : public ControlMgr
{
// Construction
public:
	ControlMgrPhoto();
	// Copy the data property id and the rectangles; the copy has no windows
	// and no picture.
	ControlMgrPhoto(const ControlMgrPhoto& other);
	ControlMgrPhoto& operator=(const ControlMgrPhoto& other);
	virtual ~ControlMgrPhoto();

// Attributes
public:
	// Equal when both rectangles are.
	bool operator==(const ControlMgrPhoto& other) const;
	bool operator<(const ControlMgrPhoto& other) const;

// Operations
public:
	// The folder where the picture may keep a private copy of its file.
	void SetTempDir(const CString& dir);

// Overridables
public:
	// Creates the label only (one control id); pPrevCtrl becomes the label.
	virtual void DoCreate(int dataPropID, unsigned int& nextCtrlID, const CString& name, CWnd* pParent,
		bool inTabPage, CWnd*& pPrevCtrl) override;
	virtual void UpdateName(const CString& name, bool redraw) override;
	virtual void SetLabelFont(const FontDef& def) override;
	virtual void SetRect(const CRect& rect) override;
	virtual void GetRect(CRect& rect) const override;
	// The image rectangle.
	virtual void GetRedrawRect(CRect& rect) const override;
	virtual void DoMoveWindow() override;
	// Shows the image file at path; a path that is empty, of a type the
	// picture cannot show or not on disk clears it. Does not repaint.
	virtual void ShowData(const CString& path) override;
	// The path of the file shown; empty when none.
	virtual CString GetData() const override;
	virtual unsigned int GetWidth() const override;
	virtual unsigned int GetHeight() const override;
	virtual void DoDrawImage(Gdiplus::Graphics& g, const Gdiplus::RectF& rect) override;
	// Enables or disables the label, repainting it, when its state differs.
	virtual void DoEnable(bool enable) override;

// Implementation
protected:
	unsigned __int64 m_nFileSize; // of the file last loaded
	DateTime m_fileTime;          // last-modified time of that file
	CRect m_rectLabel;
	CRect m_rectImage;
	CTransparentStatic m_label;
	ImageWrapper m_image;
};
