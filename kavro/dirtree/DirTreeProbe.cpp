// DirTreeProbe.cpp - the directory tree's background probing: the worker thread, and applying its answers.
//
// Classes in this file:
//   Lock
#include "DirTreeProbe.h"

#include <kavro/DirTreeCtrl.h>

#include <objbase.h>
#include <process.h>

const UINT MSG_DIR_TREE_PROBE_ANSWERS = ::RegisterWindowMessageA("3C822F76-0551-44C3-B202-3079B86399B1");

namespace
{

// How long the tree's thread spends on answers, or on questions of its own,
// before it lets the application's messages through.
const DWORD kSliceMs = 8;
// While questions remain, answers are posted at most this often, so that
// between two batches the window's thread has time to paint and take input.
const ULONGLONG kPostIntervalMs = 15;
// How long a window that goes waits for a question in progress.
const DWORD kStopWaitMs = 3000;

LONG g_nLastCookie = 0;

// Holds a critical section for its scope, except between Leave and Enter.
class Lock
{
public:
	explicit Lock(CRITICAL_SECTION& cs)
		: m_cs(cs)
	{
		Enter();
	}
	~Lock()
	{
		if (m_bHeld)
			::LeaveCriticalSection(&m_cs);
	}
	Lock(const Lock&) = delete;
	Lock& operator=(const Lock&) = delete;
	void Enter()
	{
		::EnterCriticalSection(&m_cs);
		m_bHeld = true;
	}
	void Leave()
	{
		m_bHeld = false;
		::LeaveCriticalSection(&m_cs);
	}

private:
	CRITICAL_SECTION& m_cs;
	bool m_bHeld = false;
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CDirTreeProbe: construction

CDirTreeProbe::CDirTreeProbe(CDirTreeCtrl* pTree, bool bOnWorker)
	: m_bOnWorker(bOnWorker)
	, m_nCookie(::InterlockedIncrement(&g_nLastCookie))
	, m_nLastId(0)
	, m_bDeleting(false)
	, m_bTimer(false)
	, m_hFirstVisible(NULL)
	, m_nItemCount(0)
	, m_pTree(pTree)
	, m_hWnd(pTree->GetSafeHwnd())
	, m_bPosted(false)
	, m_nextPost(0)
	, m_bStop(false)
	, m_bExited(false)
	, m_bOrphaned(false)
	, m_hWake(NULL)
	, m_hThread(NULL)
{
	::InitializeCriticalSection(&m_lock);
}

CDirTreeProbe::~CDirTreeProbe()
{
	::DeleteCriticalSection(&m_lock);
	if (m_hThread != NULL)
		::CloseHandle(m_hThread);
	if (m_hWake != NULL)
		::CloseHandle(m_hWake);
}

bool CDirTreeProbe::Start()
{
	if (!m_bOnWorker || m_hThread != NULL)
		return true;
	if (m_hWake == NULL)
		m_hWake = ::CreateEventA(NULL, FALSE, FALSE, NULL);
	if (m_hWake != NULL)
		m_hThread =
			reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &CDirTreeProbe::WorkerProc, this, 0, NULL));
	return m_hThread != NULL;
}

void CDirTreeProbe::Release(CDirTreeProbe* pProbe)
{
	HANDLE hThread;
	{
		Lock lock(pProbe->m_lock);
		pProbe->m_bStop = true;
		pProbe->m_pTree = NULL;
		pProbe->m_hWnd = NULL;
		hThread = pProbe->m_hThread;
	}
	if (hThread != NULL)
	{
		::SetEvent(pProbe->m_hWake);
		if (::WaitForSingleObject(hThread, kStopWaitMs) != WAIT_OBJECT_0)
		{
			Lock lock(pProbe->m_lock);
			if (!pProbe->m_bExited)
			{
				// A question that takes this long (a network folder that does
				// not answer) keeps the worker; it lets go of the object when
				// it is done, without touching the tree again.
				pProbe->m_bOrphaned = true;
				return;
			}
		}
	}
	delete pProbe;
}

/////////////////////////////////////////////////////////////////////////////
// CDirTreeProbe: the tree's thread

void CDirTreeProbe::Ask(const CString& strPath, bool bRootLevel, const Items& items)
{
	const UINT nId = ++m_nLastId;
	m_items[nId] = items;
	m_idOfItem[items.hItem] = nId;
	if (items.hDummy != NULL)
		m_idOfItem[items.hDummy] = nId;
	else
		m_buttonless.push_back(nId);
	++m_nBranchQuestions[items.hBranch];
	m_noted.push_back(Question{ nId, strPath, bRootLevel });
}

