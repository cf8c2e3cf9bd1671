// ClipboardViewerTextTests.cpp - CClipboardViewer on text, file names and a folder in several scripts.
//
// Classes in this file:
//   ClipboardTextTest
#include <kavrotest/TestSupport.h>

#include <kavro/ClipboardViewer.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "TextSamples.h"

namespace
{

// Replaces the clipboard's content with one block, as a Unicode program
// does; the system makes the narrow forms.
void Put(UINT format, const void* data, size_t size)
{
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
	memcpy(::GlobalLock(hData), data, size);
	::GlobalUnlock(hData);
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	::SetClipboardData(format, hData);
	::CloseClipboard();
}

// What a new viewer that reads at once collects.
std::vector<std::string> Collect()
{
	kt::HostWindow owner(10, 10, RGB(255, 255, 255));
	CClipboardViewer viewer;
	viewer.Create(true, &owner, true);
	TextArray content;
	viewer.GetClipboardContent(content);
	std::vector<std::string> lines;
	for (__int64 i = 0; i < content.GetCount(); ++i)
		lines.push_back(std::string(content.GetCopyAt(i)));
	return lines;
}

class ClipboardTextTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		for (const TextSample& s : kTextSamples)
		{
			CString narrow;
			if (kt::TryAnsi(s.text, narrow))
			{
				m_wide.push_back(s.text);
				m_narrow.push_back(std::string(narrow));
			}
		}
	}

	std::vector<std::wstring> m_wide;
	std::vector<std::string> m_narrow;
	kt::TempDir m_tmp;
};

// Lines of text and the names of a file list come whole, one entry each.
TEST_F(ClipboardTextTest, TextAndFileNamesOfEveryScriptAreCollectedWhole)
{
	std::wstring text;
	for (const std::wstring& line : m_wide)
		text += line + L"\r\n";
	Put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
	EXPECT_EQ(Collect(), m_narrow);

	// The names are files of the temporary folder, in its wide form.
	const std::wstring folder = StringUtils::ToWide(m_tmp.Path().c_str());
	const DROPFILES header = { sizeof(DROPFILES), {}, FALSE, TRUE };
	std::wstring names;
	std::vector<std::string> paths;
	for (size_t i = 0; i < m_wide.size(); ++i)
	{
		names += folder + m_wide[i] + L".txt" + L'\0';
		paths.push_back(m_tmp.Path() + m_narrow[i] + ".txt");
	}
	std::string block(reinterpret_cast<const char*>(&header), sizeof(header));
	block.append(reinterpret_cast<const char*>(names.c_str()), (names.size() + 1) * sizeof(wchar_t));
	Put(CF_HDROP, block.data(), block.size());
	EXPECT_EQ(Collect(), paths);
}

// A clipboard image is saved in the temporary folder, whatever its name.
TEST_F(ClipboardTextTest, ImageIsSavedInATemporaryFolderNamedInAnyScript)
{
	std::wstring name;
	for (const std::wstring& sample : m_wide)
		name += sample.substr(0, 4);
	const std::string dir = m_tmp.Path() + std::string(kt::Ansi(name.c_str())) + "\\";
	ASSERT_TRUE(::CreateDirectoryW(StringUtils::ToWide(dir.c_str()).c_str(), NULL));
	wchar_t szOldTmp[MAX_PATH] = L"";
	::GetEnvironmentVariableW(L"TMP", szOldTmp, MAX_PATH);
	::SetEnvironmentVariableW(L"TMP", StringUtils::ToWide(dir.c_str()).c_str());

	const DWORD pixels[4] = { 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000 };
	HBITMAP hBitmap = ::CreateBitmap(2, 2, 1, 32, pixels);
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	::SetClipboardData(CF_BITMAP, hBitmap);
	::CloseClipboard();
	const std::vector<std::string> content = Collect();
	::SetEnvironmentVariableW(L"TMP", szOldTmp);

	ASSERT_EQ(content.size(), 1u);
	EXPECT_EQ(content[0].compare(0, dir.size(), dir), 0) << content[0];
	const std::wstring saved = StringUtils::ToWide(content[0].c_str());
	EXPECT_NE(::GetFileAttributesW(saved.c_str()), INVALID_FILE_ATTRIBUTES);
	::DeleteFileW(saved.c_str());
	::RemoveDirectoryW(StringUtils::ToWide(dir.c_str()).c_str());
}

} // namespace
