#include "Afx.h"
#include <string>

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    // Before (or after) the application object: a plain box titled with the module's title.
    CString strTitle;
    strTitle.LoadString(AFX_IDS_APP_TITLE);
    const std::wstring text = AfxToWide(lpszText);
    const std::wstring caption = AfxToWide(strTitle);
    return MessageBoxW(nullptr, text.c_str(), caption.c_str(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    rString.LoadString(nIDS);
    // '%' never occurs as a trail byte, so the bytes can be searched directly.
    rString.Replace("%1", lpsz1 != nullptr ? lpsz1 : "");
}
