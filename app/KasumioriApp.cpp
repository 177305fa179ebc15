// The application object and the start-up sequence.
#include "KasumioriApp.h"
#include "AboutDlg.h"
#include "ChildFrm.h"
#include "FudatoriView.h"
#include "KasumioriDoc.h"
#include "KasumioriView.h"
#include "MainFrm.h"

BEGIN_MESSAGE_MAP(CKasumioriApp, CWinAppEx)
    ON_COMMAND(ID_APP_ABOUT, &CKasumioriApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinAppEx::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinAppEx::OnFileOpen)
END_MESSAGE_MAP()

CKasumioriApp theApp;

CKasumioriApp::CKasumioriApp()
    : CWinAppEx(TRUE)
    , m_pPracticeTemplate(nullptr)
    , m_pFudatoriTemplate(nullptr)
    , m_nAppLook(0)
{
    m_eHelpType = afxHTMLHelp;
}

BOOL CKasumioriApp::InitInstance()
{
    INITCOMMONCONTROLSEX initCtrls;
    initCtrls.dwSize = sizeof(initCtrls);
    initCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&initCtrls);

    CWinAppEx::InitInstance();

    if (!AfxOleInit())
    {
        AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK, IDP_OLE_INIT_FAILED);
        return FALSE;
    }

    AfxEnableControlContainer();

    SetRegistryKey("Nagikobo");
    LoadStdProfileSettings(4);

    // The main window always opens at its default size and place, whatever it had last time.
    AfxGetApp()->WriteProfileInt("Workspace\\WindowPlacement", "MainWindowRect", 0);

    InitContextMenuManager();
    InitKeyboardManager();
    InitTooltipManager();

    CMFCToolTipInfo ttParams;
    ttParams.m_bVislManagerTheme = TRUE;
    GetTooltipManager()->SetTooltipParams(AFX_TOOLTIP_TYPE_ALL, RUNTIME_CLASS(CMFCToolTipCtrl),
                                          &ttParams);

    m_pPracticeTemplate = new CMultiDocTemplate(IDR_KasumioriTYPE, RUNTIME_CLASS(CKasumioriDoc),
                                                RUNTIME_CLASS(CChildFrame),
                                                RUNTIME_CLASS(CKasumioriView));
    AddDocTemplate(m_pPracticeTemplate);

    m_pFudatoriTemplate = new CMultiDocTemplate(IDR_FudatoriTYPE, RUNTIME_CLASS(CKasumioriDoc),
                                                RUNTIME_CLASS(CChildFrame),
                                                RUNTIME_CLASS(CFudatoriView));
    AddDocTemplate(m_pFudatoriTemplate);

    CMainFrame* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
    {
        delete pMainFrame;
        return FALSE;
    }
    m_pMainWnd = pMainFrame;

    m_pMainWnd->DragAcceptFiles(TRUE);

    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    return TRUE;
}

void CKasumioriApp::PreLoadState()
{
    CString strName;
    strName.LoadString(IDS_EDIT_MENU);
    GetContextMenuManager()->AddMenu(strName, IDR_POPUP_EDIT);
}

void CKasumioriApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