void CDirTreeProbe::File()
{
	if (m_noted.empty())
		return;
	bool bWake;
	{
		Lock lock(m_lock);
		// The worker waits only when it found nothing to ask.
		bWake = m_questions.empty();
		for (Question& question : m_noted)
		{
			// Dropped before it was filed.
			if (m_items.count(question.nId) == 0)
				continue;
			m_order.push_back(question.nId);
			m_questions.emplace(question.nId, std::move(question));
		}
	}
	m_noted.clear();
	if (bWake && m_hWake != NULL)
		::SetEvent(m_hWake);
}

void CDirTreeProbe::Forget(CDirTreeCtrl& tree, HTREEITEM hItem)
{
	if (m_items.empty())
		return;
	if (hItem == NULL || hItem == TVI_ROOT)
	{
		m_items.clear();
		m_idOfItem.clear();
		m_nBranchQuestions.clear();
		m_applying.clear();
		m_noted.clear();
		m_buttonless.clear();
		Lock lock(m_lock);
		m_questions.clear();
		m_order.clear();
		m_urgent.clear();
		m_answers.clear();
		return;
	}

	std::vector<UINT> ids;
	const auto it = m_idOfItem.find(hItem);
	if (it != m_idOfItem.end())
		ids.push_back(it->second);
	// The questions of the branches that go with the item.
	for (const auto& branch : m_nBranchQuestions)
	{
		if (branch.first != hItem && !tree.IsChildBranch(branch.first, hItem))
			continue;
		for (const auto& question : m_items)
		{
			if (question.second.hBranch == branch.first)
				ids.push_back(question.first);
		}
	}
	if (ids.empty())
		return;
	for (UINT nId : ids)
		Drop(nId);
	Lock lock(m_lock);
	for (UINT nId : ids)
		m_questions.erase(nId);
}

void CDirTreeProbe::Drop(UINT nId)
{
	const auto it = m_items.find(nId);
	if (it == m_items.end())
		return;
	m_idOfItem.erase(it->second.hItem);
	m_idOfItem.erase(it->second.hDummy);
	const auto branch = m_nBranchQuestions.find(it->second.hBranch);
	if (branch != m_nBranchQuestions.end() && --branch->second <= 0)
		m_nBranchQuestions.erase(branch);
	m_items.erase(it);
}

void CDirTreeProbe::SetUrgent(const std::vector<UINT>& ids)
{
	Lock lock(m_lock);
	m_urgent.assign(ids.begin(), ids.end());
}

bool CDirTreeProbe::TakeItems(UINT nId, Items& items)
{
	const auto it = m_items.find(nId);
	if (it == m_items.end())
		return false;
	items = it->second;
	Drop(nId);
	return true;
}

void CDirTreeProbe::TakeAnswers()
{
	Lock lock(m_lock);
	m_applying.insert(m_applying.end(), m_answers.begin(), m_answers.end());
	m_answers.clear();
	m_bPosted = false;
}

bool CDirTreeProbe::TakeQuestion(Question& question)
{
	File();
	Lock lock(m_lock);
	return TakeQuestionLocked(question);
}

bool CDirTreeProbe::TakeQuestionLocked(Question& question)
{
	for (std::deque<UINT>* pIds : { &m_urgent, &m_order })
	{
		while (!pIds->empty())
		{
			const auto it = m_questions.find(pIds->front());
			pIds->pop_front();
			if (it != m_questions.end())
			{
				question = it->second;
				m_questions.erase(it);
				return true;
			}
		}
	}
	return false;
}

/////////////////////////////////////////////////////////////////////////////
// CDirTreeProbe: the worker

unsigned __stdcall CDirTreeProbe::WorkerProc(void* pParam)
{
	static_cast<CDirTreeProbe*>(pParam)->Work();
	return 0;
}

void CDirTreeProbe::Work()
{
	// The shell, which knows the shared folders, wants COM on the thread that asks it.
	const HRESULT hrCom = ::CoInitializeEx(NULL, COINIT_MULTITHREADED);
	Lock lock(m_lock);
	while (!m_bStop)
	{
		Question question;
		if (!TakeQuestionLocked(question))
		{
			PostAnswersLocked(true);
			lock.Leave();
			::WaitForSingleObject(m_hWake, INFINITE);
			lock.Enter();
			continue;
		}
		CDirTreeCtrl* pTree = m_pTree;
		lock.Leave();
		// A question that fails leaves the item as it was shown.
		Answer answer = { question.nId, true, false };
		try
		{
			pTree->ProbeFolder(question.strPath, question.bRootLevel, answer.bContent, answer.bShared);
		}
		catch (...)
		{
			answer.bContent = true;
			answer.bShared = false;
		}
		lock.Enter();
		if (m_bStop)
			break;
		try
		{
			m_answers.push_back(answer);
		}
		catch (...)
		{
			continue;
		}
		PostAnswersLocked(m_questions.empty());
	}
	lock.Leave();
	if (SUCCEEDED(hrCom))
		::CoUninitialize();

	lock.Enter();
	m_bExited = true;
	const bool bDelete = m_bOrphaned;
	lock.Leave();
	if (bDelete)
		delete this;
}

