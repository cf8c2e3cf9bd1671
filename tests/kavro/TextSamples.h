// TextSamples.h - sample texts in several scripts for the tests of text in every ANSI code page.
//
// Classes in this file:
//   TextSample
//
// Written as wide literals and narrowed at run time (kt::TryAnsi), so that a
// case means the same characters in every code page; a sample whose
// characters the process's code page lacks is left out there.
#pragma once

// 表, ソ and 能 have a backslash as their trail byte in code page 932, ポ a bar;
// 𠮟, 𩸽 and 𠀋 lie outside the Basic Multilingual Plane (four bytes of UTF-8,
// two UTF-16 units).
struct TextSample
{
	const char* name;
	const wchar_t* text;
};

const TextSample kTextSamples[] = {
	{ "Latin", L"Ünïcödé façade, naïve café" },
	{ "Japanese", L"表示ソフト能力ポイント表ソ能ポ" },
	{ "Greek and Cyrillic", L"ΑΛΦΑ ωμεγα ЖУК жук Σ" },
	{ "outside the BMP", L"𠮟る 𩸽 表𠀋ソ" },
};
