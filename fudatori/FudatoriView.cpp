#include "FudatoriView.h"

#include <cstdlib>

#include "KasumioriDoc.h"
#include "KimarijiGroups.h"
#include "NumText.h"
#include "ReadingAudio.h"
#include "SeisekiDlg.h"
#include "VerticalText.h"

namespace
{
// The card-taking view lets the bytes up to 0xFF stand alone in a cell.
const unsigned char kSingleByteUpperBound = 0xFF;

// Board geometry: fifteen cells of 60 x 85 to a row, six full rows and a short row of ten.
const int kCellWidth = 60;
const int kCellHeight = 85;
const int kBoardColumns = 15;
const int kFullRowsWidth = 900;
const int kFullRowsHeight = 510;
const int kShortRowWidth = 600;
const int kBoardHeight = 595;

// Cells of the board sheet outside the cards: all in the last row.
const int kSheetMarkRow = 850;
const int kSheetEmptyX = 0;
const int kSheetCorrectX = 60;
const int kSheetWrongX = 120;

const int kPauseAfterClick = 1000;

// Timer ids of the reading chain.
const UINT_PTR kTimerUpper = 1;       // upper verse read, lower verse next
const UINT_PTR kTimerLower1 = 2;      // lower verse read once, again next
const UINT_PTR kTimerLower2 = 3;      // lower verse read twice, next poem next
const UINT_PTR kTimerFirst = 4;       // deal done, first poem next
const UINT_PTR kTimerTake = 5;        // card taken, next poem next
const int kWaitWithoutVoice = 1000;

const char* const kSpeedCaption[3] = {"ゆっくり", "ふつう", "はやい"};

// Sheet position of the picture of card n (1..100).
int CardSheetX(int nPoem) { return ((nPoem - 1) % 10) * kCellWidth; }
int CardSheetY(int nPoem) { return ((nPoem - 1) / 10) * kCellHeight; }

// Puts what has been drawn on the display before the thread is held. GdiFlush empties the
// batch; Wine hands a window's pixels to the display only when the thread waits, so a wait of
// no time that wakes for nothing follows (it takes no message from the queue).
void ShowDrawingNow()
{
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
}

// Marks the view as waiting in a modal box for the lifetime of the object.
class CModalScope
{
public:
    explicit CModalScope(bool& bFlag) : m_bFlag(bFlag), m_bOld(bFlag) { m_bFlag = true; }
    ~CModalScope() { m_bFlag = m_bOld; }
    CModalScope(const CModalScope&) = delete;
    CModalScope& operator=(const CModalScope&) = delete;

private:
    bool& m_bFlag;
    bool m_bOld;
};
}

IMPLEMENT_DYNCREATE(CFudatoriView, CFormView)

BEGIN_MESSAGE_MAP(CFudatoriView, CFormView)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_DEAL, &CFudatoriView::OnDealCards)
    ON_BN_CLICKED(IDC_NEXT, &CFudatoriView::OnNextPoem)
    ON_BN_CLICKED(IDC_LOWER, &CFudatoriView::OnLowerVerse)
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_FUDATORI_VOICE, &CFudatoriView::OnVoice)
    ON_BN_CLICKED(IDC_FINISH, &CFudatoriView::OnFinish)
    ON_BN_CLICKED(IDC_AUTO, &CFudatoriView::OnAuto)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_SPEED, &CFudatoriView::OnSpeed)
    ON_BN_CLICKED(IDC_READ1, &CFudatoriView::OnKimariji1)
    ON_BN_CLICKED(IDC_READ2, &CFudatoriView::OnKimariji2)
    ON_BN_CLICKED(IDC_READ3, &CFudatoriView::OnKimariji3)
    ON_BN_CLICKED(IDC_READ4, &CFudatoriView::OnKimariji4)
    ON_BN_CLICKED(IDC_READ5, &CFudatoriView::OnKimariji5)
    ON_BN_CLICKED(IDC_READ6, &CFudatoriView::OnKimariji6)
    ON_BN_CLICKED(IDC_BOARD1, &CFudatoriView::OnKimariji1)
    ON_BN_CLICKED(IDC_BOARD2, &CFudatoriView::OnKimariji2)
    ON_BN_CLICKED(IDC_BOARD3, &CFudatoriView::OnKimariji3)
    ON_BN_CLICKED(IDC_BOARD4, &CFudatoriView::OnKimariji4)
    ON_BN_CLICKED(IDC_BOARD5, &CFudatoriView::OnKimariji5)
    ON_BN_CLICKED(IDC_BOARD6, &CFudatoriView::OnKimariji6)
    ON_BN_CLICKED(IDC_TEXT, &CFudatoriView::OnText)
