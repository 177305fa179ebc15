// Owns the document templates; File New, File Open, the open-file dialogs and the shell
// registration of their file types.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CString.h"
#include "CDocument.h"
#include <vector>

class CDocTemplate;

class CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    ~CDocManager() override;   // deletes the templates

    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    virtual POSITION GetFirstDocTemplatePosition() const;
    virtual CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;

    // Per user under HKCU\Software\Classes: extension -> type id, type id with its name,
    // (bCompat) DefaultIcon, and shell\open\command.
    virtual void RegisterShellFileTypes(BOOL bCompat);
    void UnregisterShellFileTypes();

    // An open document with that path is activated; otherwise the best matching template
    // opens it (the first registered one when none matches).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual int GetOpenDocumentCount();

    // The common open or save dialog; pTemplate null: the filters of all templates.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);

    // A new document of the one template that offers File New, or of the one the user picks.
    virtual void OnFileNew();
    virtual void OnFileOpen();

protected:
    std::vector<CDocTemplate*> m_templateList;
};
