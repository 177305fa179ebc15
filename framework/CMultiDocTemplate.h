// A document template for any number of open documents, each in its own MDI child frame.
#pragma once

#include "CDocTemplate.h"
#include <vector>

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // "<document name><n>", n counting the untitled documents made so far.
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    std::vector<CDocument*> m_docList;
    UINT m_nUntitledCount;
};
