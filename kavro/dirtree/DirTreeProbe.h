// DirTreeProbe.h - the directory tree's background probing: the questions waiting and the worker asking them.
//
// Classes in this file:
//   CDirTreeProbe
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <deque>
#include <unordered_map>
#include <vector>

class CDirTreeCtrl;

// Posted by the worker to the tree's window when answers wait; lParam is the
// probe's cookie. Registered while the library loads, private to the tree.
extern const UINT MSG_DIR_TREE_PROBE_ANSWERS;
// The timer that asks the questions when they are asked on the tree's own thread.
const UINT_PTR kProbeTimerId = 0x4454;

/////////////////////////////////////////////////////////////////////////////
// CDirTreeProbe
//
// One per tree while it probes. A question is about one folder: whether it
// has sub-folders and whether it is shared. The tree's thread files them and
// applies the answers; the worker thread, when there is one, takes them in
// turn (the urgent ones first), asks the tree's ProbeFolder, and posts the
// answers to the tree's window in batches. The worker never touches the tree
// control.
//
// Two halves: the items of the questions and the answers being applied belong
// to the tree's thread alone; the rest is shared and used under m_lock.

class CDirTreeProbe
{
	friend class CDirTreeCtrl;

public:
	struct Question
	{
		UINT nId;
		CString strPath;
		bool bRootLevel; // a root item of the restricted mode: sub-folders only
	};
	struct Answer
	{
		UINT nId;
		bool bContent;
		bool bShared;
	};
	// The items of a question, on the tree's thread.
	struct Items
	{
		HTREEITEM hBranch;
		HTREEITEM hItem;
		HTREEITEM hDummy; // the provisional button
	};

// Construction
public:
	CDirTreeProbe(CDirTreeCtrl* pTree, bool bOnWorker);
	CDirTreeProbe(const CDirTreeProbe&) = delete;
	CDirTreeProbe& operator=(const CDirTreeProbe&) = delete;
	// Starts the worker when the questions go to one; false when it cannot be started.
	bool Start();
	// Stops the worker, waiting a few seconds at most, and deletes the object
	// now, or leaves that to the worker when a question still keeps it busy.
	static void Release(CDirTreeProbe* pProbe);

// Attributes
public:
	// Questions are filed and not yet answered, or their answers not yet applied.
	bool HasQuestions() const { return !m_items.empty(); }

	// Operations (the tree's thread)
public:
	// Notes a question about the folder strPath of items.hItem; File hands it to the worker.
	void Ask(const CString& strPath, bool bRootLevel, const Items& items);
	// Hands the questions noted since the last time to the worker, which
	// then starts on them; the tree's thread does it once its work is done.
	void File();
	// Drops the question whose item or provisional button is hItem, and every
	// question of a branch at or below hItem; all of them for TVI_ROOT.
	void Forget(CDirTreeCtrl& tree, HTREEITEM hItem);
	// These questions are taken before the others, in this order.
	void SetUrgent(const std::vector<UINT>& ids);
	// The items of an answer's question, which is then done with; false when
	// the question was dropped meanwhile.
	bool TakeItems(UINT nId, Items& items);
	// Moves the answers that came to the end of m_applying.
	void TakeAnswers();
	// Takes the next question for the tree's own thread; false when none is left.
	bool TakeQuestion(Question& question);

// Implementation
private:
	~CDirTreeProbe();
	static unsigned __stdcall WorkerProc(void* pParam);
	void Work();
	// Under m_lock.
	bool TakeQuestionLocked(Question& question);
	void PostAnswersLocked(bool bIdle);
	// The tree's half of a question that is done with or dropped.
	void Drop(UINT nId);

	// The tree's thread.
	const bool m_bOnWorker;
	const LPARAM m_nCookie; // tells this probe's answers message from an earlier one's
	UINT m_nLastId;
	std::unordered_map<UINT, Items> m_items;
	std::unordered_map<HTREEITEM, UINT> m_idOfItem; // items and provisional buttons
	std::unordered_map<HTREEITEM, int> m_nBranchQuestions;
	std::deque<Answer> m_applying;
	std::vector<Question> m_noted;  // not yet filed
	std::vector<UINT> m_buttonless; // items that wait for their provisional buttons
	bool m_bDeleting;               // the tree deletes items that are forgotten already
	bool m_bTimer;
	HTREEITEM m_hFirstVisible; // the view when the urgent questions were chosen
	UINT m_nItemCount;

	// Shared.
	CRITICAL_SECTION m_lock;
	CDirTreeCtrl* m_pTree; // NULL once the tree lets go
	HWND m_hWnd;           // where answers are posted; NULL once the tree lets go
	std::unordered_map<UINT, Question> m_questions;
	std::deque<UINT> m_order;  // as filed; taken and dropped ones are skipped
	std::deque<UINT> m_urgent; // taken first
	std::vector<Answer> m_answers;
	bool m_bPosted; // an answers message is on its way
	ULONGLONG m_nextPost;
	bool m_bStop;
	bool m_bExited;
	bool m_bOrphaned; // the worker deletes the object when it ends
	HANDLE m_hWake;
	HANDLE m_hThread;
};
