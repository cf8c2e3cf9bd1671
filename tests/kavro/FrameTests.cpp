// FrameTests.cpp - the library frame: messages, failure log, resources, resource chain, fixed texts.
//
// Classes in this file:
//   WindowDpiOverride
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include "Frame.h"

#include <kavro/ClipboardViewer.h>
#include <kavro/ColorPicker.h>
#include <kavro/DirTreeCtrl.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace
{

// The frame's services are linked into this program from the library's
// objects, so nothing here calls into kavro.dll: it is loaded the way an
// application that loads the library on demand would, and stays loaded.
HMODULE KavroModule()
{
	static const HMODULE hModule = ::LoadLibraryA("kavro.dll");
	return hModule;
}

std::string ResourceText(HMODULE hModule, LPCSTR name, LPCSTR type)
{
	HRSRC hRes = ::FindResourceA(hModule, name, type);
	if (hRes == NULL)
		return std::string();
	HGLOBAL hData = ::LoadResource(hModule, hRes);
	const char* p = static_cast<const char*>(::LockResource(hData));
	return p ? std::string(p, ::SizeofResource(hModule, hRes)) : std::string();
}

} // namespace

TEST(RegisteredMessages, SameNameGivesSameValueInEveryModule)
{
	const struct
	{
		UINT value;
		const char* name;
	} messages[] = {
		{ CClipboardViewer::MSG_CLIPBOARDCONTENT_CHANGED, "B4B80504-E99F-48E4-8346-A96E8E82DA53" },
		{ MSG_GET_CLIPBOARD_CONTENT, "B7FCA8FF-D7C9-4B7D-ADA8-F48F48268E3E" },
		{ CColorPicker::CPN_SELCHANGE, "B955FA7E-7720-45c8-8221-C73AD556AFBC" },
		{ CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED, "1AA3C8BC-D761-483c-94D3-2A660043803A" },
		{ CDirTreeCtrl::MSG_DIR_TREE_EXPAND, "939732F0-52C0-4f1c-B61A-3D7C0E829177" },
		{ CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER, "C1110AB9-6347-48ae-8062-805B04392E40" },
		{ CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE, "4CFB01F2-2743-4a09-A71C-72A818C8F3A4" },
	};
	std::set<UINT> seen;
	for (const auto& m : messages)
	{
		// Registered messages live in 0xC000..0xFFFF; this module registering
		// the same name must get the library's value.
		EXPECT_GE(m.value, 0xC000u) << m.name;
		EXPECT_LE(m.value, 0xFFFFu) << m.name;
		EXPECT_EQ(m.value, ::RegisterWindowMessageA(m.name)) << m.name;
		seen.insert(m.value);
	}
	EXPECT_EQ(seen.size(), 7u);
}

TEST(FailureLog, WritesTheIdentifierAndTheSystemErrorTextToTheApplicationLogOnly)
{
	kt::CapturingLogger log;
	ReportFailure(kLogButtonNoDC);
	ReportFailure(kLogProgressStepAtEnd);
	::SetLastError(ERROR_FILE_NOT_FOUND);
	ReportFailure(kLogClipViewerListener, true);
	ReportFailure(NULL);
	// The error text follows the identifier without a separator.
	EXPECT_EQ(log.Lines(), (std::vector<std::string>{ "{7CA99F6B-92C5-47C8-AF0E-1708B01BE9AC}",
							   "{4A330902-8DBA-4100-87B3-00B1A292F9C6}",
							   "{3478FCD3-F648-4812-85BC-52486E0DEB14}" +
								   std::string(SystemUtils::GetLastError(ERROR_FILE_NOT_FOUND)) }));

	// The application has no logger: the library must not find this one.
	AppLogger::m_pInstance = NULL;
	ReportFailure(kLog3DTextCreate);
	ReportFailure(kLogClipViewerListener, true);
	EXPECT_EQ(log.Lines().size(), 3u);
}

