// GalleryPage.h - a page of the gallery: a child dialog with a gradient of its own behind its controls.
//
// Classes in this file:
//   CGalleryPage
#pragma once

#include <afxwin.h>

class CGalleryPage : public CDialog
{
// Construction
public:
	CGalleryPage(UINT nIDTemplate, LPCTSTR lpszTitle);

// Attributes
public:
	const CString& GetTitle() const { return m_strTitle; }
	UINT GetTemplateID() const { return m_nIDTemplate; }

// Implementation
protected:
	// The page's font in a face with glyphs of Japanese, Greek, Cyrillic and
	// characters outside the BMP, made at the first call.
	CFont* GetScriptsFont();

	// Enter and Esc inside a page belong to the gallery window, not the page.
	virtual void OnOK() override {}
	virtual void OnCancel() override {}

	UINT m_nIDTemplate;
	CString m_strTitle;
	CFont m_fontScripts;

// Message handlers
protected:
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	DECLARE_MESSAGE_MAP()
};
