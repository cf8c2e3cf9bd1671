// SupportTestUtil.h - lists written as one string, for the support library's tests.
#pragma once

#include <qtx/Support.h>

#include <algorithm>
#include <string>

// The entries of a list joined by '|', for comparing with EXPECT_EQ.
inline std::string Joined(const TextArray& list)
{
	std::string text;
	for (__int64 i = 0; i < list.GetCount(); ++i)
		text += (i > 0 ? "|" : "") + std::string(list.GetCopyAt(i));
	return text;
}

// A list of the '|'-separated entries of text.
inline TextArray Split(const std::string& text)
{
	TextArray list;
	for (size_t start = 0, end = 0; start < text.size(); start = end + 1)
	{
		end = std::min(text.find('|', start), text.size());
		list.Add(text.substr(start, end - start).c_str());
	}
	return list;
}
