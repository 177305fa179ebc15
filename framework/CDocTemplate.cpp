#include "Afx.h"
#include "AfxPath.h"
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_hMenuShared(nullptr), m_hAccelTable(nullptr), m_nIDResource(nIDResource),
      m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass),
      m_bLoaded(FALSE)
{
}

CDocTemplate::~CDocTemplate()
{
    if (m_hMenuShared != nullptr)
        DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    rString.Empty();
    // Fields are separated by line feeds, which never occur inside a double-byte character.
    int nStart = 0;
    for (int i = 0; i < static_cast<int>(index); ++i)
    {
        int nLF = m_strDocStrings.Find('\n', nStart);
        if (nLF < 0)
            return FALSE;
        nStart = nLF + 1;
    }
    if (nStart > m_strDocStrings.GetLength())
        return FALSE;
    int nEnd = m_strDocStrings.Find('\n', nStart);
    if (nEnd < 0)
        nEnd = m_strDocStrings.GetLength();
    rString = m_strDocStrings.Mid(nStart, nEnd - nStart);
    return TRUE;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && AfxComparePath(pDoc->GetPathName(), lpszPathName))
        {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }

    CString strFilterExt;
    if (GetDocString(strFilterExt, filterExt) && !strFilterExt.IsEmpty())
    {
        const std::wstring ext = AfxToWide(AfxGetExtension(lpszPathName));
        // The field may list several extensions: ".csv;.txt".
        for (const std::wstring& one : AfxSplitExtensions(strFilterExt))
        {
            if (!ext.empty() &&
                CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), ext.c_str(),
                                     static_cast<int>(ext.size()), TRUE) == CSTR_EQUAL)
                return yesAttemptNative;
        }
    }
    return yesAttemptForeign;
}

void CDocTemplate::LoadTemplate()
{
    if (m_bLoaded)
        return;
    m_bLoaded = TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    m_strDocStrings.LoadString(m_nIDResource);
    m_hMenuShared = LoadMenuW(hInst, MAKEINTRESOURCEW(m_nIDResource));
    m_hAccelTable = LoadAcceleratorsW(hInst, MAKEINTRESOURCEW(m_nIDResource));
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    CDocument* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    if (m_pFrameClass == nullptr)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    CObject* pObject = m_pFrameClass->CreateObject();
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    // A frame that failed to load is still ours to delete (as after a failed LoadFrame of
    // the main frame).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, pMainWnd, &context))
    {
        delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL bEndSession)
{
    (void)bEndSession;
    // Closing removes the document from the list: walk a copy, skipping any that a previous
    // close took with it.
    std::vector<CDocument*> docs;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
        docs.push_back(GetNextDoc(pos));
    for (CDocument* pDoc : docs)
    {
        BOOL bStillOpen = FALSE;
        pos = GetFirstDocPosition();
        while (pos != nullptr && !bStillOpen)
            bStillOpen = (GetNextDoc(pos) == pDoc);
        if (bStillOpen)
            pDoc->OnCloseDocument();
    }
}