void CDirTreeProbe::PostAnswersLocked(bool bIdle)
{
	if (m_answers.empty() || m_bPosted || m_hWnd == NULL)
		return;
	const ULONGLONG now = ::GetTickCount64();
	if (!bIdle && now < m_nextPost)
		return;
	// Posted under the lock: once the tree has let go (m_hWnd NULL) nothing
	// more reaches its window, or a window that gets its handle later.
	if (::PostMessageA(m_hWnd, MSG_DIR_TREE_PROBE_ANSWERS, 0, m_nCookie))
	{
		m_bPosted = true;
		m_nextPost = now + kPostIntervalMs;
	}
}

/////////////////////////////////////////////////////////////////////////////
// CDirTreeCtrl: background probing

void CDirTreeCtrl::SetBackgroundProbe(bool bBackground, bool bOnWorker)
{
	if (bBackground == m_bBackgroundProbe && bOnWorker == m_bProbeOnWorker)
		return;
	StopProbing();
	m_bBackgroundProbe = bBackground;
	m_bProbeOnWorker = bOnWorker;
}

bool CDirTreeCtrl::IsProbing() const
{
	return m_pProbe != NULL && m_pProbe->HasQuestions();
}

bool CDirTreeCtrl::StartProbing()
{
	if (m_pProbe == NULL)
	{
		try
		{
			m_pProbe = new CDirTreeProbe(this, m_bProbeOnWorker);
		}
		catch (...)
		{
			return false;
		}
	}
	return m_pProbe->Start();
}

void CDirTreeCtrl::StopProbing()
{
	if (m_pProbe == NULL)
		return;
	if (m_pProbe->m_bTimer && GetSafeHwnd() != NULL)
		KillTimer(kProbeTimerId);
	CDirTreeProbe::Release(m_pProbe);
	m_pProbe = NULL;
}

void CDirTreeCtrl::AddProbedItem(HTREEITEM hParent, const CString& strPath, const CString& strLabel,
	bool bRootLevel)
{
	// Shown at once as a closed folder; whether it has sub-folders is told later.
	const int nClosedImage = m_nClosedFolderImage;
	HTREEITEM hItem =
		InsertChild(hParent, strLabel, nClosedImage, bRootLevel ? nClosedImage : m_nOpenFolderImage);
	if (hItem == NULL)
		return;
	const bool bFirst = m_pProbe->m_noted.empty();
	try
	{
		m_pProbe->Ask(strPath, bRootLevel, CDirTreeProbe::Items{ hParent, hItem, NULL });
	}
	catch (...)
	{
		// Unasked, the item gets no button; opening it still reads it.
		return;
	}
	// The questions go to the worker when this message is handled, after the
	// work in hand; or they are asked on this thread at the timer.
	if (!m_pProbe->m_bOnWorker && !m_pProbe->m_bTimer)
		m_pProbe->m_bTimer = SetTimer(kProbeTimerId, USER_TIMER_MINIMUM, NULL) != 0;
	else if (m_pProbe->m_bOnWorker && bFirst)
		PostMessage(MSG_DIR_TREE_PROBE_ANSWERS, 0, m_pProbe->m_nCookie);
}

void CDirTreeCtrl::AddProvisionalButtons()
{
	if (m_pProbe == NULL)
		return;
	for (UINT nId : m_pProbe->m_buttonless)
	{
		const auto it = m_pProbe->m_items.find(nId);
		if (it == m_pProbe->m_items.end() || it->second.hDummy != NULL)
			continue;
		it->second.hDummy = InsertChild(it->second.hItem, "", 0, 0);
		m_pProbe->m_idOfItem[it->second.hDummy] = nId;
	}
	m_pProbe->m_buttonless.clear();
}

void CDirTreeCtrl::ProbeFolder(const CString& strPath, bool bRootLevel, bool& bContent, bool& bShared)
{
	// The root level of the restricted mode is decided as its population
	// decides it, and shows no shared images.
	bContent =
		bRootLevel ? DirUtils::HasSubdirectory(strPath, m_dwListFlags) : DoesFolderHaveContent(strPath);
	bShared = !bRootLevel && DirUtils::IsListedDirShared(strPath);
}