TEST(Resources, FourteenIconsOf16x16WithAlpha)
{
	HMODULE hKavro = KavroModule();
	ASSERT_NE(hKavro, (HMODULE)NULL);
	for (int id = 1470; id <= 1483; ++id)
	{
		SCOPED_TRACE(id);
		// The group holds exactly one 16 x 16 image of 32 bits.
		std::string group = ResourceText(hKavro, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
		ASSERT_GE(group.size(), 6u + 14u);
		const BYTE* g = reinterpret_cast<const BYTE*>(group.data());
		EXPECT_EQ(g[4] | (g[5] << 8), 1);
		EXPECT_EQ(g[6], 16);
		EXPECT_EQ(g[7], 16);
		EXPECT_EQ(g[6 + 6] | (g[6 + 7] << 8), 32);

		HICON hIcon = static_cast<HICON>(::LoadImageA(hKavro, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
		ASSERT_NE(hIcon, (HICON)NULL);
		ICONINFO ii = {};
		ASSERT_TRUE(::GetIconInfo(hIcon, &ii));

		// Real alpha: transparent pixels around the picture, opaque ones in it.
		BITMAPINFO bmi = {};
		bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
		bmi.bmiHeader.biWidth = 16;
		bmi.bmiHeader.biHeight = -16;
		bmi.bmiHeader.biPlanes = 1;
		bmi.bmiHeader.biBitCount = 32;
		DWORD pixels[256] = {};
		HDC hdc = ::GetDC(NULL);
		::GetDIBits(hdc, ii.hbmColor, 0, 16, pixels, &bmi, DIB_RGB_COLORS);
		::ReleaseDC(NULL, hdc);
		int transparent = 0, opaque = 0;
		for (DWORD px : pixels)
		{
			transparent += (px >> 24) == 0;
			opaque += (px >> 24) == 255;
		}
		EXPECT_GT(transparent, 0);
		EXPECT_GT(opaque, 30);
		::DeleteObject(ii.hbmColor);
		::DeleteObject(ii.hbmMask);
		::DestroyIcon(hIcon);
	}
}

TEST(Resources, IconsAreFoundThroughTheApplicationsResourceChain)
{
	// The test program has no icon 1477: the chain must lead to kavro.dll.
	EXPECT_EQ(::FindResourceA(NULL, MAKEINTRESOURCEA(1477), RT_GROUP_ICON), (HRSRC)NULL);
	EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(1477), RT_GROUP_ICON), KavroModule());
}

TEST(Resources, VersionBlockAndManifest)
{
	char path[MAX_PATH];
	ASSERT_GT(::GetModuleFileNameA(KavroModule(), path, MAX_PATH), 0u);
	DWORD handle = 0;
	DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
	ASSERT_GT(size, 0u);
	std::vector<BYTE> block(size);
	ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, block.data()));
	VS_FIXEDFILEINFO* info = NULL;
	UINT len = 0;
	ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &len));
	EXPECT_EQ(info->dwFileVersionMS, MAKELONG(19, 3));
	EXPECT_EQ(info->dwFileVersionLS, MAKELONG(0, 2021));
	EXPECT_EQ(info->dwProductVersionMS, MAKELONG(19, 3));
	EXPECT_EQ(info->dwProductVersionLS, MAKELONG(0, 2021));

	std::string manifest = ResourceText(KavroModule(), MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(24));
	EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
	EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
	EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
}

TEST(FixedTexts, DecipherToTextsThatTheBinaryDoesNotHoldInPlain)
{
	const std::vector<int>* texts[] = {
		&kTextCtrlWindow,
		&kTextProgressWindow,
		&kTextTimeLeftSuffix,
		&kTextMenuUndo,
		&kTextMenuCut,
		&kTextMenuCopy,
		&kTextMenuPaste,
		&kTextMenuDelete,
		&kTextMenuSelectAll,
	};
	char path[MAX_PATH];
	ASSERT_GT(::GetModuleFileNameA(KavroModule(), path, MAX_PATH), 0u);
	std::ifstream file(path, std::ios::binary);
	const std::string fileImage((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
	ASSERT_GT(fileImage.size(), 10000u);
	// Only the sections the loader keeps: the debug information spells out
	// symbol names, where a short text such as "&Copy" turns up by chance.
	std::string image;
	const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(fileImage.data());
	const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(fileImage.data() + pDos->e_lfanew);
	const IMAGE_SECTION_HEADER* pSection = IMAGE_FIRST_SECTION(pNt);
	for (WORD i = 0; i < pNt->FileHeader.NumberOfSections; ++i, ++pSection)
	{
		if ((pSection->Characteristics & IMAGE_SCN_MEM_DISCARDABLE) == 0 &&
			pSection->PointerToRawData + pSection->SizeOfRawData <= fileImage.size())
			image.append(fileImage, pSection->PointerToRawData, pSection->SizeOfRawData);
	}
	ASSERT_GT(image.size(), 10000u);
	for (const std::vector<int>* cipher : texts)
	{
		const CString plain = StringUtils::DecryptText(*cipher);
		ASSERT_FALSE(plain.IsEmpty());
		// Long enough not to occur by chance.
		if (plain.GetLength() >= 5)
		{
			EXPECT_EQ(image.find(std::string(plain)), std::string::npos) << plain;
		}
	}
	EXPECT_EQ(StringUtils::DecryptText(kTextCtrlWindow), CString("kavro control"));
}

// ---------------------------------------------------------------------------
// DPI

namespace
{

// Makes every window report nDpi through the library's GetDpiForWindow, as a
// window on a monitor of another scale does, while it lives.
class WindowDpiOverride
{
public:
	explicit WindowDpiOverride(UINT nDpi)
		: m_pfnSaved(g_pfnGetDpiForWindow)
	{
		s_nDpi = nDpi;
		g_pfnGetDpiForWindow = &Reported;
	}
	~WindowDpiOverride() { g_pfnGetDpiForWindow = m_pfnSaved; }

private:
	static UINT WINAPI Reported(HWND) { return s_nDpi; }

	static UINT s_nDpi;
	UINT(WINAPI* m_pfnSaved)(HWND);
};
UINT WindowDpiOverride::s_nDpi = 0;

} // namespace

TEST(Dpi, AWindowsDpiFallsBackToTheScreenAndThenTo96)
{
	kt::HostWindow host(50, 50);
	EXPECT_EQ(GetWindowDpi(host.m_hWnd), kt::Dpi());
	EXPECT_EQ(GetWindowDpi(NULL), kt::Dpi());
	// No answer from the system: the device context's; an absurd one: 96.
	const struct
	{
		UINT nReported, nWant;
	} cases[] = { { 144, 144 }, { 0, kt::Dpi() }, { 20, 96 }, { 100000, 96 }, { 0xFFFFFFFF, 96 } };
	for (const auto& c : cases)
	{
		WindowDpiOverride dpi(c.nReported);
		EXPECT_EQ(GetWindowDpi(host.m_hWnd), c.nWant) << c.nReported;
	}
	EXPECT_EQ(ScaleToDpi(16, 192), 32);
	EXPECT_EQ(ScaleToDpi(1, 144), 2);
	EXPECT_EQ(ScaleToDpi(7, 96), 7);
}
