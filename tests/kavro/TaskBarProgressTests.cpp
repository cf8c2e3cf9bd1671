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

#include <string>
#include <vector>

namespace
{

using Calls = std::vector<std::string>;

// The calls made to every recording object, in order; a window other than the
// main window is named as such.
Calls g_calls;
HWND g_hWndMain = NULL;

HRESULT Note(const std::string& call, HWND hWnd)
{
	g_calls.push_back(hWnd == g_hWndMain ? call : call + " (other window)");
	return S_OK;
}

class RecordingTaskbar final : public ITaskbarList3
{
public:
	RecordingTaskbar() { g_calls.push_back("created"); }

	virtual STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
	{
		const bool bKnown = riid == IID_IUnknown || riid == IID_ITaskbarList || riid == IID_ITaskbarList2 ||
							riid == IID_ITaskbarList3;
		*ppv = bKnown ? static_cast<ITaskbarList3*>(this) : NULL;
		if (bKnown)
			AddRef();
		return bKnown ? S_OK : E_NOINTERFACE;
	}
	virtual STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
	virtual STDMETHODIMP_(ULONG) Release() override
	{
		if (--m_nRefs != 0)
			return m_nRefs;
		g_calls.push_back("released");
		delete this;
		return 0;
	}
	virtual STDMETHODIMP HrInit() override
	{
		g_calls.push_back("HrInit");
		return S_OK;
	}
	// The two calls the progress uses; any other is noted as such.
	virtual STDMETHODIMP SetProgressValue(HWND h, ULONGLONG nDone, ULONGLONG nTotal) override
	{
		return Note("value " + std::to_string(nDone) + "/" + std::to_string(nTotal), h);
	}
	virtual STDMETHODIMP SetProgressState(HWND h, TBPFLAG state) override
	{
		return Note("state " + std::to_string(state), h);
	}
	virtual STDMETHODIMP AddTab(HWND h) override { return Note("other", h); }
	virtual STDMETHODIMP DeleteTab(HWND h) override { return Note("other", h); }
	virtual STDMETHODIMP ActivateTab(HWND h) override { return Note("other", h); }
	virtual STDMETHODIMP SetActiveAlt(HWND h) override { return Note("other", h); }
	virtual STDMETHODIMP MarkFullscreenWindow(HWND h, WINBOOL) override { return Note("other", h); }
	virtual STDMETHODIMP RegisterTab(HWND h, HWND) override { return Note("other", h); }
	virtual STDMETHODIMP UnregisterTab(HWND h) override { return Note("other", h); }
	virtual STDMETHODIMP SetTabOrder(HWND h, HWND) override { return Note("other", h); }
	virtual STDMETHODIMP SetTabActive(HWND h, HWND, DWORD) override { return Note("other", h); }
	virtual STDMETHODIMP ThumbBarAddButtons(HWND h, UINT, LPTHUMBBUTTON) override { return Note("other", h); }
	virtual STDMETHODIMP ThumbBarUpdateButtons(HWND h, UINT, LPTHUMBBUTTON) override
	{
		return Note("other", h);
	}
	virtual STDMETHODIMP ThumbBarSetImageList(HWND h, HIMAGELIST) override { return Note("other", h); }
	virtual STDMETHODIMP SetOverlayIcon(HWND h, HICON, LPCWSTR) override { return Note("other", h); }
	virtual STDMETHODIMP SetThumbnailTooltip(HWND h, LPCWSTR) override { return Note("other", h); }
	virtual STDMETHODIMP SetThumbnailClip(HWND h, RECT*) override { return Note("other", h); }

private:
	ULONG m_nRefs = 1;
};

// Makes recording objects, or fails with m_hrCreate as a taskbar list that
// cannot be made does. It lives as long as the test that registers it.
class RecordingFactory : public IClassFactory
{
public:
	virtual STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
	{
		const bool bKnown = riid == IID_IUnknown || riid == IID_IClassFactory;
		*ppv = bKnown ? static_cast<IClassFactory*>(this) : NULL;
		return bKnown ? S_OK : E_NOINTERFACE;
	}
	virtual STDMETHODIMP_(ULONG) AddRef() override { return 2; }
	virtual STDMETHODIMP_(ULONG) Release() override { return 1; }
	virtual STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
	{
		*ppv = NULL;
		if (pOuter != NULL || FAILED(m_hrCreate))
			return pOuter != NULL ? CLASS_E_NOAGGREGATION : m_hrCreate;
		RecordingTaskbar* pObject = new RecordingTaskbar;
		const HRESULT hr = pObject->QueryInterface(riid, ppv);
		pObject->Release();
		return hr;
	}
	virtual STDMETHODIMP LockServer(BOOL) override { return S_OK; }

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

