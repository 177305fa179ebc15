#include "Afx.h"
#include <cerrno>
#include <cstdlib>
#include <climits>
#include <string>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        Fail();
    m_hWndLastControl = hWndCtrl;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    return PrepareCtrl(nIDC);
}

void CDataExchange::Fail()
{
    // Put the user back on the control whose value was refused.
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        wchar_t szClass[16] = {};
        ::GetClassNameW(m_hWndLastControl, szClass, 16);
        if (::lstrcmpiW(szClass, L"Edit") == 0)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CDataExchangeFailure();
}

namespace
{
// Writes a control's text only when it differs: an unchanged control is neither repainted nor
// loses its caret, and views that exchange data at every painting stay cheap.
void SetControlText(HWND hWndCtrl, const CString& value)
{
    std::wstring wide = AfxToWide(value);
    int nLen = ::GetWindowTextLengthW(hWndCtrl);
    if (nLen == static_cast<int>(wide.size()))
    {
        std::wstring current(static_cast<size_t>(nLen) + 1, L'\0');
        int nGot = ::GetWindowTextW(hWndCtrl, &current[0], nLen + 1);
        current.resize(static_cast<size_t>(nGot));
        if (current == wide)
            return;
    }
    ::SetWindowTextW(hWndCtrl, wide.c_str());
}
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;   // attached the first time only
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != value)
        ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nLen = ::GetWindowTextLengthW(hWndCtrl);
        std::wstring buf(static_cast<size_t>(nLen) + 1, L'\0');
        int nGot = ::GetWindowTextW(hWndCtrl, &buf[0], nLen + 1);
        value = AfxFromWide(buf.c_str(), nGot);
    }
    else
    {
        SetControlText(hWndCtrl, value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nLen = ::GetWindowTextLengthW(hWndCtrl);
        std::wstring buf(static_cast<size_t>(nLen) + 1, L'\0');
        ::GetWindowTextW(hWndCtrl, &buf[0], nLen + 1);
        const wchar_t* pszBegin = buf.c_str();
        while (*pszBegin == L' ' || *pszBegin == L'\t')
            ++pszBegin;
        wchar_t* pszEnd = nullptr;
        errno = 0;
        long nValue = std::wcstol(pszBegin, &pszEnd, 10);
        while (pszEnd != nullptr && (*pszEnd == L' ' || *pszEnd == L'\t'))
            ++pszEnd;
        if (pszEnd == pszBegin || pszEnd == nullptr || *pszEnd != L'\0' || errno == ERANGE ||
            nValue < INT_MIN || nValue > INT_MAX)
        {
            AfxMessageBox("整数を入力してください。", MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = static_cast<int>(nValue);
    }
    else
    {
        CString str;
        str.Format("%d", value);
        SetControlText(hWndCtrl, str);
    }
}