END_MESSAGE_MAP()

CFudatoriView::CFudatoriView()
    : CFormView(CFudatoriView::IDD),
      m_nRemaining(0),
      m_bRoundActive(false),
      m_nSeedSalt(0),
      m_nReadGroupCheck{0, 0, 0, 0, 0, 0},
      m_nVoiceCheck(0),
      m_bVoice(false),
      m_nTakenUpper(0),
      m_nTakenLower(0),
      m_nNotTaken(0),
      m_nFaults(0),
      m_timeStart(COleDateTime::GetCurrentTime()),
      m_timeEnd(COleDateTime::GetCurrentTime()),
      m_nLowerCount(0),
      m_nAutoCheck(0),
      m_bAuto(false),
      m_nUpperWait(0),
      m_nLowerWait1(0),
      m_nLowerWait2(0),
      m_nFirstWait(0),
      m_nTakeWait(0),
      m_nShown(0),
      m_nSpeed(0),
      m_nBoardGroupCheck{0, 0, 0, 0, 0, 0},
      m_nTextCheck(0)
{
}

CFudatoriView::~CFudatoriView()
{
    // A reading must not outlive the view that started it.
    if (m_pDocument != nullptr)
        StopReading(GetDocument());
}

CKasumioriDoc* CFudatoriView::GetDocument() const
{
    return static_cast<CKasumioriDoc*>(m_pDocument);
}

void CFudatoriView::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_DEAL, m_btnDeal);
    DDX_Control(pDX, IDC_LOWER, m_btnLower);
    for (int k = 0; k < 6; ++k)
        DDX_Control(pDX, IDC_READ1 + k, m_btnReadGroup[k]);
    for (int k = 0; k < 6; ++k)
        DDX_Check(pDX, IDC_READ1 + k, m_nReadGroupCheck[k]);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Control(pDX, IDC_FUDATORI_VOICE, m_btnVoice);
    DDX_Check(pDX, IDC_FUDATORI_VOICE, m_nVoiceCheck);
    DDX_Control(pDX, IDC_FINISH, m_btnFinish);
    DDX_Control(pDX, IDC_AUTO, m_btnAuto);
    DDX_Check(pDX, IDC_AUTO, m_nAutoCheck);
    DDX_Control(pDX, IDC_SPEED, m_btnSpeed);
    for (int k = 0; k < 6; ++k)
        DDX_Control(pDX, IDC_BOARD1 + k, m_btnBoardGroup[k]);
    for (int k = 0; k < 6; ++k)
        DDX_Check(pDX, IDC_BOARD1 + k, m_nBoardGroupCheck[k]);
    DDX_Control(pDX, IDC_TEXT, m_btnText);
    DDX_Check(pDX, IDC_TEXT, m_nTextCheck);
}

