// Redraw.cpp - the repaint of a transparent control through its parent.
#include <afxext.h>

#include "Frame.h"

void AFXAPI RedrawParentArea(CWnd* pWnd, bool bInTabCtrlPg, bool bDialogEdgeOffset)
{
	if (pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()))
		return;

	CWnd* pTarget = pWnd->GetParent();
	if (pTarget == NULL)
	{
		pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
		return;
	}
	if (bInTabCtrlPg)
	{
		CWnd* pGrandParent = pTarget->GetParent();
		if (pGrandParent != NULL)
			pTarget = pGrandParent;
	}

	CRect rect;
	pWnd->GetWindowRect(&rect);
	pTarget->ScreenToClient(&rect);
	if (bDialogEdgeOffset && !bInTabCtrlPg &&
		(pTarget->IsKindOf(RUNTIME_CLASS(CDialog)) || pTarget->IsKindOf(RUNTIME_CLASS(CFormView))))
		rect.OffsetRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
	pTarget->RedrawWindow(&rect, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
