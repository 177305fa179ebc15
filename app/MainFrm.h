#pragma once
#include "Afx.h"

// The fixed-size main window: menus, the application-look radio and the activity switch.
class CMainFrame : public CMDIFrameWndEx
{
    DECLARE_DYNAMIC(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnApplicationLook(UINT nID);
    afx_msg void OnUpdateApplicationLook(CCmdUI* pCmdUI);
    afx_msg void OnSwitchPractice();
    afx_msg void OnSwitchFudatori();

    DECLARE_MESSAGE_MAP()

private:
    // Replaces the active child frame's view by a new one of the template's kind on the same
    // document, then gives the main window the activity's size and centres it.
    void SwitchActivity(CMultiDocTemplate* pTemplate, int nWidth, int nHeight);
};
