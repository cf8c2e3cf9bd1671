// TaskBarProgressTests.cpp - TaskBarProgressCtrl against a recording taskbar list registered in this process.
//
// Classes in this file:
//   RecordingTaskbar, RecordingFactory, TaskBarProgressTest
//
// Wine's own taskbar list accepts every call and does nothing, so the tests
// register a class object of their own for CLSID_TaskbarList; CoCreateInstance
// on this thread then hands out objects that write down every call made to
// them, with its arguments.
#include <kavrotest/TestSupport.h>

#include <kavro/TaskBarProgressCtrl.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

using Calls = std::vector<std::string>;

// The calls made to every recording object, in order; a window other than the
// main window is named as such.
Calls g_calls;
HWND g_hWndMain = NULL;

void Note(const std::string& call, HWND hWnd)
{
	g_calls.push_back(hWnd == g_hWndMain ? call : call + " (other window)");
}

class RecordingTaskbar final : public ITaskbarList3
{
public:
	RecordingTaskbar() { g_calls.push_back("created"); }

	// IUnknown
	virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
	{
		if (riid != IID_IUnknown && riid != IID_ITaskbarList && riid != IID_ITaskbarList2 &&
			riid != IID_ITaskbarList3)
		{
			*ppv = NULL;
			return E_NOINTERFACE;
		}
		*ppv = static_cast<ITaskbarList3*>(this);
		AddRef();
		return S_OK;
	}
	virtual ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
	virtual ULONG STDMETHODCALLTYPE Release() override
	{
		const ULONG nRefs = --m_nRefs;
		if (nRefs == 0)
		{
			g_calls.push_back("released");
			delete this;
		}
		return nRefs;
	}