void CDirTreeCtrl::PrioritiseVisibleProbes(bool bForce)
{
	if (m_pProbe == NULL || m_pProbe->m_items.empty())
		return;
	// Urgent questions must be filed ones.
	m_pProbe->File();
	HTREEITEM hFirst = GetFirstVisibleItem();
	const UINT nCount = GetCount();
	if (!bForce && hFirst == m_pProbe->m_hFirstVisible && nCount == m_pProbe->m_nItemCount)
		return;
	m_pProbe->m_hFirstVisible = hFirst;
	m_pProbe->m_nItemCount = nCount;
	std::vector<UINT> ids;
	const UINT nVisible = GetVisibleCount() + 1;
	HTREEITEM hItem = hFirst;
	for (UINT i = 0; hItem != NULL && i < nVisible; ++i, hItem = GetNextVisibleItem(hItem))
	{
		const auto it = m_pProbe->m_idOfItem.find(hItem);
		if (it != m_pProbe->m_idOfItem.end())
			ids.push_back(it->second);
	}
	m_pProbe->SetUrgent(ids);
}

void CDirTreeCtrl::ApplyProbeAnswer(UINT nId, bool bContent, bool bShared)
{
	CDirTreeProbe::Items items;
	if (!m_pProbe->TakeItems(nId, items))
		return;
	if (bShared)
		SetItemImage(items.hItem, m_nSharedFolderImage, m_nSharedFolderImage);
	if (!bContent && items.hDummy != NULL)
	{
		m_bSendSelChangedMsg = false;
		m_pProbe->m_bDeleting = true;
		DeleteItem(items.hDummy);
		m_pProbe->m_bDeleting = false;
		m_bSendSelChangedMsg = true;
	}
}

void CDirTreeCtrl::ApplyProbeAnswers()
{
	m_pProbe->File();
	m_pProbe->TakeAnswers();
	const DWORD dwStart = ::GetTickCount();
	std::deque<CDirTreeProbe::Answer>& answers = m_pProbe->m_applying;
	while (!answers.empty() && ::GetTickCount() - dwStart < kSliceMs)
	{
		const CDirTreeProbe::Answer answer = answers.front();
		answers.pop_front();
		ApplyProbeAnswer(answer.nId, answer.bContent, answer.bShared);
	}
	// The rest after the messages that came meanwhile.
	if (!answers.empty())
		PostMessage(MSG_DIR_TREE_PROBE_ANSWERS, 0, m_pProbe->m_nCookie);
	PrioritiseVisibleProbes(false);
}

void CDirTreeCtrl::RunProbesHere()
{
	const DWORD dwStart = ::GetTickCount();
	CDirTreeProbe::Question question;
	do
	{
		if (!m_pProbe->TakeQuestion(question))
		{
			KillTimer(kProbeTimerId);
			m_pProbe->m_bTimer = false;
			return;
		}
		bool bContent = true, bShared = false;
		ProbeFolder(question.strPath, question.bRootLevel, bContent, bShared);
		// The override may have switched the mode off or closed the window.
		if (m_pProbe == NULL)
			return;
		ApplyProbeAnswer(question.nId, bContent, bShared);
	} while (::GetTickCount() - dwStart < kSliceMs);
	PrioritiseVisibleProbes(false);
}

LRESULT CDirTreeCtrl::OnProbeAnswers(WPARAM /*wParam*/, LPARAM lParam)
{
	if (m_pProbe != NULL && lParam == m_pProbe->m_nCookie)
		ApplyProbeAnswers();
	return 0;
}

void CDirTreeCtrl::OnTimer(UINT_PTR nIDEvent)
{
	if (nIDEvent == kProbeTimerId && m_pProbe != NULL)
		RunProbesHere();
	else
		CTreeCtrl::OnTimer(nIDEvent);
}

void CDirTreeCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
	CTreeCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
	PrioritiseVisibleProbes(false);
}

BOOL CDirTreeCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
	const BOOL bResult = CTreeCtrl::OnMouseWheel(nFlags, zDelta, pt);
	PrioritiseVisibleProbes(false);
	return bResult;
}

LRESULT CDirTreeCtrl::OnDeleteItem(WPARAM /*wParam*/, LPARAM lParam)
{
	if (m_pProbe != NULL && !m_pProbe->m_bDeleting)
		m_pProbe->Forget(*this, reinterpret_cast<HTREEITEM>(lParam));
	return Default();
}

LRESULT CDirTreeCtrl::OnExpand(WPARAM wParam, LPARAM lParam)
{
	// A reset collapse deletes the children without a TVM_DELETEITEM of its own.
	if (m_pProbe != NULL && (wParam & TVE_COLLAPSERESET))
		m_pProbe->Forget(*this, reinterpret_cast<HTREEITEM>(lParam));
	return Default();
}

void CDirTreeCtrl::OnDestroy()
{
	StopProbing();
	CTreeCtrl::OnDestroy();
}
