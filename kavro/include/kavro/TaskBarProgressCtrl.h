// TaskBarProgressCtrl.h - progress of a long job on the taskbar button of the application's main window.
//
// Classes in this file:
//   TaskBarProgressCtrl
//
// The application initialises COM on its thread before it uses one. Every
// call goes to the main window of the calling thread's application object and
// does nothing while there is none.
#pragma once

#include <afxwin.h>

#include <shobjidl.h>

class AFX_EXT_CLASS TaskBarProgressCtrl
{
// Construction
public:
	TaskBarProgressCtrl();
	// Clears the taskbar button (Stop).
	~TaskBarProgressCtrl();

// Operations
public:
	// Stores the total; the first call makes the taskbar list object and puts
	// the button into the normal state (TBPF_NORMAL). When the object cannot
	// be made, the next call tries again.
	void SetTotalCount(unsigned __int64 total);
	// Shows n of the total; nothing before SetTotalCount has made the object.
	void SetProgress(unsigned __int64 n);
	// Counts one more, always; shows the count once the object exists.
	void IncreaseCount();
	// TBPF_INDETERMINATE, TBPF_PAUSED and TBPF_ERROR; each does nothing
	// without the object. A later SetProgress still sets the value.
	void SpinInPlace();
	void Pause();
	void ShowError();
	// Clears the button (TBPF_NOPROGRESS), zeroes the counts and releases the
	// object; does nothing when there is no object.
	void Stop();

// Implementation
private:
	TaskBarProgressCtrl(const TaskBarProgressCtrl&) = delete;
	TaskBarProgressCtrl& operator=(const TaskBarProgressCtrl&) = delete;
	// The main window of the calling thread's application, or NULL.
	static HWND GetMainHwnd();
	void SetState(TBPFLAG state);

	unsigned __int64 m_nTotal;
	unsigned __int64 m_nCurrent;
	ITaskbarList3* m_pTaskbarList;
};