void CFudatoriView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CScrollView::OnSize(SIZE_RESTORED, rcWindow.Width(), rcWindow.Height());

    m_boxUpper.nCols = 1;
    m_boxUpper.nRows = 21;
    m_boxLower.nCols = 1;
    m_boxLower.nRows = 21;
    m_bVoice = true;
    m_nCurPoem = 0;
    m_nPrevPoem = 0;
    m_nSeedSalt = 0;
    m_bRoundActive = false;
    m_bAuto = false;

    m_aRead.SetSize(101);
    m_aBoard.SetSize(101);
    m_aExcluded.SetSize(101);
    m_aGone.SetSize(101);
    for (int i = 0; i <= 100; ++i)
    {
        m_aRead.SetAt(i, 0);
        m_aBoard.SetAt(i, 0);
        m_aExcluded.SetAt(i, 1);
        m_aGone.SetAt(i, 0);
    }

    for (int k = 0; k < 6; ++k)
        m_nReadGroupCheck[k] = 0;
    m_nAutoCheck = 1;

    // The view this one replaces closed its device already; only the id is stale.
    GetDocument()->m_nMciDeviceID = 0;

    m_nShown = 0;
    m_nSpeed = 0;
    m_nUpperWait = 20000;
    m_nLowerWait1 = 10000;
    m_nLowerWait2 = 30000;
    m_nFirstWait = 15000;
    m_nTakeWait = 9000;

    UpdateData(FALSE);
}

