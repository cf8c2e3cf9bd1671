// form_fields_bench.cpp - a run-time form of 1,000 edit fields, and 1 MB of text in one field.
//
// Classes in this file:
//   FormTimes
//
// Prints the time to create and lay out forms of 100 and 1,000 ControlMgrEdit
// fields (goal for 1,000: well under a second) with the cost per field, so
// that a cost growing with the form's size shows, next to the time the same
// windows take when made directly; then the time to put 1 MB
// of text into one field and to read it back. Not a test: the numbers depend
// on the machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>

#include <kavro/ControlMgrEdit.h>

#include <memory>
#include <stdio.h>
#include <string>
#include <vector>

namespace
{

const int kColumns = 10;
const CSize kFieldSize(150, 60);
const size_t kTextBytes = 1024 * 1024;
// The rich edit lays a paragraph out again at every change, so a megabyte
// with no line break takes Wine's rich edit minutes to take in; a form's
// notes are lines anyway. 55 characters and CR LF make a line.
const int kLineChars = 55;

CBenchApp theApp("form-fields-bench");

struct FormTimes
{
	double create, layout;
};

// Creates nFields fields chained in tab order on a fresh form window, then
// gives each its place in a grid and moves it there.
FormTimes BuildForm(int nFields)
{
	CWnd form;
	form.CreateEx(0, AfxRegisterWndClass(0), "form", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
		CRect(0, 0, kColumns * kFieldSize.cx, 600), NULL, 0);
	std::vector<std::unique_ptr<ControlMgrEdit>> fields;
	fields.reserve(nFields);
	unsigned int nNextId = 1000;
	CWnd* pPrev = NULL;

	LARGE_INTEGER start, created, laidOut;
	::QueryPerformanceCounter(&start);
	for (int i = 0; i < nFields; ++i)
	{
		CString strName;
		strName.Format("Field %d", i);
		fields.push_back(std::make_unique<ControlMgrEdit>());
		fields.back()->DoCreate(i, nNextId, strName, &form, false, pPrev);
	}
	::QueryPerformanceCounter(&created);
	for (int i = 0; i < nFields; ++i)
	{
		const CPoint pt((i % kColumns) * kFieldSize.cx, (i / kColumns) * kFieldSize.cy);
		fields[i]->SetRect(CRect(pt, kFieldSize));
		fields[i]->DoMoveWindow();
	}
	::QueryPerformanceCounter(&laidOut);

	fields.clear();
	form.DestroyWindow();
	return { Seconds(start, created), Seconds(created, laidOut) };
}

// The same windows made straight through the system, with the styles the
// fields give them and no library code: what the form costs at the least.
// The label takes a line of 16 pixels.
FormTimes BuildBareForm(int nFields)
{
	const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
							 ES_WANTRETURN | ES_SELECTIONBAR;
	const int kLabelHeight = 16;
	CWnd form;
	form.CreateEx(0, AfxRegisterWndClass(0), "form", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
		CRect(0, 0, kColumns * kFieldSize.cx, 600), NULL, 0);
	std::vector<HWND> windows;
	windows.reserve(2 * nFields);

	LARGE_INTEGER start, created, laidOut;
	::QueryPerformanceCounter(&start);
	for (int i = 0; i < nFields; ++i)
	{
		windows.push_back(::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
			form.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + 2 * i)), NULL, NULL));
		windows.push_back(::CreateWindowExA(0, "RICHEDIT50W", "", kEditStyle, 0, 0, 0, 0, form.GetSafeHwnd(),
			reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001 + 2 * i)), NULL, NULL));
	}
	::QueryPerformanceCounter(&created);
	const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE;
	for (int i = 0; i < nFields; ++i)
	{
		const CPoint pt((i % kColumns) * kFieldSize.cx, (i / kColumns) * kFieldSize.cy);
		::SetWindowPos(windows[2 * i], NULL, pt.x, pt.y, kFieldSize.cx, kLabelHeight, nFlags);
		::SetWindowPos(windows[2 * i + 1], NULL, pt.x, pt.y + kLabelHeight + 3, kFieldSize.cx,
			kFieldSize.cy - kLabelHeight - 3, nFlags);
	}
	::QueryPerformanceCounter(&laidOut);

	form.DestroyWindow();
	return { Seconds(start, created), Seconds(created, laidOut) };
}

} // namespace

int main()
{
	// Each figure shows as soon as it is measured, also through a pipe.
	setvbuf(stdout, NULL, _IONBF, 0);
	if (!StartFramework("form_fields_bench"))
		return 1;
	// The rich edit's module and the framework's classes are loaded once per
	// process; a small form first keeps that out of the figures.
	BuildForm(10);
	for (int nFields : { 100, 1000 })
	{
		const FormTimes t = BuildForm(nFields);
		const double total = t.create + t.layout;
		printf("form of %d edit fields: created in %.0f ms, laid out in %.0f ms, %.0f ms in all "
			   "(%.0f us per field)%s\n",
			nFields, t.create * 1000.0, t.layout * 1000.0, total * 1000.0, total * 1e6 / nFields,
			nFields == 1000 ? " (goal well under 1 s)" : "");
	}

	// The rich edit's style has ES_SELECTIONBAR, the bit of WS_MAXIMIZE: the
	// system makes each edit maximized over the whole form before the form
	// lays it out, which is most of the cost of a field.
	const FormTimes bare = BuildBareForm(1000);
	printf("the same 1,000 labels and rich edits made directly: created in %.0f ms, laid out in %.0f ms "
		   "(what the system takes)\n",
		bare.create * 1000.0, bare.layout * 1000.0);

	CWnd form;
	form.CreateEx(0, AfxRegisterWndClass(0), "form", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), NULL, 0);
	unsigned int nNextId = 1000;
	CWnd* pPrev = NULL;
	ControlMgrEdit notes;
	notes.DoCreate(0, nNextId, "Notes", &form, false, pPrev);
	notes.SetRect(CRect(10, 10, 390, 290));
	notes.DoMoveWindow();

	std::string text;
	text.reserve(kTextBytes + kLineChars + 2);
	for (int nLine = 0; text.size() < kTextBytes; ++nLine)
	{
		std::string line = "Line " + std::to_string(nLine) + " of the notes ";
		line.resize(kLineChars, '.');
		text += line + "\r\n";
	}
	const CString data(text.c_str());

	LARGE_INTEGER start, set, got;
	::QueryPerformanceCounter(&start);
	notes.ShowData(data);
	::QueryPerformanceCounter(&set);
	const CString back = notes.GetData();
	::QueryPerformanceCounter(&got);
	// The rich edit keeps a lone CR for each CR LF, and the field trims the last one.
	printf("%.2f MB of text in %d-character lines into one field: set in %.0f ms, read back in %.0f ms "
		   "(%d characters back)\n",
		static_cast<double>(data.GetLength()) / (1024.0 * 1024.0), kLineChars, Seconds(start, set) * 1000.0,
		Seconds(set, got) * 1000.0, back.GetLength());

	form.DestroyWindow();
	return 0;
}
