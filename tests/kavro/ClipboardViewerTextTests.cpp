// ClipboardViewerTextTests.cpp - CClipboardViewer saving an image in a folder named in several scripts.
#include <kavrotest/TestSupport.h>

#include <kavro/ClipboardViewer.h>

#include <string>

#include "TextSamples.h"

namespace
{

// A clipboard image is saved in the temporary folder, whatever its name, and
// the viewer gives the saved file's path.
TEST(ClipboardViewerText, ImageIsSavedInATemporaryFolderNamedInAnyScript)
{
	kt::TempDir tmp;
	std::wstring name;
	for (const TextSample& s : kTextSamples)
		name += kt::IsAnsi(s.text) ? std::wstring(s.text).substr(0, 4) : L"";
	const std::string dir = tmp.Path() + std::string(kt::Ansi(name.c_str())) + "\\";
	const std::wstring wideDir = StringUtils::ToWide(dir.c_str());
	ASSERT_TRUE(::CreateDirectoryW(wideDir.c_str(), NULL));
	wchar_t szOldTmp[MAX_PATH] = L"";
	::GetEnvironmentVariableW(L"TMP", szOldTmp, MAX_PATH);
	::SetEnvironmentVariableW(L"TMP", wideDir.c_str());

	const DWORD pixels[4] = { 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000 };
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	::SetClipboardData(CF_BITMAP, ::CreateBitmap(2, 2, 1, 32, pixels));
	::CloseClipboard();
	kt::HostWindow owner(10, 10, RGB(255, 255, 255));
	CClipboardViewer viewer;
	viewer.Create(true, &owner, true);
	TextArray content;
	viewer.GetClipboardContent(content);
	::SetEnvironmentVariableW(L"TMP", szOldTmp);

	ASSERT_EQ(content.GetCount(), 1);
	const std::string saved(content.GetCopyAt(0));
	EXPECT_EQ(saved.compare(0, dir.size(), dir), 0) << saved;
	const std::wstring wideSaved = StringUtils::ToWide(saved.c_str());
	EXPECT_NE(::GetFileAttributesW(wideSaved.c_str()), INVALID_FILE_ATTRIBUTES);
	::DeleteFileW(wideSaved.c_str());
	::RemoveDirectoryW(wideDir.c_str());
}

} // namespace
