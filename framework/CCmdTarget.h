// Objects that receive commands, and the message maps that bind messages and commands to
// typed member functions.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CPoint.h"

#ifndef afx_msg
#define afx_msg
#endif

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
struct AFX_MSGMAP;

// The command codes of OnCmdMsg besides the control notifications (BN_CLICKED is 0 as well).
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    (static_cast<UINT>(-1))

// Private framework message: the initial update of the views of a frame.
#define WM_INITIALUPDATE        0x0364

typedef void (CCmdTarget::*AFX_PMSG)();

// The handler found by OnCmdMsg when it is only asked whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// What OnCmdMsg passes as pExtra for WM_NOTIFY entries.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Looks nID/nCode up in this object's map chain and calls the handler. With pHandlerInfo
    // the handler is only reported, not called. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI, a
    // control notification code, or MAKELONG(code, WM_NOTIFY).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    friend class CWnd;
};

// Signature tags: which union member of AFX_MSGFN an entry holds and how it is called.
enum AfxSig : UINT
{
    AfxSig_end = 0,
    AfxSig_vv,        // void ()                      commands, notifications, OnPaint ...
    AfxSig_vw,        // void (UINT)                  command ranges, the id
    AfxSig_bw,        // BOOL (UINT)                  ON_COMMAND_EX: FALSE routes on
    AfxSig_cmdui,     // void (CCmdUI*)
    AfxSig_notify,    // void (NMHDR*, LRESULT*)
    AfxSig_is,        // int (LPCREATESTRUCT)         WM_CREATE
    AfxSig_vwii,      // void (UINT, int, int)        WM_SIZE
    AfxSig_vt,        // void (UINT_PTR)              WM_TIMER
    AfxSig_vwp,       // void (UINT, CPoint)          mouse buttons and moves
    AfxSig_vhdrop,    // void (HDROP)                 WM_DROPFILES
    AfxSig_vmwb,      // void (CMenu*, UINT, BOOL)    WM_INITMENUPOPUP
    AfxSig_bD,        // BOOL (CDC*)                  WM_ERASEBKGND
    AfxSig_vW,        // void (CWnd*)                 WM_SETFOCUS, WM_KILLFOCUS
    AfxSig_vbWW,      // void (BOOL, CWnd*, CWnd*)    WM_MDIACTIVATE
    AfxSig_vwwh,      // void (UINT, UINT, HWND)      WM_HSCROLL, WM_VSCROLL (scroll bar window)
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)     ON_MESSAGE
    AfxSig_vv_msg     // void ()                      ON_MESSAGE_VOID (result 0)
};

// The handler of one entry, stored as the member of its own type; the entry's tag says which
// member is active, so a handler is always called through its own signature.
union AFX_MSGFN
{
    AFX_PMSG pfn_vv;
    void (CCmdTarget::*pfn_vw)(UINT);
    BOOL (CCmdTarget::*pfn_bw)(UINT);
    void (CCmdTarget::*pfn_cmdui)(CCmdUI*);
    void (CCmdTarget::*pfn_notify)(NMHDR*, LRESULT*);
    int (CCmdTarget::*pfn_is)(LPCREATESTRUCT);
    void (CCmdTarget::*pfn_vwii)(UINT, int, int);
    void (CCmdTarget::*pfn_vt)(UINT_PTR);
    void (CCmdTarget::*pfn_vwp)(UINT, CPoint);
    void (CCmdTarget::*pfn_vhdrop)(HDROP);
    void (CCmdTarget::*pfn_vmwb)(CMenu*, UINT, BOOL);
    BOOL (CCmdTarget::*pfn_bD)(CDC*);
    void (CCmdTarget::*pfn_vW)(CWnd*);
    void (CCmdTarget::*pfn_vbWW)(BOOL, CWnd*, CWnd*);
    void (CCmdTarget::*pfn_vwwh)(UINT, UINT, HWND);
    LRESULT (CCmdTarget::*pfn_lwl)(WPARAM, LPARAM);