void CFudatoriView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int R = rcClient.right;

    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int cw = tm.tmMaxCharWidth;
    const int lh = tm.tmHeight + tm.tmInternalLeading;
    m_nCharWidth = cw;
    m_nLineHeight = lh;
    m_nMarginX = cw / 4;
    m_nMarginY = lh / 4;
    const int mx = m_nMarginX;
    const int my = m_nMarginY;

    m_boxUpper.x = R - 2 * cw;
    m_boxUpper.y = 3 * lh;
    m_boxLower.x = R - 4 * cw;
    m_boxLower.y = 3 * lh;
    m_ptBoard.x = m_boxUpper.x + mx - 3 * cw - kFullRowsWidth;
    m_ptBoard.y = 3 * lh;

    // Verse frames; the white fill also wipes the previous text.
    {
        CPen pen(PS_SOLID, 1, kVerseFrameColor);
        CBrush brush(kVerseBackground);
        CPen* pOldPen = pDC->SelectObject(&pen);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        for (const VerseBox* pBox : {&m_boxUpper, &m_boxLower})
            DrawColumnFrame(pDC, *pBox, cw, lh, mx, my);
        pDC->SelectObject(pOldPen);
        pDC->SelectObject(pOldBrush);
        pen.DeleteObject();
        brush.DeleteObject();
    }

    // The button row and the number box follow the right edge of the client area.
    enum Anchor { anchorBoard, anchorPrevious, anchorRight, anchorNumber };
    struct Placement
    {
        CWnd* pControl;
        Anchor anchor;
        int nOffset;
    };
    const Placement aPlacement[21] = {
        {&m_btnDeal, anchorBoard, 0},
        {&m_btnReadGroup[0], anchorPrevious, 12},
        {&m_btnReadGroup[1], anchorPrevious, 6},
        {&m_btnReadGroup[2], anchorPrevious, 6},
        {&m_btnReadGroup[3], anchorPrevious, 6},
        {&m_btnReadGroup[4], anchorPrevious, 6},
        {&m_btnReadGroup[5], anchorPrevious, 6},
        {&m_btnBoardGroup[0], anchorPrevious, 18},
        {&m_btnBoardGroup[1], anchorPrevious, 6},
        {&m_btnBoardGroup[2], anchorPrevious, 6},
        {&m_btnBoardGroup[3], anchorPrevious, 6},
        {&m_btnBoardGroup[4], anchorPrevious, 6},
        {&m_btnBoardGroup[5], anchorPrevious, 6},
        {&m_btnVoice, anchorBoard, 540},
        {&m_btnText, anchorPrevious, 6},
        {&m_btnAuto, anchorPrevious, 6},
        {&m_btnSpeed, anchorPrevious, 6},
        {&m_btnNext, anchorRight, -132},
        {&m_btnLower, anchorRight, -192},
        {&m_btnFinish, anchorRight, -72},
        {&m_editNumber, anchorNumber, 0},
    };
    int E = m_ptBoard.x;
    for (const Placement& place : aPlacement)
    {
        CWnd* pControl = place.pControl;
        if (pControl->GetSafeHwnd() == nullptr)
            continue;
        CRect rc;
        pControl->GetWindowRect(&rc);
        ScreenToClient(&rc);
        int x = 0;
        int y = 6;
        switch (place.anchor)
        {
        case anchorBoard: x = m_ptBoard.x + place.nOffset; break;
        case anchorPrevious: x = E + place.nOffset; break;
        case anchorRight: x = R + place.nOffset; break;
        case anchorNumber:
            x = m_boxUpper.x - cw;
            y = m_boxUpper.y + (m_boxUpper.nRows + 2) * lh;
            break;
        }
        pControl->MoveWindow(x, y, rc.Width(), rc.Height(), TRUE);
        E = x + rc.Width();
        if (pControl == &m_btnSpeed)
        {
            if (m_nSpeed < 0 || m_nSpeed > 2)
                m_nSpeed = 0;
            m_btnSpeed.SetWindowText(kSpeedCaption[m_nSpeed]);
        }
        UpdateData(FALSE);
    }

    // The board: a card where one lies, the empty slot everywhere else.
    {
        CBitmap bmpSheet;
        bmpSheet.LoadBitmap(IDB_BOARD_CARDS);
        CDC dcSheet;
        dcSheet.CreateCompatibleDC(pDC);
        CBitmap* pOldBitmap = dcSheet.SelectObject(&bmpSheet);
        for (int p = 1; p <= 100; ++p)
        {
            const int c = m_bRoundActive ? m_aBoard.GetAt(p) : 0;
            if (m_bRoundActive && c >= 1 && c <= 100 && m_aGone.GetAt(c) == 0)
                DrawBoardCell(pDC, &dcSheet, p, CardSheetX(c), CardSheetY(c));
            else
                DrawBoardCell(pDC, &dcSheet, p, kSheetEmptyX, kSheetMarkRow);
        }
        dcSheet.SelectObject(pOldBitmap);
        dcSheet.DeleteDC();
        bmpSheet.DeleteObject();
    }

    switch (m_nShown)
    {
    case 1:
        DrawVerse(m_nCurPoem, pDC, fieldUpper);
        break;
    case 2:
        DrawVerse(m_nCurPoem, pDC, fieldLower);
        DrawVerse(m_nCurPoem, pDC, fieldUpper);
        break;
    default:
        pDC->SetTextColor(kPlaceholderText);
        DrawVerse(0, pDC, fieldUpper);
        DrawVerse(0, pDC, fieldLower);
        pDC->SetTextColor(kVerseText);
        break;
    }

    UpdateData(FALSE);
}

void CFudatoriView::DrawBoardCell(CDC* pDC, CDC* pSheetDC, int nPosition, int nSourceX,
                                  int nSourceY)
{
    const int nColumn = (nPosition - 1) % kBoardColumns;
    const int nRow = (nPosition - 1) / kBoardColumns;
    pDC->BitBlt(m_ptBoard.x + nColumn * kCellWidth, m_ptBoard.y + nRow * kCellHeight, kCellWidth,
                kCellHeight, pSheetDC, nSourceX, nSourceY, SRCCOPY);
}

