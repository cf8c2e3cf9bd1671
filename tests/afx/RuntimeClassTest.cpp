// RuntimeClassTest.cpp - run-time classes across modules; an extension DLL in the class list and chain.
//
// Classes in this file:
//   CCreatable, CMyDialog, ExtensionDllTest

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include "ext/ExtModule.h"
#include "resource.h"

namespace
{

class CCreatable : public CObject
{
	DECLARE_DYNCREATE(CCreatable)
public:
	int m_nValue = 17;
};

IMPLEMENT_DYNCREATE(CCreatable, CObject)

class CMyDialog : public CDialog
{
	DECLARE_DYNAMIC(CMyDialog)
};

IMPLEMENT_DYNAMIC(CMyDialog, CDialog)

TEST(RuntimeClass, HierarchyIdentityAndDynamicCreation)
{
	// One record per class: what this module names and what the framework
	// finds by name are the same object.
	EXPECT_EQ(RUNTIME_CLASS(CDialog), CRuntimeClass::FromName("CDialog"));
	EXPECT_STREQ("CDialog", RUNTIME_CLASS(CDialog)->m_lpszClassName);

	CMyDialog dlg;
	EXPECT_EQ(RUNTIME_CLASS(CMyDialog), dlg.GetRuntimeClass());
	EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CDialog)));
	EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CObject)));
	EXPECT_FALSE(dlg.IsKindOf(RUNTIME_CLASS(CButton)));
	EXPECT_FALSE(dlg.IsKindOf(NULL));
	EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CButton)));
	CWnd* pWnd = &dlg;
	EXPECT_EQ(&dlg, DYNAMIC_DOWNCAST(CDialog, pWnd));
	EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CButton, pWnd));
	EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CButton, static_cast<CWnd*>(NULL)));

	CObject* pObject = RUNTIME_CLASS(CCreatable)->CreateObject();
	ASSERT_NE(nullptr, pObject);
	EXPECT_EQ(17, static_cast<CCreatable*>(pObject)->m_nValue);
	delete pObject;
	pObject = CRuntimeClass::CreateObject("CWnd");
	ASSERT_NE(nullptr, pObject);
	EXPECT_EQ(RUNTIME_CLASS(CWnd), pObject->GetRuntimeClass());
	delete pObject;

	// Not dynamically creatable, or unknown.
	EXPECT_EQ(nullptr, RUNTIME_CLASS(CDialog)->CreateObject());
	EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("NoSuchClass"));
	EXPECT_EQ(nullptr, CRuntimeClass::FromName(NULL));
}

/////////////////////////////////////////////////////////////////////////////
// The test extension DLL

class ExtensionDllTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_EQ(nullptr, CRuntimeClass::FromName("CExtWidget"));
		m_hDll = ::LoadLibraryA("afx_testext.dll");
		ASSERT_NE(nullptr, m_hDll);
	}

	virtual void TearDown() override
	{
		if (m_hDll != NULL)
			::FreeLibrary(m_hDll);
	}

	template <class T>
	T Proc(const char* pszName)
	{
		// Through void (*)(), the one function type every other converts to
		// without a warning.
		return reinterpret_cast<T>(reinterpret_cast<void (*)()>(::GetProcAddress(m_hDll, pszName)));
	}

	static HINSTANCE FindString(UINT nID)
	{
		return AfxFindResourceHandle(MAKEINTRESOURCEA(nID / 16 + 1), RT_STRING);
	}

	HMODULE m_hDll = NULL;
};

TEST_F(ExtensionDllTest, DllSharesTheClassListAndTheModuleState)
{
	CRuntimeClass* pClass = CRuntimeClass::FromName("CExtWidget");
	ASSERT_NE(nullptr, pClass);
	EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
	// The module record captured it while the DLL loaded.
	EXPECT_EQ(pClass, Proc<PFN_EXTCLASS>("ExtFirstSharedClass")());

	// The DLL sees the framework's classes, and the application, as this
	// module does.
	CMyDialog dlg;
	CWnd wnd;
	EXPECT_EQ(RUNTIME_CLASS(CDialog), Proc<PFN_EXTCLASS>("ExtDialogClass")());
	EXPECT_TRUE(Proc<PFN_EXTISDIALOG>("ExtIsDialog")(&dlg));
	EXPECT_FALSE(Proc<PFN_EXTISDIALOG>("ExtIsDialog")(&wnd));
	HINSTANCE hExe = ::GetModuleHandleA(NULL);
	EXPECT_EQ(hExe, Proc<PFN_EXTHANDLE>("ExtInstanceHandle")());
	EXPECT_EQ(hExe, Proc<PFN_EXTHANDLE>("ExtModuleStateInstance")());

	// Unloading takes its classes out of the list.
	::FreeLibrary(m_hDll);
	m_hDll = NULL;
	EXPECT_EQ(nullptr, CRuntimeClass::FromName("CExtWidget"));
}

TEST_F(ExtensionDllTest, ResourceChainSearchesTheApplicationFirstThenTheDll)
{
	HINSTANCE hExe = ::GetModuleHandleA(NULL);
	EXPECT_EQ(hExe, FindString(IDS_SHARED));
	EXPECT_EQ(m_hDll, FindString(IDS_EXT_BLOCK));
	EXPECT_EQ(m_hDll, AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_EXT_MENU), RT_MENU));
	EXPECT_EQ(m_hDll, AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_EXT_DIALOG), RT_DIALOG));

	// Strings are looked up one by one: the executable holds the block of
	// IDS_EXT_ONLY but not the string.
	EXPECT_EQ(hExe, FindString(IDS_EXT_ONLY));
	EXPECT_EQ(m_hDll, AfxFindStringResourceHandle(IDS_EXT_ONLY));
	EXPECT_EQ(hExe, AfxFindStringResourceHandle(IDS_SHARED));
	EXPECT_EQ(nullptr, AfxFindStringResourceHandle(IDS_SHARED + 1000));

	// The framework's own loads go through the chain.
	CString str;
	EXPECT_TRUE(str.LoadString(IDS_SHARED));
	EXPECT_EQ(CString("shared from the executable"), str);
	// The executable holds other strings of this block, not this one.
	EXPECT_TRUE(str.LoadString(IDS_EXT_ONLY));
	EXPECT_EQ(CString("only in the extension"), str);
	CMenu menu;
	EXPECT_TRUE(menu.LoadMenu(IDR_EXT_MENU));
	kt::HostWindow host;
	CDialog dlg;
	EXPECT_TRUE(dlg.Create(IDD_EXT_DIALOG, &host));
	dlg.DestroyWindow();

	// With the DLL as the current resource module it comes first.
	AfxSetResourceHandle(m_hDll);
	EXPECT_EQ(m_hDll, FindString(IDS_SHARED));
	AfxSetResourceHandle(hExe);

	// Unloaded: out of the chain.
	::FreeLibrary(m_hDll);
	m_hDll = NULL;
	EXPECT_EQ(hExe, FindString(IDS_EXT_BLOCK));
	EXPECT_EQ(nullptr, AfxFindStringResourceHandle(IDS_EXT_ONLY));
	EXPECT_FALSE(str.LoadString(IDS_EXT_BLOCK));
}

} // namespace