    constexpr AFX_MSGFN() : pfn_vv(nullptr) {}
    constexpr AFX_MSGFN(AFX_PMSG p) : pfn_vv(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(UINT)) : pfn_vw(p) {}
    constexpr AFX_MSGFN(BOOL (CCmdTarget::*p)(UINT)) : pfn_bw(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(CCmdUI*)) : pfn_cmdui(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(NMHDR*, LRESULT*)) : pfn_notify(p) {}
    constexpr AFX_MSGFN(int (CCmdTarget::*p)(LPCREATESTRUCT)) : pfn_is(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(UINT, int, int)) : pfn_vwii(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(UINT_PTR)) : pfn_vt(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(UINT, CPoint)) : pfn_vwp(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(HDROP)) : pfn_vhdrop(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(CMenu*, UINT, BOOL)) : pfn_vmwb(p) {}
    constexpr AFX_MSGFN(BOOL (CCmdTarget::*p)(CDC*)) : pfn_bD(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(CWnd*)) : pfn_vW(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(BOOL, CWnd*, CWnd*)) : pfn_vbWW(p) {}
    constexpr AFX_MSGFN(void (CCmdTarget::*p)(UINT, UINT, HWND)) : pfn_vwwh(p) {}
    constexpr AFX_MSGFN(LRESULT (CCmdTarget::*p)(WPARAM, LPARAM)) : pfn_lwl(p) {}
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;    // WM_COMMAND / WM_NOTIFY for command entries, else the window message
    UINT nCode;       // command or notification code
    UINT nID;         // first control or command id (0 for window messages)
    UINT nLastID;     // last id of a range
    UINT nSig;        // AfxSig
    AFX_MSGFN fn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, AFX_MSGFN() } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, \
                                               &_messageEntries[0] }; \
        (void)sizeof(ThisClass); \
        return &messageMap; \
    }

// The casts check each handler's signature at compile time.
#define AFX_FN(type, memberFxn) AFX_MSGFN(static_cast<type>(memberFxn))

// Commands (menus, accelerators, push buttons) and their update handlers
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, \
      AFX_FN(AFX_PMSG, memberFxn) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast), AfxSig_vw, \
      AFX_FN(void (CCmdTarget::*)(UINT), memberFxn) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_bw, \
      AFX_FN(BOOL (CCmdTarget::*)(UINT), memberFxn) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast), AfxSig_bw, \
      AFX_FN(BOOL (CCmdTarget::*)(UINT), memberFxn) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id), static_cast<UINT>(id), \
      AfxSig_cmdui, AFX_FN(void (CCmdTarget::*)(CCmdUI*), memberFxn) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id), static_cast<UINT>(idLast), \
      AfxSig_cmdui, AFX_FN(void (CCmdTarget::*)(CCmdUI*), memberFxn) },

// Notifications of child controls (WM_COMMAND with the control's window)
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), \
      static_cast<UINT>(id), AfxSig_vv, AFX_FN(AFX_PMSG, memberFxn) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), \
      static_cast<UINT>(idLast), AfxSig_vw, AFX_FN(void (CCmdTarget::*)(UINT), memberFxn) },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// WM_NOTIFY of child controls
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), \
      AfxSig_notify, AFX_FN(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },

// Window messages
#define ON_MESSAGE(message, memberFxn) \
    { static_cast<UINT>(message), 0, 0, 0, AfxSig_lwl, \
      AFX_FN(LRESULT (CCmdTarget::*)(WPARAM, LPARAM), memberFxn) },
#define ON_MESSAGE_VOID(message, memberFxn) \
    { static_cast<UINT>(message), 0, 0, 0, AfxSig_vv_msg, AFX_FN(AFX_PMSG, memberFxn) },

#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, 0, AfxSig_is, \
      AFX_FN(int (CCmdTarget::*)(LPCREATESTRUCT), &ThisClass::OnCreate) },
#define ON_WM_DESTROY() \
    { WM_DESTROY, 0, 0, 0, AfxSig_vv, AFX_FN(AFX_PMSG, &ThisClass::OnDestroy) },