void CFudatoriView::DrawVerse(int nPoem, CDC* pDC, PoemField field)
{
    if (nPoem < 0 || nPoem > 100 || (field != fieldUpper && field != fieldLower))
        return;

    // 文字 may have been pressed since the last exchange.
    UpdateData(TRUE);

    const PoemRecord& record = GetDocument()->m_aPoem[m_nTextCheck != 0 ? 0 : nPoem];
    const CString& strText = field == fieldUpper ? record.m_strUpper : record.m_strLower;
    const VerseBox& box = field == fieldUpper ? m_boxUpper : m_boxLower;

    if (m_nTextCheck != 0)
        pDC->SetTextColor(kPlaceholderText);
    else
        pDC->SetBkColor(kVerseBackground);
    DrawVerticalText(pDC, strText, box, m_nCharWidth, m_nLineHeight, kSingleByteUpperBound);
    pDC->SetBkColor(kVerseBackground);

    m_strNumber = nPoem == 0 ? CString("番号") : NumToStr(nPoem);
    UpdateData(FALSE);
}

void CFudatoriView::ClearVerseArea()
{
    CClientDC dc(this);
    dc.SetTextColor(kPlaceholderText);
    DrawVerse(0, &dc, fieldUpper);
    DrawVerse(0, &dc, fieldLower);
    UpdateData(FALSE);
}

void CFudatoriView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
}

void CFudatoriView::OnDealCards()
{
    m_nShown = 0;
    for (UINT_PTR nTimer = kTimerUpper; nTimer <= kTimerTake; ++nTimer)
        KillTimer(nTimer);
    StopReading(GetDocument());
    m_bRoundActive = true;
    m_nCurPoem = 0;
    DealCards();
    {
        CClientDC dc(this);
        OnDraw(&dc);
    }
    PlayReading(GetDocument(), m_bVoice, 0, 0);
    m_nTakenUpper = 0;
    m_nTakenLower = 0;
    m_nNotTaken = 0;
    m_nFaults = 0;
    m_timeStart = COleDateTime::GetCurrentTime();
    if (m_bAuto)
        SetTimer(kTimerFirst, m_bVoice ? m_nFirstWait : kWaitWithoutVoice, nullptr);
}

void CFudatoriView::OnNextPoem()
{
    if (!m_bRoundActive)
    {
        CModalScope modal(m_bModalOpen);
        MessageBox("最初に札並べボタンを押してください。", "情報", MB_OK);
        return;
    }

    StopReading(GetDocument());
    m_nLowerCount = 0;

    if (m_nCurPoem != 0 && m_aExcluded.GetAt(m_nCurPoem) == 0)
    {
        if (!m_bAuto)
        {
            CModalScope modal(m_bModalOpen);
            if (MessageBox("前の札はまだ取られていません。このまま進みますか。", "情報",
                           MB_OKCANCEL) != IDOK)
                return;
        }
        m_aExcluded.SetAt(m_nCurPoem, 1);
        m_aGone.SetAt(m_nCurPoem, 1);
        {
            CClientDC dc(this);
            OnDraw(&dc);
        }
        --m_nRemaining;
        ++m_nNotTaken;
        if (m_nRemaining == 0)
        {
            EndRound();
            return;
        }
    }

    CClientDC dc(this);
    int nNext = PickNextPoem();
    if (nNext < 1 || nNext > 100)
        nNext = 1;
    m_nPrevPoem = m_nCurPoem;
    m_nCurPoem = nNext;
    m_nShown = 1;
    ClearVerseArea();
    DrawVerse(m_nCurPoem, &dc, fieldUpper);
    PlayReading(GetDocument(), m_bVoice, 0, m_nCurPoem);
    if (!m_bVoice)
        AfxMessageBeep(0);
    UpdateData(FALSE);
    if (m_bAuto)
        SetTimer(kTimerUpper, m_nUpperWait, nullptr);
}

void CFudatoriView::OnLowerVerse()
{
    m_nShown = 2;
    StopReading(GetDocument());
    ++m_nLowerCount;
    if (!m_bRoundActive || m_nCurPoem == 0)
        return;
    {
        CClientDC dc(this);
        DrawVerse(m_nCurPoem, &dc, fieldLower);
        DrawVerse(m_nCurPoem, &dc, fieldUpper);
    }
    PlayReading(GetDocument(), m_bVoice, 1, m_nCurPoem);
    if (!m_bVoice)
        AfxMessageBeep(0);
    UpdateData(FALSE);
}

