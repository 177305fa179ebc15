// The data of one document: its views, title, path and modified state, loading and saving
// through Serialize.
#pragma once

#include "AfxPlatform.h"
#include "CCmdTarget.h"
#include "CString.h"
#include <vector>

#ifndef AFX_POSITION_DEFINED
#define AFX_POSITION_DEFINED
struct AfxPositionTag;
typedef AfxPositionTag* POSITION;   // opaque iteration cursor; nullptr = past the end
#endif

class CDocTemplate;
class CView;
class CFrameWnd;
class CException;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Stores the full path, takes the file name as title and enters it in the recent-file list.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    void ClearPathName();
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Views, in the order they were added.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    // Called when a view comes or goes: the last view going closes an auto-delete document.
    virtual void OnChangedViewList();
    // Numbers the document's frames (m_nWindow: 1, 2 ... when there are several, 0 for one)
    // and has each of them redo its title.
    virtual void UpdateFrameCounts();

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys every frame that shows the document, then deletes it (when m_bAutoDelete).
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                         UINT nIDPDefault);

    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks to save a modified document; FALSE when the user cancels or saving fails.
    virtual BOOL SaveModified();
    // Hook called before a frame of the document is destroyed by OnCloseDocument.
    virtual void PreCloseFrame(CFrameWnd* pFrame);

    // lpszPathName null or empty: Save As with the common dialog.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();

    // The document's own map first, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete;   // delete the document when its last view goes
    BOOL m_bEmbedded;

protected:
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    std::vector<CView*> m_viewList;
    BOOL m_bModified;

    friend class CDocTemplate;
};
