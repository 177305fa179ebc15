#include "Afx.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every message map chain: no entries, no base.
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
        { 0, 0, 0, 0, AfxSig_end, AFX_MSGFN() }
    };
    static const AFX_MSGMAP messageMap = { nullptr, &_messageEntries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

namespace
{
// Calls the handler of a command entry; FALSE when it asks to route on.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, const AFX_MSGMAP_ENTRY* pEntry,
                    void* pExtra)
{
    switch (pEntry->nSig)
    {
    case AfxSig_vv:
        (pTarget->*pEntry->fn.pfn_vv)();
        return TRUE;
    case AfxSig_vw:
        (pTarget->*pEntry->fn.pfn_vw)(nID);
        return TRUE;
    case AfxSig_bw:
        return (pTarget->*pEntry->fn.pfn_bw)(nID);
    case AfxSig_cmdui:
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI == nullptr)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*pEntry->fn.pfn_cmdui)(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSig_notify:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*pEntry->fn.pfn_notify)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    }
    default:
        (void)nCode;
        return FALSE;
    }
}
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Notification codes of WM_NOTIFY arrive as MAKELONG(code, WM_NOTIFY).
    UINT nMsg = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nEntryCode != CN_UPDATE_COMMAND_UI && HIWORD(nEntryCode) != 0)
    {
        nMsg = HIWORD(nEntryCode);
        nEntryCode = LOWORD(nEntryCode);
    }

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end;
             ++pEntry)
        {
            // WM_NOTIFY codes are negative: entries keep them whole, OnNotify passes 16 bits.
            UINT nCodeOfEntry = nMsg == WM_NOTIFY ? LOWORD(pEntry->nCode) : pEntry->nCode;
            if (pEntry->nMessage != nMsg || nCodeOfEntry != nEntryCode || nID < pEntry->nID ||
                nID > pEntry->nLastID)
                continue;
            if (pHandlerInfo != nullptr)
            {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = pEntry->fn.pfn_vv;
                return TRUE;
            }
            if (DispatchCmdMsg(this, nID, nCode, pEntry, pExtra))
                return TRUE;
            // ON_COMMAND_EX handlers and update handlers may route on: keep looking in the
            // base maps, then in the next target.
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

void CCmdTarget::RestoreWaitCursor()
{
    BeginWaitCursor();
}