void CFudatoriView::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    // Clicks that slip into the loop of an open message box or of the results belong to no
    // game state that can be changed now.
    if (!m_bRoundActive || m_bModalOpen)
        return;

    const int L = m_ptBoard.x;
    const int T = m_ptBoard.y;
    const int x = point.x;
    const int y = point.y;
    const bool bOnBoard =
        (T < y && y < T + kFullRowsHeight && L < x && x < L + kFullRowsWidth) ||
        (T + kFullRowsHeight < y && y < T + kBoardHeight && L < x && x < L + kShortRowWidth);

    if (bOnBoard)
    {
        const int c = (x - L) / kCellWidth;
        const int r = (y - T) / kCellHeight;
        const int p = r * kBoardColumns + c + 1;
        const int k = m_aBoard.GetAt(p);
        const bool bTake = k == m_nCurPoem && m_aExcluded.GetAt(m_nCurPoem) == 0;

        CClientDC dc(this);
        CBitmap bmpSheet;
        bmpSheet.LoadBitmap(IDB_BOARD_CARDS);
        CDC dcSheet;
        dcSheet.CreateCompatibleDC(&dc);
        CBitmap* pOldBitmap = dcSheet.SelectObject(&bmpSheet);

        if (bTake)
        {
            DrawBoardCell(&dc, &dcSheet, p, kSheetCorrectX, kSheetMarkRow);
            m_aExcluded.SetAt(m_nCurPoem, 1);
            m_aGone.SetAt(m_nCurPoem, 1);
            --m_nRemaining;
            if (m_bAuto)
                KillTimer(static_cast<UINT_PTR>(m_nLowerCount) + 1);
            if (m_nLowerCount == 0)
            {
                ++m_nTakenUpper;
                OnLowerVerse();
            }
            else
            {
                ++m_nTakenLower;
            }
        }
        else
        {
            DrawBoardCell(&dc, &dcSheet, p, kSheetWrongX, kSheetMarkRow);
            ++m_nFaults;
        }

        ShowDrawingNow();
        AfxSleep(kPauseAfterClick);

        if (bTake)
        {
            DrawBoardCell(&dc, &dcSheet, p, kSheetEmptyX, kSheetMarkRow);
            if (m_bAuto)
                SetTimer(kTimerTake, m_nTakeWait, nullptr);
        }
        else if (k < 1 || k > 100 || m_aGone.GetAt(k) != 0)
        {
            DrawBoardCell(&dc, &dcSheet, p, kSheetEmptyX, kSheetMarkRow);
        }
        else
        {
            DrawBoardCell(&dc, &dcSheet, p, CardSheetX(k), CardSheetY(k));
        }
        dcSheet.SelectObject(pOldBitmap);
        dcSheet.DeleteDC();
        bmpSheet.DeleteObject();

        DrawVerse(m_nCurPoem, &dc, fieldUpper);
        UpdateData(FALSE);
    }

    if (m_nRemaining == 0)
        EndRound();
}

void CFudatoriView::OnVoice()
{
    UpdateData(TRUE);
    if (m_nVoiceCheck != 0)
    {
        // Never hide the text while nothing is heard.
        m_nTextCheck = 0;
        m_bVoice = false;
        StopReading(GetDocument());
    }
    else
    {
        m_bVoice = true;
    }
    SetSpeedTimes(m_nSpeed);
    UpdateData(FALSE);
}

void CFudatoriView::OnFinish()
{
    StopReading(GetDocument());
    EndRound();
}

