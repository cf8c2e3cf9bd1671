// TaskBarProgressCtrl.cpp - TaskBarProgressCtrl: the taskbar list object driven for the main window.
#include <kavro/TaskBarProgressCtrl.h>

TaskBarProgressCtrl::TaskBarProgressCtrl()
	: m_nTotal(0)
	, m_nCurrent(0)
	, m_pTaskbarList(NULL)
{
}

TaskBarProgressCtrl::~TaskBarProgressCtrl()
{
	Stop();
}

HWND TaskBarProgressCtrl::GetMainHwnd()
{
	CWinThread* pThread = AfxGetThread();
	CWnd* pMainWnd = pThread != NULL ? pThread->GetMainWnd() : NULL;
	return pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
}

void TaskBarProgressCtrl::SetState(TBPFLAG state)
{
	HWND hWndMain = GetMainHwnd();
	if (m_pTaskbarList != NULL && hWndMain != NULL)
		m_pTaskbarList->SetProgressState(hWndMain, state);
}

void TaskBarProgressCtrl::SetTotalCount(unsigned __int64 total)
{
	HWND hWndMain = GetMainHwnd();
	if (hWndMain == NULL)
		return;
	m_nTotal = total;
	if (m_pTaskbarList != NULL)
		return;
	void* pObject = NULL;
	if (FAILED(::CoCreateInstance(CLSID_TaskbarList, NULL, CLSCTX_ALL, IID_ITaskbarList3, &pObject)) ||
		pObject == NULL)
		return;
	m_pTaskbarList = static_cast<ITaskbarList3*>(pObject);
	// The shell documents HrInit as due before any other call; an object
	// that refuses it is of no use.
	if (FAILED(m_pTaskbarList->HrInit()))
	{
		m_pTaskbarList->Release();
		m_pTaskbarList = NULL;
		return;
	}
	m_pTaskbarList->SetProgressState(hWndMain, TBPF_NORMAL);
}

void TaskBarProgressCtrl::SetProgress(unsigned __int64 n)
{
	HWND hWndMain = GetMainHwnd();
	if (m_pTaskbarList == NULL || hWndMain == NULL)
		return;
	m_nCurrent = n;
	m_pTaskbarList->SetProgressValue(hWndMain, m_nCurrent, m_nTotal);
}

void TaskBarProgressCtrl::IncreaseCount()
{
	++m_nCurrent;
	HWND hWndMain = GetMainHwnd();
	if (m_pTaskbarList != NULL && hWndMain != NULL)
		m_pTaskbarList->SetProgressValue(hWndMain, m_nCurrent, m_nTotal);
}

void TaskBarProgressCtrl::SpinInPlace()
{
	SetState(TBPF_INDETERMINATE);
}

void TaskBarProgressCtrl::Pause()
{
	SetState(TBPF_PAUSED);
}

void TaskBarProgressCtrl::ShowError()
{
	SetState(TBPF_ERROR);
}

void TaskBarProgressCtrl::Stop()
{
	if (m_pTaskbarList == NULL)
		return;
	m_nTotal = 0;
	m_nCurrent = 0;
	// Without a main window there is no button left to clear, but the object
	// is still released so that nothing outlives this one.
	SetState(TBPF_NOPROGRESS);
	m_pTaskbarList->Release();
	m_pTaskbarList = NULL;
}
