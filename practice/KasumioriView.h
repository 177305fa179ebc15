#pragma once
#include "Afx.h"
#include "resource.h"
#include "PoemRecord.h"
#include "VerseBox.h"

class CKasumioriDoc;

// The practice activity: one poem at a time, the answer on demand, readings while the voice is on.
class CKasumioriView : public CFormView
{
protected:
    CKasumioriView();
    DECLARE_DYNCREATE(CKasumioriView)

public:
    enum { IDD = IDD_KASUMIORI_FORM };

    // Layout of the last painting; valid from the first OnDraw on.
    int m_nCharWidth;
    int m_nLineHeight;
    int m_nMarginX;
    int m_nMarginY;
    // Practice state.
    int m_nCurPoem;
    int m_nPrevPoem;
    bool m_bRandom;
    bool m_bLowerFirst;
    CWordArray m_aUsed;
    VerseBox m_boxUpper;
    VerseBox m_boxLower;
    VerseBox m_boxMeaning;
    VerseBox m_boxAuthor;
    CPoint m_ptCard;
    VerseBox m_boxKimariji;
    // Controls of the form and the values exchanged with them.
    CButton m_btnNext;
    CButton m_btnAnswer;
    CButton m_btnPrev;
    CButton m_btnRandom;
    int m_nRandomCheck;
    CButton m_btnLowerFirst;
    int m_nLowerFirstCheck;
    CEdit m_editNumber;
    CString m_strNumber;
    CButton m_btnVoice;
    bool m_bVoice;
    int m_nVoiceCheck;
    bool m_bAnswerShown;

    virtual ~CKasumioriView();
    virtual void OnDraw(CDC* pDC);

    void DrawVerse(CDC* pDC, int nPoem, PoemField field);
    void ClearDisplay();
    void DrawCard(CDC* pDC, int nPoem);
    int PickRandomPoem();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnInitialUpdate();

    afx_msg void OnNextPoem();
    afx_msg void OnAnswer();
    afx_msg void OnPrevPoem();
    afx_msg void OnRandom();
    afx_msg void OnLowerFirst();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVoice();
    afx_msg void OnKillfocusNumber();
    DECLARE_MESSAGE_MAP()

private:
    CKasumioriDoc* GetKasumioriDoc() const;
    const VerseBox& BoxOf(PoemField field) const;
    void MoveControl(UINT nID, int x, int y);
    void ShowFirstVerse();
};