void CFudatoriView::OnAuto()
{
    UpdateData(TRUE);
    if (m_nAutoCheck != 0)
    {
        m_bAuto = false;
        for (UINT_PTR nTimer = kTimerUpper; nTimer <= kTimerTake; ++nTimer)
            KillTimer(nTimer);
        m_btnNext.EnableWindow(TRUE);
        m_btnLower.EnableWindow(TRUE);
    }
    else
    {
        m_bAuto = true;
        m_btnNext.EnableWindow(FALSE);
        m_btnLower.EnableWindow(FALSE);
        SetTimer(kTimerTake, m_nTakeWait, nullptr);
    }
    UpdateData(FALSE);
}

void CFudatoriView::OnTimer(UINT_PTR nIDEvent)
{
    CFormView::OnTimer(nIDEvent);
    switch (nIDEvent)
    {
    case kTimerUpper:
        KillTimer(kTimerUpper);
        SetTimer(kTimerLower1, m_nLowerWait1, nullptr);
        OnLowerVerse();
        break;
    case kTimerLower1:
        KillTimer(kTimerLower1);
        SetTimer(kTimerLower2, m_nLowerWait2, nullptr);
        OnLowerVerse();
        break;
    case kTimerLower2:
    case kTimerFirst:
    case kTimerTake:
        // Stopped before 次の句, so it cannot come again while a box of 次の句 is open.
        KillTimer(nIDEvent);
        OnNextPoem();
        break;
    default:
        break;
    }
}

void CFudatoriView::OnSpeed()
{
    m_nSpeed = (m_nSpeed >= 0 && m_nSpeed < 2) ? m_nSpeed + 1 : 0;
    m_btnSpeed.SetWindowText(kSpeedCaption[m_nSpeed]);
    UpdateData(FALSE);
    SetSpeedTimes(m_nSpeed);
}

void CFudatoriView::OnKimariji1() { KimarijiToggled(1); }
void CFudatoriView::OnKimariji2() { KimarijiToggled(2); }
void CFudatoriView::OnKimariji3() { KimarijiToggled(3); }
void CFudatoriView::OnKimariji4() { KimarijiToggled(4); }
void CFudatoriView::OnKimariji5() { KimarijiToggled(5); }
void CFudatoriView::OnKimariji6() { KimarijiToggled(6); }

void CFudatoriView::OnText()
{
    UpdateData(TRUE);
    if (m_nVoiceCheck != 0)
    {
        // Hiding the text makes sense only while the poems are heard.
        m_nVoiceCheck = 0;
        m_bVoice = true;
        SetSpeedTimes(m_nSpeed);
    }
    UpdateData(FALSE);
}

void CFudatoriView::KimarijiToggled(int nGroup)
{
    UpdateData(TRUE);
    // A group that is read always has its cards on the board.
    if (m_nReadGroupCheck[nGroup - 1] == 0)
        m_nBoardGroupCheck[nGroup - 1] = 0;
    UpdateData(FALSE);
}

int CFudatoriView::SeededDraw(int& nDraw, int nExtra)
{
    ++nDraw;
    const COleDateTime now = COleDateTime::GetCurrentTime();
    if (m_nSeedSalt > 1000000)
        m_nSeedSalt = 0;
    const int nSeed = m_nSeedSalt + m_nPrevPoem + m_nCurPoem + now.GetYear() + now.GetMonth() +
                      now.GetDay() + now.GetHour() + now.GetMinute() + now.GetSecond() + nDraw +
                      nExtra;
    srand(static_cast<unsigned int>(nSeed));
    int r = rand() % 100;
    if (r == 0)
        r = 100;
    m_nSeedSalt += 100;
    return r;
}

