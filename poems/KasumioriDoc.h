#pragma once
#include "Afx.h"
#include "PoemRecord.h"

// The one data object that both activities share.
class CKasumioriDoc : public CDocument
{
protected:
    CKasumioriDoc();
    DECLARE_DYNCREATE(CKasumioriDoc)

public:
    PoemRecord m_aPoem[101];
    CString m_strBaseDir;
    MCIDEVICEID m_nMciDeviceID;

    virtual ~CKasumioriDoc();
    virtual void Serialize(CArchive& ar);
    virtual BOOL OnNewDocument();

    void InitPoemTable();
    void LoadMeanings();
    void OpenReadingAudio(int nPart, int nPoem);

protected:
    DECLARE_MESSAGE_MAP()

private:
    // The lines that the document's own file supplied. The view refills the table from the
    // built-in data after a file is opened, so saving writes these back instead.
    CString m_aFileMeaning[101];
    int m_nFileMeanings = 0;
    bool m_bFromFile = false;
    bool m_bReadingMeaningsFile = false;
};