	void SetMainWnd(CWnd* pWnd) { AfxGetThread()->m_pMainWnd = pWnd; }

	kt::HostWindow m_main{ 100, 60 };
	RecordingFactory m_factory;
	DWORD m_dwCookie = 0;
};

TEST_F(TaskBarProgressTest, CallsReachTheTaskbarOfTheMainWindowInOrder)
{
	const struct
	{
		const char* name;
		std::function<void(TaskBarProgressCtrl&)> script;
		Calls want;
	} cases[] = {
		{ "every call, a stop, a new start and the destructor",
			[](TaskBarProgressCtrl& p)
			{
				p.SetTotalCount(10), p.SetProgress(3), p.IncreaseCount(), p.SpinInPlace(), p.Pause();
				p.ShowError(), p.SetProgress(7);
				p.SetTotalCount(20); // only the total changes
				p.IncreaseCount(), p.Stop();
				p.Stop(); // nothing left to stop
				p.SetProgress(1), p.SetTotalCount(5), p.IncreaseCount();
			},
			{ "created", "HrInit", "state 2", "value 3/10", "value 4/10", "state 1", "state 8", "state 4",
				"value 7/10", "value 8/20", "state 0", "released", "created", "HrInit", "state 2",
				"value 1/5", "state 0", "released" } },
		// Before the taskbar object exists a value is not kept, but a count is.
		{ "counts before the total show later",
			[](TaskBarProgressCtrl& p)
			{
				p.SetProgress(50), p.IncreaseCount(), p.IncreaseCount(), p.SpinInPlace(), p.Pause();
				p.ShowError(), p.Stop();
				EXPECT_TRUE(g_calls.empty());
				p.SetTotalCount(10), p.IncreaseCount();
			},
			{ "created", "HrInit", "state 2", "value 3/10", "state 0", "released" } },
		// Without a main window nothing happens, and a total set then does
		// not count; a main window that goes while progress shows leaves the
		// calls harmless, and the object is still let go.
		{ "main window missing",
			[this](TaskBarProgressCtrl& p)
			{
				SetMainWnd(NULL);
				p.SetTotalCount(10), p.IncreaseCount(), p.SetProgress(4);
				SetMainWnd(&m_main);
				p.SetTotalCount(8), p.IncreaseCount();
				SetMainWnd(NULL);
				p.IncreaseCount(), p.ShowError(), p.Stop();
			},
			{ "created", "HrInit", "state 2", "value 2/8", "released" } },
		// A taskbar list that cannot be made (as on a thread without COM)
		// leaves every call harmless, and the next total tries again.
		{ "taskbar that cannot be made",
			[this](TaskBarProgressCtrl& p)
			{
				m_factory.m_hrCreate = CO_E_NOTINITIALIZED;
				p.SetTotalCount(4), p.SetProgress(1), p.IncreaseCount(), p.Pause(), p.Stop();
				m_factory.m_hrCreate = S_OK;
				p.SetTotalCount(4), p.SetProgress(2);
			},
			{ "created", "HrInit", "state 2", "value 2/4", "state 0", "released" } },
	};
	for (const auto& c : cases)
	{
		g_calls.clear();
		m_factory.m_hrCreate = S_OK;
		SetMainWnd(&m_main);
		{
			TaskBarProgressCtrl progress;
			c.script(progress);
		}
		EXPECT_EQ(g_calls, c.want) << c.name;
	}
}

} // namespace
