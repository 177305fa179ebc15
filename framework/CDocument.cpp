#include "Afx.h"
#include "AfxPath.h"
#include <algorithm>
#include <string>


IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

namespace
{
POSITION IndexToPosition(size_t nIndex)
{
    return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nIndex + 1));
}

size_t PositionToIndex(POSITION pos)
{
    return static_cast<size_t>(reinterpret_cast<UINT_PTR>(pos)) - 1;
}
} // namespace

CDocument::CDocument()
    : m_bAutoDelete(TRUE), m_bEmbedded(FALSE), m_pDocTemplate(nullptr), m_bModified(FALSE)
{
}

CDocument::~CDocument()
{
    // Views still attached lose their document rather than point at a dead one.
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = AfxFullPath(lpszPathName);
    m_bEmbedded = FALSE;
    SetTitle(AfxGetFileName(m_strPathName));
    if (bAddToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::ClearPathName()
{
    m_strPathName.Empty();
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr ||
        std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();   // may delete this
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.empty() ? nullptr : IndexToPosition(0);
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    size_t nIndex = PositionToIndex(rPosition);
    if (rPosition == nullptr || nIndex >= m_viewList.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = (nIndex + 1 < m_viewList.size()) ? IndexToPosition(nIndex + 1) : nullptr;
    return m_viewList[nIndex];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A copy: a view may add or remove views while it updates.
    std::vector<CView*> views = m_viewList;
    for (CView* pView : views)
    {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.empty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr &&
            std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    int nWindow = frames.size() > 1 ? 1 : 0;
    for (CFrameWnd* pFrame : frames)
    {
        pFrame->m_nWindow = nWindow;
        if (nWindow != 0)
            ++nWindow;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe))
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }

    DeleteContents();
    SetModifiedFlag();   // dirty while it is being read
    try
    {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        try
        {
            if (file.GetLength() != 0)
                Serialize(ar);
            ar.Close();
        }
        catch (...)
        {
            ar.Abort();
            throw;
        }
        file.Close();
    }
    catch (CException* e)
    {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    // The new content goes to a temporary file beside the old one, which is replaced only
    // once everything has been written: a failed save leaves the old file as it was.
    const std::wstring target = AfxToWide(AfxFullPath(lpszPathName));
    const std::wstring folder = AfxToWide(AfxGetFolder(lpszPathName));
    wchar_t szTemp[MAX_PATH];
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"~ks", 0, szTemp) == 0)
    {
        CFileException fe(CFileException::OsErrorToException(static_cast<LONG>(GetLastError())),
                          static_cast<LONG>(GetLastError()), lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    const CString strTemp = AfxFromWide(szTemp);

    try
    {
        CFileException fe;
        CFile file;
        if (!file.Open(strTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe))
        {
            DeleteFileW(szTemp);
            ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
            return FALSE;
        }
        try
        {
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
            ar.m_pDocument = this;
            try
            {
                Serialize(ar);
                ar.Close();
            }
            catch (...)
            {
                ar.Abort();
                throw;
            }
            file.Flush();
            file.Close();
        }
        catch (...)
        {
            file.Abort();
            throw;
        }
    }
    catch (CException* e)
    {
        DeleteFileW(szTemp);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }

    BOOL bReplaced = FALSE;
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        bReplaced = ReplaceFileW(target.c_str(), szTemp, nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!bReplaced)
        bReplaced = MoveFileExW(szTemp, target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bReplaced)
    {
        const LONG lError = static_cast<LONG>(GetLastError());
        DeleteFileW(szTemp);
        CFileException fe(CFileException::OsErrorToException(lError), lError, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Closing the views must not delete the document under our feet.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty())
    {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
        {
            pView->DestroyWindow();
        }
        // A view that did not let go of the document itself is dropped here (it may be
        // deleted already, so it is not touched).
        if (!m_viewList.empty() && m_viewList.front() == pView)
            m_viewList.erase(m_viewList.begin());
    }
    m_bAutoDelete = bAutoDelete;

    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault)
{
    (void)bSaving;
    CString strPrompt;
    AfxFormatString1(strPrompt, nIDPDefault, lpszPathName != nullptr ? lpszPathName : static_cast<LPCSTR>(m_strTitle));

    // The system's own words for the cause, when there is one.
    CFileException* pFileException = dynamic_cast<CFileException*>(e);
    if (pFileException != nullptr && pFileException->m_lOsError > 0)
    {
        wchar_t* pszSystem = nullptr;
        // Only in Japanese, like the rest of the program's texts; otherwise the prompt alone.
        DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(pFileException->m_lOsError),
                                 MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
                                 reinterpret_cast<wchar_t*>(&pszSystem), 0, nullptr);
        if (n != 0 && pszSystem != nullptr)
        {
            while (n > 0 && (pszSystem[n - 1] == L'\r' || pszSystem[n - 1] == L'\n'))
                --n;
            if (n > 0)
            {
                strPrompt += "\n";
                strPrompt += AfxFromWide(pszSystem, static_cast<int>(n));
            }
        }
        if (pszSystem != nullptr)
            LocalFree(pszSystem);
    }
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still shows the document: closing this one loses nothing.
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;

    CString strName = m_strPathName;
    if (strName.IsEmpty())
    {
        strName = m_strTitle;
        if (strName.IsEmpty())
            strName.LoadString(AFX_IDS_UNTITLED);
    }
    CString strPrompt;
    AfxFormatString1(strPrompt, AFX_IDP_ASK_TO_SAVE, strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

void CDocument::PreCloseFrame(CFrameWnd* pFrame)
{
    (void)pFrame;   // documents with per-frame state override this
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName;
    if (strNewName.IsEmpty())
    {
        strNewName = m_strPathName;
        if (bReplace && strNewName.IsEmpty())
        {
            strNewName = m_strTitle;
            CString strExt;
            if (m_pDocTemplate != nullptr &&
                m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt) && !strExt.IsEmpty())
            {
                int nSemi = strExt.Find(';');
                if (nSemi >= 0)
                    strExt = strExt.Left(nSemi);
                if (AfxGetExtension(strNewName).IsEmpty())
                    strNewName += strExt;
            }
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr ||
            !pApp->DoPromptFileName(strNewName, AFX_IDS_SAVEFILE,
                                    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT,
                                    FALSE, m_pDocTemplate))
            return FALSE;
    }

    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    // No path, a file that has gone (INVALID_FILE_ATTRIBUTES has every bit set) or a
    // read-only one: ask for a name.
    DWORD dwAttrib = m_strPathName.IsEmpty()
                         ? INVALID_FILE_ATTRIBUTES
                         : GetFileAttributesW(AfxToWide(m_strPathName).c_str());
    if ((dwAttrib & FILE_ATTRIBUTE_READONLY) != 0)
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr &&
           m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
