// The main frame and the switch between the two activities.
#include "MainFrm.h"
#include "KasumioriApp.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWndEx)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWndEx)
    ON_WM_CREATE()
    ON_COMMAND(ID_HELP_FINDER, &CMDIFrameWndEx::OnHelpFinder)
    ON_COMMAND(ID_HELP, &CMDIFrameWndEx::OnHelp)
    ON_COMMAND(ID_CONTEXT_HELP, &CMDIFrameWndEx::OnContextHelp)
    ON_COMMAND(ID_DEFAULT_HELP, &CMDIFrameWndEx::OnHelpFinder)
    ON_COMMAND_RANGE(ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_2007_AQUA,
                     &CMainFrame::OnApplicationLook)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_2007_AQUA,
                               &CMainFrame::OnUpdateApplicationLook)
    ON_COMMAND(ID_SWITCH_PRACTICE, &CMainFrame::OnSwitchPractice)
    ON_COMMAND(ID_SWITCH_FUDATORI, &CMainFrame::OnSwitchFudatori)
END_MESSAGE_MAP()

namespace
{
const int kPracticeWidth = 500;
const int kPracticeHeight = 510;
const int kFudatoriWidth = 1020;
const int kFudatoriHeight = 730;
}

CMainFrame::CMainFrame()
{
    // Only selects the radio mark of the application-look items; the program never writes it.
    theApp.m_nAppLook = theApp.GetInt("ApplicationLook", ID_VIEW_APPLOOK_VS_2005);
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIFrameWndEx::PreCreateWindow(cs))
        return FALSE;
    // Fixed size: caption, system menu and close box only; no document name in the title.
    cs.cx = kPracticeWidth;
    cs.cy = kPracticeHeight;
    cs.style = WS_SYSMENU;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWndEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    CenterWindow(GetDesktopWindow());
    return 0;
}

void CMainFrame::OnApplicationLook(UINT /*nID*/)
{
    // The look is fixed; the items only carry the radio mark.
}

void CMainFrame::OnUpdateApplicationLook(CCmdUI* pCmdUI)
{
    pCmdUI->SetRadio(theApp.m_nAppLook == pCmdUI->m_nID);
}

void CMainFrame::OnSwitchPractice()
{
    SwitchActivity(theApp.m_pPracticeTemplate, kPracticeWidth, kPracticeHeight);
}

void CMainFrame::OnSwitchFudatori()
{
    SwitchActivity(theApp.m_pFudatoriTemplate, kFudatoriWidth, kFudatoriHeight);
}

void CMainFrame::SwitchActivity(CMultiDocTemplate* pTemplate, int nWidth, int nHeight)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild == nullptr || pTemplate == nullptr)
        return;
    CDocument* pDocument = pActiveChild->GetActiveDocument();
    if (pDocument == nullptr)
        return;

    // The view the document has now, taken before the new one is attached.
    POSITION pos = pDocument->GetFirstViewPosition();

    CFrameWnd* pNewFrame = pTemplate->CreateNewFrame(pDocument, nullptr);

    // The old view goes with its frame; its destructor stops the recording. When no new frame
    // could be made this was the document's last view and the framework closes the document.
    if (pos != nullptr)
    {
        CView* pOldView = pDocument->GetNextView(pos);
        if (pOldView != nullptr)
        {
            CFrameWnd* pOldFrame = pOldView->GetParentFrame();
            if (pOldFrame != nullptr)
                pOldFrame->DestroyWindow();
            else
                pOldView->DestroyWindow();
        }
    }

    if (pNewFrame != nullptr)
        pTemplate->InitialUpdateFrame(pNewFrame, pDocument, TRUE);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    MoveWindow(rcWindow.left, rcWindow.top, nWidth, nHeight, TRUE);
    CenterWindow(GetDesktopWindow());
}
