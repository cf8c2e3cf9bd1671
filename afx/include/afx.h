// afx.h - core object model: run-time class information, dynamic creation, exceptions, diagnostics.
//
// Classes in this file:
//   CRuntimeClass, AFX_CLASSINIT, CObject, CException, CMemoryException, CResourceException
#pragma once

#include "afxver_.h"

#include <stddef.h>
#include <tchar.h>

#include "afxstr.h"
#include "atltypes.h"

#ifndef PASCAL
#define PASCAL __stdcall
#endif

class CObject;
struct CRuntimeClass;

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass - one object per class declared with DECLARE_DYNAMIC and
// friends. The object is data of the module that implements the class, so its
// address is the identity of the class in every module of the process.

struct AFX_CORE_API CRuntimeClass
{
// Attributes
	LPCSTR m_lpszClassName;
	int m_nObjectSize;
	UINT m_wSchema;
	CObject*(PASCAL* m_pfnCreateObject)();
	// Resolved through a function so that a class in one module can name a
	// base class that lives in another (an address of imported data is not a
	// link-time constant).
	CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();

// Operations
	CObject* CreateObject();
	BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

	static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
	static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

// Implementation
	CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass != NULL ? (*m_pfnGetBaseClass)() : NULL; }
};

// Registers a class with the process-wide class list so that FromName finds
// it. One static object per class, made by IMPLEMENT_DYNAMIC; the object is
// the list node, which keeps the CRuntimeClass itself read-only.
struct AFX_CORE_API AFX_CLASSINIT
{
	explicit AFX_CLASSINIT(const CRuntimeClass* pNewClass);
	~AFX_CLASSINIT();

	const CRuntimeClass* m_pClass;
	AFX_CLASSINIT* m_pNext;
};

/////////////////////////////////////////////////////////////////////////////
// Declaration and implementation macros

#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name) \
protected: \
	static CRuntimeClass* PASCAL _GetBaseClass(); \
public: \
	static const CRuntimeClass class##class_name; \
	static CRuntimeClass* PASCAL GetThisClass(); \
	virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
	DECLARE_DYNAMIC(class_name) \
	static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
	CRuntimeClass* PASCAL class_name::_GetBaseClass() \
	{ \
		return RUNTIME_CLASS(base_class_name); \
	} \
	const CRuntimeClass class_name::class##class_name = { #class_name, sizeof(class class_name), wSchema, \
		pfnNew, &class_name::_GetBaseClass }; \
	CRuntimeClass* PASCAL class_name::GetThisClass() \
	{ \
		return _RUNTIME_CLASS(class_name); \
	} \
	CRuntimeClass* class_name::GetRuntimeClass() const \
	{ \
		return _RUNTIME_CLASS(class_name); \
	} \
	static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
	IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
	CObject* PASCAL class_name::CreateObject() \
	{ \
		return new class_name; \
	} \
	IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

// Checked down-cast: NULL unless the object is of the class or derived from it.
AFX_CORE_API CObject* AFX_CDECL AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
	((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (CObject*)(object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

/////////////////////////////////////////////////////////////////////////////
// CObject - root of the framework's class hierarchy

class AFX_CORE_API CObject
{
public:
	// Object model
	virtual CRuntimeClass* GetRuntimeClass() const;
	virtual ~CObject();

	// Allocation goes through the framework DLL so that an object made in one
	// module may be deleted in another. Out of memory, new gives NULL rather
	// than an exception, which could not cross the DLL boundary.
	void* PASCAL operator new(size_t nSize) noexcept;
	void* PASCAL operator new(size_t, void* p) noexcept { return p; }
	void PASCAL operator delete(void* p) noexcept;
	void PASCAL operator delete(void*, void*) noexcept {}

protected:
// Construction
	CObject();

private:
	CObject(const CObject&) = delete;
	CObject& operator=(const CObject&) = delete;

public:
// Attributes
	BOOL IsSerializable() const;
	BOOL IsKindOf(const CRuntimeClass* pClass) const;

// Overridables
	virtual void AssertValid() const;

// Implementation
public:
	static const CRuntimeClass classCObject;
	static CRuntimeClass* PASCAL GetThisClass();
	static CRuntimeClass* PASCAL _GetBaseClass();
};

// Written in place of new (#define new DEBUG_NEW) so that debug builds of
// MFC record where each object was allocated. The framework keeps no such
// records, so it is new itself.
#ifndef DEBUG_NEW
#define DEBUG_NEW new
#endif

/////////////////////////////////////////////////////////////////////////////
// Exceptions. The framework itself never lets one leave a DLL; the classes
// exist for code that is written against them.

class AFX_CORE_API CException : public CObject
{
	DECLARE_DYNAMIC(CException)

public:
// Construction
	CException();
	explicit CException(BOOL bAutoDelete);
	virtual ~CException();

// Operations
	void Delete();
	virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

// Implementation
public:
	BOOL m_bAutoDelete;
};

class AFX_CORE_API CMemoryException : public CException
{
	DECLARE_DYNAMIC(CMemoryException)

public:
	CMemoryException();
	virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class AFX_CORE_API CResourceException : public CException
{
	DECLARE_DYNAMIC(CResourceException)

public:
	CResourceException();
	virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

/////////////////////////////////////////////////////////////////////////////
// Diagnostics
//
// With _DEBUG, ASSERT(f) reports a false f as "assertion failed in file
// <name> in line <num>" and breaks into the debugger when one is attached.
// With no debugger a breakpoint would end the process, so execution goes on
// into the code that follows, which must then take the failure path it takes
// in a release build. VERIFY(f) evaluates f in every build and checks it as
// ASSERT does. Without _DEBUG, ASSERT compiles to nothing.

// Reports the failed assertion; TRUE when the caller should break.
AFX_CORE_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
#define AfxDebugBreak() ::DebugBreak()

// Not part of MFC: a function that takes every failed assertion of the
// process before it is reported, as a test harness does to fail the running
// test. It returns TRUE when it has dealt with the failure, which is then
// neither reported nor broken on. Returns the previous hook; NULL removes it.
typedef BOOL(AFXAPI* AFX_ASSERT_HOOK)(LPCSTR lpszFileName, int nLine);
AFX_CORE_API AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook);

#ifndef THIS_FILE
#define THIS_FILE __FILE__
#endif

#ifdef _DEBUG
#define ASSERT(f) ((void)((f) || !::AfxAssertFailedLine(THIS_FILE, __LINE__) || (AfxDebugBreak(), 0)))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(pOb) ((void)0)
#endif
#ifndef ASSERT_KINDOF
#define ASSERT_KINDOF(class_name, object) ((void)0)
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#ifndef UNUSED_ALWAYS
#define UNUSED_ALWAYS(x) ((void)(x))
#endif
#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif
