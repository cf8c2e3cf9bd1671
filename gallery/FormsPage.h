// FormsPage.h - the gallery page of a run-time form of field managers and of the clipboard viewer.
//
// Classes in this file:
//   CFormsPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/ClipboardViewer.h>
#include <kavro/ControlMgrEdit.h>
#include <kavro/ControlMgrPhoto.h>
#include <kavro/TransparentStatic.h>

class CFormsPage : public CGalleryPage
{
// Construction
public:
	CFormsPage();
	virtual ~CFormsPage();
	enum
	{
		IDD = IDD_PAGE_FORMS
	};

// Overridables
public:
	// Alt held down anywhere on the page shows the fields' access keys.
	virtual BOOL PreTranslateMessage(MSG* pMsg) override;

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;

	// Builds the form's fields after the page's title in the tab order, each
	// at its place given in dialog units.
	void CreateForm();
	// Writes the sample picture to the gallery's temporary folder; its path,
	// empty when it could not be written.
	CString WriteSamplePicture() const;
	// Prints one field into a new enhanced metafile of a letter page, pages
	// nFrom to nTo (0: to the end); nPages receives the pages printed. The
	// caller deletes the metafile.
	HENHMETAFILE PrintField(ControlMgr& field, UINT nFrom, UINT nTo, UINT& nPages);
	// A picture of size pixels for the thumbnail: the page, fitted in with
	// its shape kept, on grey; NULL when it cannot be made. The caller
	// deletes it.
	static HBITMAP MakeThumbnail(HENHMETAFILE hPage, CSize size);
	void SetStatus(const CString& strText);
	// The gallery's folder under the temporary folder, made when missing.
	static CString GetWorkDir();

	enum
	{
		CaptionCount = 2,
		EditCount = 3
	};
	CTransparentStatic m_captions[CaptionCount];
	CTransparentStatic m_title;
	CTransparentStatic m_status;
	CTransparentStatic m_clipKind;
	CTransparentStatic m_clipFlags;
	CTransparentStatic m_clipEffect;
	CListBox m_clipLines;
	CStatic m_thumbnail;
	ControlMgrEdit m_edits[EditCount]; // name, address, notes
	ControlMgrPhoto m_photo;
	CClipboardViewer m_viewer;

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg void OnDestroy();
	afx_msg void OnLoad();
	afx_msg void OnSave();
	afx_msg void OnPrint();
	// Shows what the viewer found at its last reading of the clipboard.
	afx_msg LRESULT OnClipboardChanged(WPARAM wParam, LPARAM lParam);
	DECLARE_MESSAGE_MAP()
};
