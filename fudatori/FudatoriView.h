// The card-taking activity: a board of lower-verse cards, the reading of the poems by hand or
// by timers, the taking of cards and the results of a game.
#pragma once

#include "Afx.h"
#include "resource.h"
#include "PoemRecord.h"
#include "VerseBox.h"

class CKasumioriDoc;

class CFudatoriView : public CFormView
{
protected:
    CFudatoriView();
    DECLARE_DYNCREATE(CFudatoriView)

public:
    enum { IDD = IDD_FUDATORI_FORM };

    // The members stay public and in this order: tests read them.
    int m_nCharWidth = 0;
    int m_nLineHeight = 0;
    int m_nMarginX = 0;
    int m_nMarginY = 0;
    int m_nCurPoem = 0;
    int m_nPrevPoem = 0;
    int m_nRemaining;
    CWordArray m_aRead;
    CWordArray m_aBoard;
    CWordArray m_aExcluded;
    CWordArray m_aGone;
    VerseBox m_boxUpper = {};
    VerseBox m_boxLower = {};
    CPoint m_ptBoard;
    CButton m_btnNext;
    CButton m_btnLower;
    CButton m_btnDeal;
    CEdit m_editNumber;
    bool m_bRoundActive;
    int m_nSeedSalt;
    CButton m_btnReadGroup[6];
    int m_nReadGroupCheck[6];
    CString m_strNumber;
    CButton m_btnVoice;
    int m_nVoiceCheck;
    bool m_bVoice;
    int m_nTakenUpper;
    int m_nTakenLower;
    int m_nNotTaken;
    int m_nFaults;
    COleDateTime m_timeStart;
    COleDateTime m_timeEnd;
    int m_nLowerCount;
    CButton m_btnFinish;
    CButton m_btnAuto;
    int m_nAutoCheck;
    bool m_bAuto;
    int m_nUpperWait;
    int m_nLowerWait1;
    int m_nLowerWait2;
    int m_nFirstWait;
    int m_nTakeWait;
    int m_nShown;
    CButton m_btnSpeed;
    int m_nSpeed;
    CButton m_btnBoardGroup[6];
    int m_nBoardGroupCheck[6];
    CButton m_btnText;
    int m_nTextCheck;

    virtual ~CFudatoriView();

    CKasumioriDoc* GetDocument() const;

    // Verse columns
    void DrawVerse(int nPoem, CDC* pDC, PoemField field);
    void ClearVerseArea();

    // Board and choice of poems
    void DealCards();
    int PickNextPoem();
    void AddReadGroup(int nGroup);
    void AddBoardGroup(int nGroup);

    void SetSpeedTimes(int nSpeed);
    void EndRound();

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

public:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDealCards();
    afx_msg void OnNextPoem();
    afx_msg void OnLowerVerse();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnVoice();
    afx_msg void OnFinish();
    afx_msg void OnAuto();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSpeed();
    afx_msg void OnKimariji1();
    afx_msg void OnKimariji2();
    afx_msg void OnKimariji3();
    afx_msg void OnKimariji4();
    afx_msg void OnKimariji5();
    afx_msg void OnKimariji6();
    afx_msg void OnText();

private:
    int SeededDraw(int& nDraw, int nExtra);
    void KimarijiToggled(int nGroup);
    void DrawBoardCell(CDC* pDC, CDC* pSheetDC, int nPosition, int nSourceX, int nSourceY);

    // Set while a message box or the results of this view run their modal loop.
    bool m_bModalOpen = false;

    DECLARE_MESSAGE_MAP()
};
