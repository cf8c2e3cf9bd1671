// Messages.cpp - the library's registered window messages, registered while the library loads.
#include "Frame.h"

const UINT g_nMsgClipboardContentChanged = ::RegisterWindowMessageA(KAVRO_MSGNAME_CLIPBOARDCONTENT_CHANGED);
const UINT g_nMsgGetClipboardContent = ::RegisterWindowMessageA(KAVRO_MSGNAME_GET_CLIPBOARD_CONTENT);
const UINT g_nMsgColorPickerSelChange = ::RegisterWindowMessageA(KAVRO_MSGNAME_CPN_SELCHANGE);
const UINT g_nMsgDirTreeSelChanged = ::RegisterWindowMessageA(KAVRO_MSGNAME_DIR_TREE_SELCHANGED);
const UINT g_nMsgDirTreeExpand = ::RegisterWindowMessageA(KAVRO_MSGNAME_DIR_TREE_EXPAND);
const UINT g_nMsgDirTreeKeyEnter = ::RegisterWindowMessageA(KAVRO_MSGNAME_DIR_TREE_KEY_ENTER);
const UINT g_nMsgDirTreeKeyEscape = ::RegisterWindowMessageA(KAVRO_MSGNAME_DIR_TREE_KEY_ESCAPE);
