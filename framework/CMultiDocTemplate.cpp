#include "Afx.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_nUntitledCount(0)
{
    LoadTemplate();
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open at this point are the program's to delete; they only forget us.
    for (CDocument* pDoc : m_docList)
        CDocTemplate::RemoveDocument(pDoc);
    m_docList.clear();
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end())
        m_docList.push_back(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    size_t nIndex = static_cast<size_t>(reinterpret_cast<UINT_PTR>(rPos));
    if (nIndex == 0 || nIndex > m_docList.size())
    {
        rPos = nullptr;
        return nullptr;
    }
    rPos = nIndex < m_docList.size() ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nIndex + 1))
                                     : nullptr;
    return m_docList[nIndex - 1];
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr)
        return nullptr;

    // The frame's view must not close the document while the frame is still being made.
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr)
    {
        if (lpszPathName != nullptr)
        {
            CString strPrompt;
            AfxFormatString1(strPrompt, AFX_IDP_FAILED_TO_OPEN_DOC, lpszPathName);
            AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_FAILED_TO_OPEN_DOC);
        }
        delete pDocument;
        return nullptr;
    }

    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument())
        {
            // Destroying the frame destroys its view, and the last view takes the document.
            pFrame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    }
    else
    {
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (GetDocString(strDocName, CDocTemplate::docName) && !strDocName.IsEmpty())
    {
        CString strNum;
        strNum.Format("%u", m_nUntitledCount + 1);
        strDocName += strNum;
    }
    else
    {
        strDocName.LoadString(AFX_IDS_UNTITLED);
    }
    pDocument->SetTitle(strDocName);
}
