// handlemap_.h - per-thread maps from Win32 handles to framework objects (internal to kavroafx.dll).
//
// Classes in this file:
//   CHandleMap
//
// A permanent entry is an object that the program attached to a handle
// (CWnd::Attach, CDC::Attach, CMenu::Attach ...); it stays until detached.
// A temporary entry is a wrapper the framework made for FromHandle because
// no permanent object exists; the framework owns it and deletes it when the
// thread is idle (DeleteTemp), so callers must not keep such pointers.
//
// Each kind of handle has one map per thread. The file that owns a kind
// keeps it in a function-local thread_local, for example
//
//     CHandleMap<CMenu, HMENU>& AfxMapHMENU()
//     {
//         static thread_local CHandleMap<CMenu, HMENU> map(&NewTempMenu, &DeleteTempMenu);
//         return map;
//     }
#pragma once

#include "afxver_.h"

#include <unordered_map>
#include <vector>

template <class TObject, class THandle>
class CHandleMap
{
public:
	// Makes a wrapper for a handle that has no permanent object, with its
	// handle members already set; NULL when no wrapper can be made.
	typedef TObject* (*PFN_NEWTEMP)(THandle h);
	// Clears the wrapper's handle members (so that its destructor does not
	// destroy or release the handle) and deletes it.
	typedef void (*PFN_DELETETEMP)(TObject* pObject);

// Construction
	CHandleMap(PFN_NEWTEMP pfnNewTemp, PFN_DELETETEMP pfnDeleteTemp)
		: m_pfnNewTemp(pfnNewTemp)
		, m_pfnDeleteTemp(pfnDeleteTemp)
	{
	}
	~CHandleMap() { DeleteTemp(); }
	CHandleMap(const CHandleMap&) = delete;
	CHandleMap& operator=(const CHandleMap&) = delete;

// Operations
	// The permanent object of h, else a temporary one (made on first use).
	TObject* FromHandle(THandle h)
	{
		if (h == NULL)
			return NULL;
		if (TObject* pObject = LookupPermanent(h))
			return pObject;
		if (TObject* pObject = LookupTemporary(h))
			return pObject;
		TObject* pObject = m_pfnNewTemp(h);
		if (pObject != NULL)
			m_temporary[h] = pObject;
		return pObject;
	}

	TObject* LookupPermanent(THandle h) const
	{
		typename Map::const_iterator it = m_permanent.find(h);
		return it == m_permanent.end() ? NULL : it->second;
	}

	TObject* LookupTemporary(THandle h) const
	{
		typename Map::const_iterator it = m_temporary.find(h);
		return it == m_temporary.end() ? NULL : it->second;
	}

	void SetPermanent(THandle h, TObject* pObject)
	{
		if (h != NULL)
			m_permanent[h] = pObject;
	}

	// Forgets h in both maps. A temporary wrapper is not deleted here: its
	// owner may be detaching it right now; DeleteTemp frees it later.
	void RemoveHandle(THandle h)
	{
		m_permanent.erase(h);
		typename Map::iterator it = m_temporary.find(h);
		if (it != m_temporary.end())
		{
			m_orphans.push_back(it->second);
			m_temporary.erase(it);
		}
	}

	// Deletes every temporary wrapper of this thread.
	void DeleteTemp()
	{
		// Swapped out first: deleting a wrapper may reach the map again.
		Map temporary;
		temporary.swap(m_temporary);
		std::vector<TObject*> orphans;
		orphans.swap(m_orphans);
		for (typename Map::value_type& entry : temporary)
			m_pfnDeleteTemp(entry.second);
		for (TObject* pObject : orphans)
			m_pfnDeleteTemp(pObject);
	}

	bool IsEmpty() const { return m_permanent.empty() && m_temporary.empty() && m_orphans.empty(); }

// Implementation
private:
	typedef std::unordered_map<THandle, TObject*> Map;

	PFN_NEWTEMP m_pfnNewTemp;
	PFN_DELETETEMP m_pfnDeleteTemp;
	Map m_permanent;
	Map m_temporary;
	std::vector<TObject*> m_orphans;
};

// Deletes this thread's temporary CDC, CGdiObject and CMenu wrappers; called
// with the window map's own clean-up (CWnd::DeleteTempMap, CWinThread::OnIdle).
void AFXAPI _AfxDeleteTempGdiMaps();
