// Messages.cpp - the library's registered window messages, registered while the library loads.
#include "Frame.h"

#include <kavro/ClipboardViewer.h>
#include <kavro/ColorPicker.h>
#include <kavro/DirTreeCtrl.h>

const UINT CClipboardViewer::MSG_CLIPBOARDCONTENT_CHANGED =
	::RegisterWindowMessageA("B4B80504-E99F-48E4-8346-A96E8E82DA53");
const UINT MSG_GET_CLIPBOARD_CONTENT = ::RegisterWindowMessageA("B7FCA8FF-D7C9-4B7D-ADA8-F48F48268E3E");
const UINT CColorPicker::CPN_SELCHANGE = ::RegisterWindowMessageA("B955FA7E-7720-45c8-8221-C73AD556AFBC");
const UINT CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED =
	::RegisterWindowMessageA("1AA3C8BC-D761-483c-94D3-2A660043803A");
const UINT CDirTreeCtrl::MSG_DIR_TREE_EXPAND =
	::RegisterWindowMessageA("939732F0-52C0-4f1c-B61A-3D7C0E829177");
const UINT CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER =
	::RegisterWindowMessageA("C1110AB9-6347-48ae-8062-805B04392E40");
const UINT CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE =
	::RegisterWindowMessageA("4CFB01F2-2743-4a09-A71C-72A818C8F3A4");
