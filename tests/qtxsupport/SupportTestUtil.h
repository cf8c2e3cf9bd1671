// SupportTestUtil.h - small helpers shared by the support library's tests.
#pragma once

#include <qtx/Support.h>

#include <string>
#include <vector>

// The entries of a list, in order, for comparing with EXPECT_EQ.
inline std::vector<CString> Items(const TextArray& list)
{
	std::vector<CString> items;
	for (__int64 i = 0; i < list.GetCount(); ++i)
		items.push_back(list.GetCopyAt(i));
	return items;
}

inline std::vector<CString> Texts(std::initializer_list<const char*> texts)
{
	return std::vector<CString>(texts.begin(), texts.end());
}

inline TextArray MakeList(std::initializer_list<const char*> texts)
{
	TextArray list;
	for (const char* text : texts)
		list.Add(text);
	return list;
}
