// Frame.h - services the controls share inside kavro.dll; not part of the public headers.
#pragma once

#include <afxwin.h>

#include <vector>

/////////////////////////////////////////////////////////////////////////////
// Registered window messages. The names are registered while the library
// loads; the value of a name is the same in every module of the process and
// differs from run to run, so owners compare against these values only.

#define KAVRO_MSGNAME_CLIPBOARDCONTENT_CHANGED "B4B80504-E99F-48E4-8346-A96E8E82DA53"
#define KAVRO_MSGNAME_GET_CLIPBOARD_CONTENT "B7FCA8FF-D7C9-4B7D-ADA8-F48F48268E3E"
#define KAVRO_MSGNAME_CPN_SELCHANGE "B955FA7E-7720-45c8-8221-C73AD556AFBC"
#define KAVRO_MSGNAME_DIR_TREE_SELCHANGED "1AA3C8BC-D761-483c-94D3-2A660043803A"
#define KAVRO_MSGNAME_DIR_TREE_EXPAND "939732F0-52C0-4f1c-B61A-3D7C0E829177"
#define KAVRO_MSGNAME_DIR_TREE_KEY_ENTER "C1110AB9-6347-48ae-8062-805B04392E40"
#define KAVRO_MSGNAME_DIR_TREE_KEY_ESCAPE "4CFB01F2-2743-4a09-A71C-72A818C8F3A4"

// The values, until the classes that publish them as their static members
// exist; each class then takes over its own.
extern AFX_EXT_DATA const UINT g_nMsgClipboardContentChanged;
extern AFX_EXT_DATA const UINT g_nMsgGetClipboardContent;
extern AFX_EXT_DATA const UINT g_nMsgColorPickerSelChange;
extern AFX_EXT_DATA const UINT g_nMsgDirTreeSelChanged;
extern AFX_EXT_DATA const UINT g_nMsgDirTreeExpand;
extern AFX_EXT_DATA const UINT g_nMsgDirTreeKeyEnter;
extern AFX_EXT_DATA const UINT g_nMsgDirTreeKeyEscape;

/////////////////////////////////////////////////////////////////////////////
// Failure log. A failure worth recording is one line in the application's
// log: a fixed identifier, and for one failure the system's error text
// directly after it.

#define KAVRO_LOG_3DTEXT_CREATE "{313B83F6-A402-4327-977B-F35D59EB079F}"
#define KAVRO_LOG_CLIPVIEWER_NOT_CREATED "{03D2250A-FF16-4F86-B298-B646529D2675}"
#define KAVRO_LOG_CLIPVIEWER_NOT_A_WINDOW "{EBD64AE2-36AF-49A4-A7E6-6A3C6D6B36EA}"
#define KAVRO_LOG_CLIPVIEWER_LISTENER "{3478FCD3-F648-4812-85BC-52486E0DEB14}"
#define KAVRO_LOG_DIRTREE_FONT_ATTACH "{EB7857BD-1068-485C-BBE6-4C9D7D19AF1D}"
#define KAVRO_LOG_DIRTREE_FONT_EXCEPTION "{925C3629-60D5-48F4-A7DE-9BBFB067060F}"
#define KAVRO_LOG_TRANSICON_LOAD "{0C566E29-14D0-4AC3-AB1D-D5A4AAE6E729}"
#define KAVRO_LOG_ICONBUTTON_CREATE "{B5C393F0-F75E-42FE-B6E0-5C5236B17FAB}"
#define KAVRO_LOG_ICONBUTTON_LOAD "{5CDE9578-C5E8-42FB-B994-9A020EE1D6C0}"
#define KAVRO_LOG_PROGRESS_CREATE "{6242E398-A900-4B96-8A42-9B1C52A7AD2E}"
#define KAVRO_LOG_PROGRESS_STEP_AT_END "{4A330902-8DBA-4100-87B3-00B1A292F9C6}"
#define KAVRO_LOG_BUTTON_NO_DC "{7CA99F6B-92C5-47C8-AF0E-1708B01BE9AC}"
#define KAVRO_LOG_BUTTON_LOAD "{77D10854-922E-43E7-955A-5747E61C10E4}"

// Writes one line to the application's log, when it has one: the identifier,
// followed by the text of the last system error when bWithSystemError is set.
AFX_EXT_API void AFXAPI ReportFailure(LPCSTR lpszLogId, bool bWithSystemError = false);

/////////////////////////////////////////////////////////////////////////////
// Shared string constants, one copy per source module.

// Its extent gives the height of one line of text in the current font.
static const char* const kSampleText = "gM";
// The face name that stands for the default face.
static const char* const kDefaultFace = "";

/////////////////////////////////////////////////////////////////////////////
// Enciphered fixed texts, deciphered at the moment of use with
// StringUtils::DecryptText.

#include "FixedTexts.h"