#define ON_WM_CLOSE() \
    { WM_CLOSE, 0, 0, 0, AfxSig_vv, AFX_FN(AFX_PMSG, &ThisClass::OnClose) },
#define ON_WM_SIZE() \
    { WM_SIZE, 0, 0, 0, AfxSig_vwii, \
      AFX_FN(void (CCmdTarget::*)(UINT, int, int), &ThisClass::OnSize) },
#define ON_WM_TIMER() \
    { WM_TIMER, 0, 0, 0, AfxSig_vt, AFX_FN(void (CCmdTarget::*)(UINT_PTR), &ThisClass::OnTimer) },
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, 0, AfxSig_vv, AFX_FN(AFX_PMSG, &ThisClass::OnPaint) },
#define ON_WM_ERASEBKGND() \
    { WM_ERASEBKGND, 0, 0, 0, AfxSig_bD, \
      AFX_FN(BOOL (CCmdTarget::*)(CDC*), &ThisClass::OnEraseBkgnd) },
#define ON_WM_LBUTTONDOWN() \
    { WM_LBUTTONDOWN, 0, 0, 0, AfxSig_vwp, \
      AFX_FN(void (CCmdTarget::*)(UINT, CPoint), &ThisClass::OnLButtonDown) },
#define ON_WM_LBUTTONUP() \
    { WM_LBUTTONUP, 0, 0, 0, AfxSig_vwp, \
      AFX_FN(void (CCmdTarget::*)(UINT, CPoint), &ThisClass::OnLButtonUp) },
#define ON_WM_LBUTTONDBLCLK() \
    { WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_vwp, \
      AFX_FN(void (CCmdTarget::*)(UINT, CPoint), &ThisClass::OnLButtonDblClk) },
#define ON_WM_RBUTTONDOWN() \
    { WM_RBUTTONDOWN, 0, 0, 0, AfxSig_vwp, \
      AFX_FN(void (CCmdTarget::*)(UINT, CPoint), &ThisClass::OnRButtonDown) },
#define ON_WM_MOUSEMOVE() \
    { WM_MOUSEMOVE, 0, 0, 0, AfxSig_vwp, \
      AFX_FN(void (CCmdTarget::*)(UINT, CPoint), &ThisClass::OnMouseMove) },
#define ON_WM_DROPFILES() \
    { WM_DROPFILES, 0, 0, 0, AfxSig_vhdrop, \
      AFX_FN(void (CCmdTarget::*)(HDROP), &ThisClass::OnDropFiles) },
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, AfxSig_vmwb, \
      AFX_FN(void (CCmdTarget::*)(CMenu*, UINT, BOOL), &ThisClass::OnInitMenuPopup) },
#define ON_WM_SETFOCUS() \
    { WM_SETFOCUS, 0, 0, 0, AfxSig_vW, AFX_FN(void (CCmdTarget::*)(CWnd*), &ThisClass::OnSetFocus) },
#define ON_WM_KILLFOCUS() \
    { WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, \
      AFX_FN(void (CCmdTarget::*)(CWnd*), &ThisClass::OnKillFocus) },
#define ON_WM_MDIACTIVATE() \
    { WM_MDIACTIVATE, 0, 0, 0, AfxSig_vbWW, \
      AFX_FN(void (CCmdTarget::*)(BOOL, CWnd*, CWnd*), &ThisClass::OnMDIActivate) },
#define ON_WM_HSCROLL_WND() \
    { WM_HSCROLL, 0, 0, 0, AfxSig_vwwh, \
      AFX_FN(void (CCmdTarget::*)(UINT, UINT, HWND), &ThisClass::OnHScrollWnd) },
#define ON_WM_VSCROLL_WND() \
    { WM_VSCROLL, 0, 0, 0, AfxSig_vwwh, \
      AFX_FN(void (CCmdTarget::*)(UINT, UINT, HWND), &ThisClass::OnVScrollWnd) },