void CFudatoriView::DealCards()
{
    UpdateData(TRUE);

    for (int i = 0; i <= 100; ++i)
    {
        m_aRead.SetAt(i, 0);
        m_aExcluded.SetAt(i, 1);
    }

    int nTotal = 0;
    for (int k = 1; k <= 6; ++k)
    {
        if (m_nReadGroupCheck[k - 1] == 0)
        {
            AddReadGroup(k);
            nTotal += g_aKimarijiGroup[k - 1].nSize;
        }
    }
    m_nRemaining = nTotal;

    for (int i = 0; i <= 100; ++i)
    {
        if (m_aExcluded.GetAt(i) == 1)
            m_aRead.SetAt(i, 1);
    }

    WORD aPlaced[101] = {};
    m_aBoard.SetSize(101);
    for (int i = 0; i <= 100; ++i)
        m_aBoard.SetAt(i, 0);

    int nDraw = 1;
    for (int nPos = 1; nPos <= 100; ++nPos)
    {
        int r = 0;
        do
        {
            r = SeededDraw(nDraw, 0);
        } while (aPlaced[r] != 0);
        aPlaced[r] = 1;
        m_aBoard.SetAt(nPos, static_cast<WORD>(r));
    }

    for (int i = 0; i <= 100; ++i)
        m_aGone.SetAt(i, 1);
    for (int k = 1; k <= 6; ++k)
    {
        if (m_nBoardGroupCheck[k - 1] == 0)
            AddBoardGroup(k);
    }
}

int CFudatoriView::PickNextPoem()
{
    bool bAllRead = true;
    for (int i = 1; i <= 100 && bAllRead; ++i)
        bAllRead = m_aRead.GetAt(i) != 0;
    if (bAllRead)
        return 0;

    int nDraw = 1;
    int r = 0;
    do
    {
        r = SeededDraw(nDraw, r);
    } while (m_aRead.GetAt(r) != 0);
    m_aRead.SetAt(r, 1);
    return r;
}

void CFudatoriView::AddReadGroup(int nGroup)
{
    const KimarijiGroup& group = g_aKimarijiGroup[nGroup - 1];
    for (int i = 0; i < group.nSize; ++i)
        m_aExcluded.SetAt(group.pPoems[i], 0);
}

void CFudatoriView::AddBoardGroup(int nGroup)
{
    const KimarijiGroup& group = g_aKimarijiGroup[nGroup - 1];
    for (int i = 0; i < group.nSize; ++i)
        m_aGone.SetAt(group.pPoems[i], 0);
}

void CFudatoriView::SetSpeedTimes(int nSpeed)
{
    static const int aUpperWait[3] = {20000, 15000, 10000};
    static const int aLowerWait1[3] = {10000, 10000, 10000};
    static const int aLowerWait2[3] = {30000, 20000, 15000};
    const int s = (nSpeed >= 0 && nSpeed <= 2) ? nSpeed : 0;
    m_nUpperWait = aUpperWait[s];
    m_nLowerWait1 = aLowerWait1[s];
    m_nLowerWait2 = aLowerWait2[s];
    m_nFirstWait = m_bVoice ? 15000 : kWaitWithoutVoice;
    m_nTakeWait = m_bVoice ? 9000 : kWaitWithoutVoice;
}

void CFudatoriView::EndRound()
{
    for (UINT_PTR nTimer = kTimerUpper; nTimer <= kTimerTake; ++nTimer)
        KillTimer(nTimer);
    m_timeEnd = COleDateTime::GetCurrentTime();
    const COleDateTimeSpan span = m_timeEnd - m_timeStart;

    CSeisekiDlg dlg;
    dlg.m_strTakenUpper = NumToStr(m_nTakenUpper);
    dlg.m_strTakenLower = NumToStr(m_nTakenLower);
    dlg.m_strNotTaken = NumToStr(m_nNotTaken);
    dlg.m_strFaults = NumToStr(m_nFaults);
    dlg.m_strHours = NumToStr(span.GetHours());
    dlg.m_strMinutes = NumToStr(span.GetMinutes());
    dlg.m_strSeconds = NumToStr(span.GetSeconds());
    {
        CModalScope modal(m_bModalOpen);
        dlg.DoModal();
    }

    m_bRoundActive = false;
    m_nSeedSalt = 0;
}
