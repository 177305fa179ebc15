#pragma once
#include "Afx.h"
#include "resource.h"

// The application object: start-up, the two activities' document templates, About.
class CKasumioriApp : public CWinAppEx
{
public:
    CKasumioriApp();

    CMultiDocTemplate* m_pPracticeTemplate;
    CMultiDocTemplate* m_pFudatoriTemplate;
    UINT m_nAppLook;

    BOOL InitInstance() override;
    void PreLoadState() override;

    afx_msg void OnAppAbout();

protected:
    DECLARE_MESSAGE_MAP()
};

extern CKasumioriApp theApp;
