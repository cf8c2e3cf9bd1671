// objcore.cpp - CObject, CRuntimeClass, the process-wide class list and the exception classes.

#include "afx.h"

#include <stdlib.h>
#include <string.h>

/////////////////////////////////////////////////////////////////////////////
// Class list
//
// Every IMPLEMENT_DYNAMIC leaves a static AFX_CLASSINIT in its module; the
// nodes link themselves into one list shared by the application, this DLL and
// the extension DLLs, and unlink themselves when their module unloads.

namespace
{

SRWLOCK g_classLock = SRWLOCK_INIT;
AFX_CLASSINIT* g_pFirstClassInit = NULL;

} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass)
	: m_pClass(pNewClass)
	, m_pNext(NULL)
{
	AcquireSRWLockExclusive(&g_classLock);
	m_pNext = g_pFirstClassInit;
	g_pFirstClassInit = this;
	ReleaseSRWLockExclusive(&g_classLock);
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
	AcquireSRWLockExclusive(&g_classLock);
	for (AFX_CLASSINIT** pp = &g_pFirstClassInit; *pp != NULL; pp = &(*pp)->m_pNext)
	{
		if (*pp == this)
		{
			*pp = m_pNext;
			break;
		}
	}
	ReleaseSRWLockExclusive(&g_classLock);
}

// Used by the extension-module support to report the first class a module
// registered.
CRuntimeClass* AfxFirstClassOfModule(HMODULE hModule)
{
	CRuntimeClass* pFound = NULL;
	AcquireSRWLockShared(&g_classLock);
	for (AFX_CLASSINIT* p = g_pFirstClassInit; p != NULL && pFound == NULL; p = p->m_pNext)
	{
		HMODULE hOwner = NULL;
		if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
								   GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
				reinterpret_cast<LPCSTR>(p->m_pClass), &hOwner) &&
			hOwner == hModule)
			pFound = const_cast<CRuntimeClass*>(p->m_pClass);
	}
	ReleaseSRWLockShared(&g_classLock);
	return pFound;
}

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass

CObject* CRuntimeClass::CreateObject()
{
	if (m_pfnCreateObject == NULL)
		return NULL;
	try
	{
		return (*m_pfnCreateObject)();
	}
	catch (...)
	{
		return NULL;
	}
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
	if (pBaseClass == NULL)
		return FALSE;
	for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->GetBaseClass())
	{
		if (pClass == pBaseClass)
			return TRUE;
	}
	return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
	if (lpszClassName == NULL || *lpszClassName == '\0')
		return NULL;
	CRuntimeClass* pFound = NULL;
	AcquireSRWLockShared(&g_classLock);
	for (AFX_CLASSINIT* p = g_pFirstClassInit; p != NULL; p = p->m_pNext)
	{
		if (strcmp(p->m_pClass->m_lpszClassName, lpszClassName) == 0)
		{
			pFound = const_cast<CRuntimeClass*>(p->m_pClass);
			break;
		}
	}
	ReleaseSRWLockShared(&g_classLock);
	return pFound;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
	CRuntimeClass* pClass = FromName(lpszClassName);
	return pClass != NULL ? pClass->CreateObject() : NULL;
}

CObject* AFX_CDECL AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
	if (pObject != NULL && pObject->IsKindOf(pClass))
		return pObject;
	return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CObject

const CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, NULL,
	&CObject::_GetBaseClass };
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

CRuntimeClass* PASCAL CObject::GetThisClass()
{
	return _RUNTIME_CLASS(CObject);
}

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
	return NULL;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
	return _RUNTIME_CLASS(CObject);
}

CObject::CObject()
{
}

CObject::~CObject()
{
}

void* PASCAL CObject::operator new(size_t nSize) noexcept
{
	return malloc(nSize != 0 ? nSize : 1);
}

void PASCAL CObject::operator delete(void* p) noexcept
{
	free(p);
}

BOOL CObject::IsSerializable() const
{
	return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
	return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::AssertValid() const
{
}

/////////////////////////////////////////////////////////////////////////////
// Exceptions

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)

CException::CException()
	: m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete)
	: m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
	if (m_bAutoDelete)
		delete this;
}

static BOOL CopyErrorMessage(LPCSTR lpszText, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
	if (pnHelpContext != NULL)
		*pnHelpContext = 0;
	if (lpszError == NULL || nMaxError == 0)
		return FALSE;
	lstrcpynA(lpszError, lpszText, static_cast<int>(nMaxError));
	return TRUE;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
	if (pnHelpContext != NULL)
		*pnHelpContext = 0;
	if (lpszError != NULL && nMaxError != 0)
		*lpszError = '\0';
	return FALSE;
}

CMemoryException::CMemoryException()
	: CException(FALSE)
{
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
	return CopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

CResourceException::CResourceException()
	: CException(FALSE)
{
}

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
	return CopyErrorMessage("A required resource was unavailable.", lpszError, nMaxError, pnHelpContext);
}