	// ITaskbarList, ITaskbarList2
	virtual HRESULT STDMETHODCALLTYPE HrInit() override
	{
		g_calls.push_back("HrInit");
		return S_OK;
	}
	virtual HRESULT STDMETHODCALLTYPE AddTab(HWND hWnd) override { return Other("AddTab", hWnd); }
	virtual HRESULT STDMETHODCALLTYPE DeleteTab(HWND hWnd) override { return Other("DeleteTab", hWnd); }
	virtual HRESULT STDMETHODCALLTYPE ActivateTab(HWND hWnd) override { return Other("ActivateTab", hWnd); }
	virtual HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND hWnd) override { return Other("SetActiveAlt", hWnd); }
	virtual HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND hWnd, WINBOOL) override
	{
		return Other("MarkFullscreenWindow", hWnd);
	}

	// ITaskbarList3: the two calls the progress uses, and the rest noted by name.
	virtual HRESULT STDMETHODCALLTYPE SetProgressValue(HWND hWnd, ULONGLONG nDone, ULONGLONG nTotal) override
	{
		Note("value " + std::to_string(nDone) + "/" + std::to_string(nTotal), hWnd);
		return S_OK;
	}
	virtual HRESULT STDMETHODCALLTYPE SetProgressState(HWND hWnd, TBPFLAG state) override
	{
		Note("state " + std::to_string(state), hWnd);
		return S_OK;
	}
	virtual HRESULT STDMETHODCALLTYPE RegisterTab(HWND hWnd, HWND) override
	{
		return Other("RegisterTab", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE UnregisterTab(HWND hWnd) override
	{
		return Other("UnregisterTab", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE SetTabOrder(HWND hWnd, HWND) override
	{
		return Other("SetTabOrder", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE SetTabActive(HWND hWnd, HWND, DWORD) override
	{
		return Other("SetTabActive", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND hWnd, UINT, LPTHUMBBUTTON) override
	{
		return Other("ThumbBarAddButtons", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND hWnd, UINT, LPTHUMBBUTTON) override
	{
		return Other("ThumbBarUpdateButtons", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND hWnd, HIMAGELIST) override
	{
		return Other("ThumbBarSetImageList", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND hWnd, HICON, LPCWSTR) override
	{
		return Other("SetOverlayIcon", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND hWnd, LPCWSTR) override
	{
		return Other("SetThumbnailTooltip", hWnd);
	}
	virtual HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND hWnd, RECT*) override
	{
		return Other("SetThumbnailClip", hWnd);
	}

private:
	HRESULT Other(const char* name, HWND hWnd)
	{
		Note(name, hWnd);
		return S_OK;
	}

	ULONG m_nRefs = 1;
};

// Makes recording objects, or fails with m_hrCreate as a taskbar list that
// cannot be made does.
class RecordingFactory : public IClassFactory
{
public:
	virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
	{
		if (riid != IID_IUnknown && riid != IID_IClassFactory)
		{
			*ppv = NULL;
			return E_NOINTERFACE;
		}
		*ppv = static_cast<IClassFactory*>(this);
		return S_OK;
	}
	// The factory lives as long as the test that registers it.
	virtual ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
	virtual ULONG STDMETHODCALLTYPE Release() override { return 1; }
	virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
	{
		*ppv = NULL;
		if (pOuter != NULL)
			return CLASS_E_NOAGGREGATION;
		if (FAILED(m_hrCreate))
			return m_hrCreate;
		RecordingTaskbar* pObject = new RecordingTaskbar;
		const HRESULT hr = pObject->QueryInterface(riid, ppv);
		pObject->Release();
		return hr;
	}
	virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

	HRESULT m_hrCreate = S_OK;
};

class TaskBarProgressTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		g_calls.clear();
		ASSERT_HRESULT_SUCCEEDED(::CoRegisterClassObject(CLSID_TaskbarList, &m_factory, CLSCTX_INPROC_SERVER,
			REGCLS_MULTIPLEUSE, &m_dwCookie));
		g_hWndMain = m_main.GetSafeHwnd();
		SetMainWnd(&m_main);
	}

	virtual void TearDown() override
	{
		// Taken back before the window goes, which would otherwise end the
		// thread's message loop.
		SetMainWnd(NULL);
		::CoRevokeClassObject(m_dwCookie);
	}

	static void SetMainWnd(CWnd* pWnd) { AfxGetThread()->m_pMainWnd = pWnd; }

	kt::HostWindow m_main{ 100, 60 };
	RecordingFactory m_factory;
	DWORD m_dwCookie = 0;
};

TEST_F(TaskBarProgressTest, EveryCallReachesTheTaskbarInOrder)
{
	{
		TaskBarProgressCtrl progress;
		progress.SetTotalCount(10);
		progress.SetProgress(3);
		progress.IncreaseCount();
		progress.SpinInPlace();
		progress.Pause();
		progress.ShowError();
		progress.SetProgress(7);
		progress.SetTotalCount(20); // only the total changes
		progress.IncreaseCount();
		progress.Stop();
		progress.Stop(); // nothing left to stop
		progress.SetProgress(1);
		progress.SetTotalCount(5); // starts again
		progress.IncreaseCount();
	} // and the destructor clears the button
	const Calls want = { "created", "HrInit", "state 2", "value 3/10", "value 4/10", "state 1", "state 8",
		"state 4", "value 7/10", "value 8/20", "state 0", "released", "created", "HrInit", "state 2",
		"value 1/5", "state 0", "released" };
	EXPECT_EQ(g_calls, want);
}

// Before the taskbar object exists a value is not kept, but a count is.
TEST_F(TaskBarProgressTest, CountsMadeBeforeTheTotalShowLater)
{
	TaskBarProgressCtrl progress;
	progress.SetProgress(50);
	progress.IncreaseCount();
	progress.IncreaseCount();
	progress.SpinInPlace();
	progress.Pause();
	progress.ShowError();
	progress.Stop();
	EXPECT_TRUE(g_calls.empty());
	progress.SetTotalCount(10);
	progress.IncreaseCount();
	const Calls want = { "created", "HrInit", "state 2", "value 3/10" };
	EXPECT_EQ(g_calls, want);
}

TEST_F(TaskBarProgressTest, WithoutAMainWindowNothingHappens)
{
	SetMainWnd(NULL);
	TaskBarProgressCtrl progress;
	progress.SetTotalCount(10);
	progress.IncreaseCount();
	progress.SetProgress(4);
	EXPECT_TRUE(g_calls.empty());

	// The count went on; the total set without a window did not count.
	SetMainWnd(&m_main);
	progress.SetTotalCount(8);
	progress.IncreaseCount();
	// A main window that goes away while progress shows: calls do nothing,
	// and the object is still let go.
	SetMainWnd(NULL);
	progress.IncreaseCount();
	progress.ShowError();
	progress.Stop();
	const Calls want = { "created", "HrInit", "state 2", "value 2/8", "released" };
	EXPECT_EQ(g_calls, want);
}

// A taskbar list that cannot be made (as on a thread without COM) leaves every
// call harmless, and the next total tries again.
TEST_F(TaskBarProgressTest, ATaskbarThatCannotBeMadeIsTriedAgain)
{
	TaskBarProgressCtrl progress;
	m_factory.m_hrCreate = CO_E_NOTINITIALIZED;
	progress.SetTotalCount(4);
	progress.SetProgress(1);
	progress.IncreaseCount();
	progress.Pause();
	progress.Stop();
	EXPECT_TRUE(g_calls.empty());
	m_factory.m_hrCreate = S_OK;
	progress.SetTotalCount(4);
	progress.SetProgress(2);
	const Calls want = { "created", "HrInit", "state 2", "value 2/4" };
	EXPECT_EQ(g_calls, want);
}

} // namespace
