// afxver_.h - build symbols, calling conventions and export macros; included first by every header.
#pragma once

#ifndef _WINDOWS_
#include <windows.h>
#endif

// The framework is one DLL (kavroafx.dll) shared by the application and every
// extension module, so there is one handle map and one module state per process.
#ifndef _AFXDLL
#define _AFXDLL
#endif

#ifdef KAVROAFX_BUILD
#define AFX_CORE_API __declspec(dllexport)
#else
#define AFX_CORE_API __declspec(dllimport)
#endif
// Framework classes and data are exported from kavroafx.dll.
#define AFX_CORE_DATA AFX_CORE_API

// Extension DLLs define _AFXEXT while they build; their clients import.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef afx_msg
#define afx_msg
#endif
