// Approved.cpp - snapshots as PNG files, and the comparison with approved pictures.
#include <kavrotest/TestSupport.h>

#include <gdiplus.h>

#include <direct.h>

namespace kt
{

namespace
{

std::wstring Wide(const std::string& s)
{
	return std::wstring(s.begin(), s.end());
}

bool PngEncoder(CLSID& clsid)
{
	UINT nCount = 0, nBytes = 0;
	if (Gdiplus::GetImageEncodersSize(&nCount, &nBytes) != Gdiplus::Ok || nBytes == 0)
		return false;
	std::vector<BYTE> buffer(nBytes);
	auto* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
	Gdiplus::GetImageEncoders(nCount, nBytes, pCodecs);
	for (UINT i = 0; i < nCount; ++i)
	{
		if (wcscmp(pCodecs[i].MimeType, L"image/png") == 0)
		{
			clsid = pCodecs[i].Clsid;
			return true;
		}
	}
	return false;
}

int ScreenDpi()
{
	HDC hdc = ::GetDC(NULL);
	const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
	::ReleaseDC(NULL, hdc);
	return nDpi;
}

} // namespace

bool Snapshot::SavePng(const std::string& path) const
{
	CLSID clsid;
	if (m_pixels.empty() || !PngEncoder(clsid))
		return false;
	Gdiplus::Bitmap bitmap(m_cx, m_cy, m_cx * 4, PixelFormat32bppRGB,
		reinterpret_cast<BYTE*>(const_cast<DWORD*>(m_pixels.data())));
	return bitmap.Save(Wide(path).c_str(), &clsid, NULL) == Gdiplus::Ok;
}

Snapshot Snapshot::LoadPng(const std::string& path)
{
	Snapshot shot;
	Gdiplus::Bitmap bitmap(Wide(path).c_str());
	Gdiplus::BitmapData data = {};
	const Gdiplus::Rect rc(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
	if (bitmap.GetLastStatus() != Gdiplus::Ok ||
		bitmap.LockBits(&rc, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
		return shot;
	shot.m_cx = rc.Width;
	shot.m_cy = rc.Height;
	for (int y = 0; y < rc.Height; ++y)
	{
		const DWORD* pRow =
			reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
		for (int x = 0; x < rc.Width; ++x)
			shot.m_pixels.push_back(pRow[x] & 0x00FFFFFF);
	}
	bitmap.UnlockBits(&data);
	return shot;
}

::testing::AssertionResult MatchesApproved(const char* pictures, const Snapshot& shot, const char* name,
	bool bText)
{
	const int nDpi = ScreenDpi();
	const bool bApprovalSetting = nDpi == 96 && ::GetACP() == 1252;
	const std::string dir = std::string(pictures) + "/" + std::to_string(nDpi);
	const std::string path = dir + "/" + name + ".png";
	if (getenv("KAVRO_APPROVE_PICTURES") != NULL)
	{
		_mkdir(pictures);
		_mkdir(dir.c_str());
		if (!shot.SavePng(path))
			return ::testing::AssertionFailure() << "could not write " << path;
		return ::testing::AssertionSuccess() << "approved " << path;
	}
	const Snapshot approved = Snapshot::LoadPng(path);
	if ((bText && ::GetACP() != 1252) || (approved.Width() == 0 && !bApprovalSetting))
	{
		GTEST_LOG_(INFO) << "picture " << name << " is not compared at " << nDpi << " DPI in code page "
						 << ::GetACP();
		return ::testing::AssertionSuccess();
	}
	if (approved.Width() == 0)
		return ::testing::AssertionFailure() << "no approved picture " << path << " (make approve-pictures)";
	const int nDiff = shot.CountDiff(approved);
	if (nDiff == 0 && shot.Width() == approved.Width() && shot.Height() == approved.Height())
		return ::testing::AssertionSuccess();
	const std::string actual = std::string(name) + ".actual.png";
	shot.SavePng(actual);
	return ::testing::AssertionFailure()
		   << nDiff << " pixels differ from " << path << "; this one is in " << actual << " (" << shot.Width()
		   << "x" << shot.Height() << " against " << approved.Width() << "x" << approved.Height() << ")";
}

} // namespace kt
