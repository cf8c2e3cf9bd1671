// AppLogger.cpp - the application's log.
#include "SupportImpl.h"

#include <stdio.h>

AppLogger* AppLogger::m_pInstance = NULL;

AppLogger::AppLogger()
	: m_hFile(INVALID_HANDLE_VALUE)
{
	::InitializeCriticalSection(&m_lock);
	m_pInstance = this;
}

AppLogger::AppLogger(const CString& filePath)
	: m_hFile(INVALID_HANDLE_VALUE)
{
	::InitializeCriticalSection(&m_lock);
	if (!filePath.IsEmpty())
	{
		std::wstring path = qtxsupport::ToFileSystemPath(filePath);
		if (!path.empty())
		{
			// FILE_APPEND_DATA only: every write lands at the end, even when
			// another process appends to the same file.
			m_hFile = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
				OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
		}
		if (m_hFile != INVALID_HANDLE_VALUE)
			m_strFile = filePath;
	}
	m_pInstance = this;
}

AppLogger::~AppLogger()
{
	if (m_pInstance == this)
		m_pInstance = NULL;
	if (m_hFile != INVALID_HANDLE_VALUE)
		::CloseHandle(m_hFile);
	::DeleteCriticalSection(&m_lock);
}

TextArray AppLogger::GetLines() const
{
	::EnterCriticalSection(&m_lock);
	TextArray copy(m_lines);
	::LeaveCriticalSection(&m_lock);
	return copy;
}

CString AppLogger::GetFilePath() const
{
	return m_strFile;
}

void AppLogger::AddLine(const CString& line)
{
	::EnterCriticalSection(&m_lock);
	if (m_lines.GetCount() >= MaxKeptLines)
		m_lines.RemoveAt(0);
	m_lines.Add(line);

	if (m_hFile != INVALID_HANDLE_VALUE)
	{
		SYSTEMTIME st;
		::GetLocalTime(&st);
		CString text;
		text.Format("%04u-%02u-%02u %02u:%02u:%02u  ", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
			st.wSecond);
		text += line;
		text += "\r\n";
		DWORD written = 0;
		::WriteFile(m_hFile, text.GetString(), static_cast<DWORD>(text.GetLength()), &written, NULL);
	}
	::LeaveCriticalSection(&m_lock);
}
