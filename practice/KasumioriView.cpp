#include "KasumioriView.h"

#include <cstdlib>
#include <cstring>

#include "KasumioriDoc.h"
#include "NumText.h"
#include "ReadingAudio.h"
#include "VerticalText.h"

IMPLEMENT_DYNCREATE(CKasumioriView, CFormView)

BEGIN_MESSAGE_MAP(CKasumioriView, CFormView)
    ON_BN_CLICKED(IDC_NEXT, &CKasumioriView::OnNextPoem)
    ON_BN_CLICKED(IDC_ANSWER, &CKasumioriView::OnAnswer)
    ON_BN_CLICKED(IDC_PREV, &CKasumioriView::OnPrevPoem)
    ON_BN_CLICKED(IDC_RANDOM, &CKasumioriView::OnRandom)
    ON_BN_CLICKED(IDC_LOWER_FIRST, &CKasumioriView::OnLowerFirst)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_VOICE, &CKasumioriView::OnVoice)
    ON_EN_KILLFOCUS(IDC_NUMBER, &CKasumioriView::OnKillfocusNumber)
END_MESSAGE_MAP()

namespace
{
// Bytes above this bound begin a double-byte character in this view's text.
const unsigned char kUpperSingleByte = 0xDF;

const int kCardWidth = 75;
const int kCardHeight = 105;
const int kCardsPerRow = 10;

const int kDirBufferSize = 780;
}

CKasumioriView::CKasumioriView()
    : CFormView(IDD_KASUMIORI_FORM),
      m_nCharWidth(0),
      m_nLineHeight(0),
      m_nMarginX(0),
      m_nMarginY(0),
      m_nCurPoem(0),
      m_nPrevPoem(0),
      m_bRandom(false),
      m_bLowerFirst(false),
      m_boxUpper{0, 0, 0, 0},
      m_boxLower{0, 0, 0, 0},
      m_boxMeaning{0, 0, 0, 0},
      m_boxAuthor{0, 0, 0, 0},
      m_ptCard(0, 0),
      m_boxKimariji{0, 0, 0, 0},
      m_nRandomCheck(0),
      m_nLowerFirstCheck(0),
      m_bVoice(false),
      m_nVoiceCheck(0),
      m_bAnswerShown(false)
{
}

CKasumioriView::~CKasumioriView()
{
    // The recording belongs to the view that is shown: it must not outlive it.
    CKasumioriDoc* pDoc = GetKasumioriDoc();
    if (pDoc != nullptr)
        StopReading(pDoc);
}

void CKasumioriView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_ANSWER, m_btnAnswer);
    DDX_Control(pDX, IDC_PREV, m_btnPrev);
    DDX_Control(pDX, IDC_RANDOM, m_btnRandom);
    DDX_Check(pDX, IDC_RANDOM, m_nRandomCheck);
    DDX_Control(pDX, IDC_LOWER_FIRST, m_btnLowerFirst);
    DDX_Check(pDX, IDC_LOWER_FIRST, m_nLowerFirstCheck);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Control(pDX, IDC_VOICE, m_btnVoice);
    DDX_Check(pDX, IDC_VOICE, m_nVoiceCheck);
}

void CKasumioriView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();

    CKasumioriDoc* pDoc = GetKasumioriDoc();
    pDoc->InitPoemTable();

    m_boxUpper.nCols = 1;
    m_boxUpper.nRows = 21;
    m_boxLower.nCols = 1;
    m_boxLower.nRows = 21;
    m_boxMeaning.nCols = 13;
    m_boxMeaning.nRows = 21;
    m_boxAuthor.nCols = 6;
    m_boxAuthor.nRows = 11;
    m_boxKimariji.nCols = 1;
    m_boxKimariji.nRows = 6;

    m_nCurPoem = 0;
    m_nPrevPoem = 0;
    m_bRandom = false;
    m_bLowerFirst = false;
    m_bVoice = true;
    m_bAnswerShown = false;

    m_aUsed.SetSize(101, 1);
    for (INT_PTR i = 0; i < m_aUsed.GetSize(); ++i)
        m_aUsed[i] = 0;

    // The base folder with every separator doubled. The second byte of a double-byte character
    // may have the value of a backslash; it is part of the character, not a separator.
    char szDir[kDirBufferSize];
    std::memset(szDir, 0, sizeof(szDir));
    ::GetCurrentDirectoryA(kDirBufferSize, szDir);
    CString strDir;
    for (int i = 0; i < kDirBufferSize && szDir[i] != '\0'; ++i)
    {
        const char ch = szDir[i];
        if (::IsDBCSLeadByteEx(932, static_cast<BYTE>(ch)) && i + 1 < kDirBufferSize &&
            szDir[i + 1] != '\0')
        {
            strDir += ch;
            strDir += szDir[++i];
        }
        else if (ch == '\\')
        {
            strDir += "\\\\";
        }
        else
        {
            strDir += ch;
        }
    }
    pDoc->m_strBaseDir = strDir;

    pDoc->m_nMciDeviceID = 0;
    pDoc->LoadMeanings();
}

void CKasumioriView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int R = rcClient.right;
    TEXTMETRIC tm;
    std::memset(&tm, 0, sizeof(tm));
    pDC->GetTextMetrics(&tm);
    m_nCharWidth = tm.tmMaxCharWidth;
    m_nLineHeight = tm.tmHeight + tm.tmInternalLeading;
    m_nMarginX = m_nCharWidth / 4;
    m_nMarginY = m_nLineHeight / 4;
    const int cw = m_nCharWidth;
    const int lh = m_nLineHeight;
    const int mx = m_nMarginX;
    const int my = m_nMarginY;

    m_boxUpper.x = R - 3 * cw;
    m_boxUpper.y = 3 * lh;
    m_boxLower.x = R - 5 * cw;
    m_boxLower.y = 3 * lh;
    m_ptCard.x = R - 8 * cw - kCardWidth;
    m_ptCard.y = 3 * lh;
    m_boxKimariji.x = R - 7 * cw;
    m_boxKimariji.y = 3 * lh;
    m_boxAuthor.x = R - 7 * cw;
    // The poet's last row is level with the last row of the upper verse.
    m_boxAuthor.y = 3 * lh + (m_boxUpper.nRows - m_boxAuthor.nRows) * lh;
    m_boxMeaning.x = R - 11 * cw - kCardWidth;
    m_boxMeaning.y = 3 * lh;

    CPen pen(PS_SOLID, 1, kVerseFrameColor);
    CBrush brush(kVerseBackground);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);

    // One-column boxes reach right from x, many-column boxes left from their right-most column.
    const VerseBox* apRightward[] = {&m_boxUpper, &m_boxLower, &m_boxKimariji};
    for (const VerseBox* pBox : apRightward)
        DrawColumnFrame(pDC, *pBox, cw, lh, mx, my);
    const VerseBox* apLeftward[] = {&m_boxAuthor, &m_boxMeaning};
    for (const VerseBox* pBox : apLeftward)
    {
        pDC->Rectangle(pBox->x - pBox->nCols * cw - mx, pBox->y - my, pBox->x + cw + mx,
                       pBox->y + pBox->nRows * lh + my);
    }

    MoveControl(IDC_NUMBER, m_boxLower.x + cw - 75, m_boxAuthor.y - 3 * lh);
    MoveControl(IDC_NEXT, R - 60, 6);
    MoveControl(IDC_ANSWER, R - 120, 6);
    MoveControl(IDC_PREV, R - 180, 6);
    MoveControl(IDC_RANDOM, R - 300, 6);
    MoveControl(IDC_LOWER_FIRST, R - 450, 6);
    MoveControl(IDC_VOICE, m_boxLower.x + cw - 135, m_boxAuthor.y - 3 * lh);

    if (m_nCurPoem == 0)
        pDC->SetTextColor(kPlaceholderText);
    if (m_bLowerFirst)
    {
        DrawVerse(pDC, m_nCurPoem, fieldLower);
        DrawCard(pDC, m_nCurPoem);
    }
    else
    {
        DrawVerse(pDC, m_nCurPoem, fieldUpper);
        DrawCard(pDC, 0);
    }
    pDC->SetTextColor(kVerseText);

    if (m_bAnswerShown)
    {
        DrawVerse(pDC, m_nCurPoem, fieldLower);
        DrawVerse(pDC, m_nCurPoem, fieldUpper);
        DrawVerse(pDC, m_nCurPoem, fieldAuthor);
        DrawVerse(pDC, m_nCurPoem, fieldMeaning);
        DrawVerse(pDC, m_nCurPoem, fieldKimariji);
        DrawCard(pDC, m_nCurPoem);
    }

    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    UpdateData(FALSE);
}

void CKasumioriView::DrawVerse(CDC* pDC, int nPoem, PoemField field)
{
    m_strNumber = NumToStr(nPoem);
    if (nPoem == 0)
    {
        pDC->SetTextColor(kPlaceholderText);
        m_strNumber = "番号";
    }
    const CString& strText = GetKasumioriDoc()->m_aPoem[nPoem].GetField(field);
    // Opaque white behind every cell, so a placeholder blanks what a poem had written.
    pDC->SetBkColor(kVerseBackground);
    DrawVerticalText(pDC, strText, BoxOf(field), m_nCharWidth, m_nLineHeight, kUpperSingleByte);
    pDC->SetTextColor(kVerseText);
    UpdateData(FALSE);
}

void CKasumioriView::ClearDisplay()
{
    CClientDC dc(this);
    dc.SetTextColor(kPlaceholderText);
    DrawVerse(&dc, 0, fieldUpper);
    DrawVerse(&dc, 0, fieldLower);
    DrawVerse(&dc, 0, fieldKimariji);
    DrawVerse(&dc, 0, fieldAuthor);
    DrawVerse(&dc, 0, fieldMeaning);
    DrawCard(&dc, 0);
    m_strNumber = "番号";
    dc.SetTextColor(kVerseText);
    UpdateData(FALSE);
}

void CKasumioriView::DrawCard(CDC* pDC, int nPoem)
{
    UINT nBitmapID = IDB_BLANK_CARD;
    CPoint ptSource(0, 0);
    if (nPoem != 0)
    {
        nBitmapID = IDB_CARDS;
        ptSource.x = ((nPoem - 1) % kCardsPerRow) * kCardWidth;
        ptSource.y = ((nPoem - 1) / kCardsPerRow) * kCardHeight;
    }

    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nBitmapID))
        return;
    CDC dcMemory;
    if (!dcMemory.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOldBitmap = dcMemory.SelectObject(&bitmap);
    pDC->BitBlt(m_ptCard.x, m_ptCard.y, kCardWidth, kCardHeight, &dcMemory, ptSource.x,
                ptSource.y, SRCCOPY);
    dcMemory.SelectObject(pOldBitmap);
    dcMemory.DeleteDC();
    bitmap.DeleteObject();
}

void CKasumioriView::OnNextPoem()
{
    m_bAnswerShown = false;
    StopReading(GetKasumioriDoc());
    int nNext = m_bRandom ? PickRandomPoem() : m_nCurPoem + 1;
    if (nNext < 1 || nNext > 100)
        nNext = 1;
    m_nPrevPoem = m_nCurPoem;
    m_nCurPoem = nNext;
    ShowFirstVerse();
}

void CKasumioriView::OnAnswer()
{
    m_bAnswerShown = true;
    StopReading(GetKasumioriDoc());
    ClearDisplay();
    {
        CClientDC dc(this);
        DrawVerse(&dc, m_nCurPoem, fieldUpper);
        DrawVerse(&dc, m_nCurPoem, fieldLower);
        DrawVerse(&dc, m_nCurPoem, fieldKimariji);
        DrawVerse(&dc, m_nCurPoem, fieldAuthor);
        DrawVerse(&dc, m_nCurPoem, fieldMeaning);
        DrawCard(&dc, m_nCurPoem);
    }
    // The verse that was not shown first.
    PlayReading(GetKasumioriDoc(), m_bVoice, m_bLowerFirst ? 0 : 1, m_nCurPoem);
    m_btnNext.SetFocus();
    UpdateData(FALSE);
}

void CKasumioriView::OnPrevPoem()
{
    m_bAnswerShown = false;
    StopReading(GetKasumioriDoc());
    if (m_bRandom)
    {
        // Random order remembers one step back only.
        m_nCurPoem = m_nPrevPoem;
    }
    else
    {
        m_nPrevPoem = m_nCurPoem;
        m_nCurPoem = m_nCurPoem - 1;
        if (m_nCurPoem <= 0)
            m_nCurPoem = 100;
    }
    ShowFirstVerse();
}

void CKasumioriView::OnRandom()
{
    UpdateData(TRUE);
    m_bRandom = !m_bRandom;
    m_nRandomCheck = m_bRandom ? 1 : 0;
    UpdateData(FALSE);
}

void CKasumioriView::OnLowerFirst()
{
    UpdateData(TRUE);
    m_bLowerFirst = !m_bLowerFirst;
    m_nLowerFirstCheck = m_bLowerFirst ? 1 : 0;
    UpdateData(FALSE);
}

void CKasumioriView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
}

void CKasumioriView::OnVoice()
{
    UpdateData(TRUE);
    // Pressed means silent.
    m_bVoice = (m_nVoiceCheck == 0);
    UpdateData(FALSE);
}

void CKasumioriView::OnKillfocusNumber()
{
    UpdateData(TRUE);
    StopReading(GetKasumioriDoc());
    int nPoem = StrToNum(m_strNumber);
    if (nPoem < 1 || nPoem > 100)
        nPoem = m_nCurPoem;
    m_nPrevPoem = m_nCurPoem;
    m_nCurPoem = nPoem;
    m_bAnswerShown = false;
    ShowFirstVerse();
}

int CKasumioriView::PickRandomPoem()
{
    int nAttempt = 1;

    bool bAllUsed = true;
    for (int i = 1; i <= 100; ++i)
    {
        if (m_aUsed[i] == 0)
        {
            bAllUsed = false;
            break;
        }
    }
    if (bAllUsed)
    {
        MessageBox("百首終了しました。新たに百首表示します。", "情報", MB_OK);
        for (INT_PTR i = 0; i < m_aUsed.GetSize(); ++i)
            m_aUsed[i] = 0;
    }

    int nPoem = 0;
    do
    {
        ++nAttempt;
        const COleDateTime now = COleDateTime::GetCurrentTime();
        const int nSeed = m_nPrevPoem + m_nCurPoem + now.GetSecond() + now.GetMinute() +
                          now.GetHour() + now.GetDay() + now.GetMonth() + now.GetYear() +
                          nAttempt;
        // One value per seed: successive attempts in the same second differ by the counter.
        std::srand(static_cast<unsigned int>(nSeed));
        nPoem = std::rand() % 100;
        if (nPoem == 0)
            nPoem = 100;
    } while (m_aUsed[nPoem] != 0);

    m_aUsed[nPoem] = 1;
    return nPoem;
}

CKasumioriDoc* CKasumioriView::GetKasumioriDoc() const
{
    return static_cast<CKasumioriDoc*>(m_pDocument);
}

const VerseBox& CKasumioriView::BoxOf(PoemField field) const
{
    switch (field)
    {
    case fieldLower:
        return m_boxLower;
    case fieldAuthor:
        return m_boxAuthor;
    case fieldMeaning:
        return m_boxMeaning;
    case fieldKimariji:
        return m_boxKimariji;
    case fieldUpper:
    default:
        return m_boxUpper;
    }
}

// Moves a control of the form, keeping its size, and shows the members in it again.
void CKasumioriView::MoveControl(UINT nID, int x, int y)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == nullptr || pControl->GetSafeHwnd() == nullptr)
        return;
    CRect rc;
    pControl->GetWindowRect(&rc);
    ScreenToClient(&rc);
    pControl->MoveWindow(x, y, rc.Width(), rc.Height(), TRUE);
    UpdateData(FALSE);
}

// The common end of every move to a poem: blank, write its first verse, read it.
void CKasumioriView::ShowFirstVerse()
{
    ClearDisplay();
    {
        CClientDC dc(this);
        DrawVerse(&dc, m_nCurPoem, m_bLowerFirst ? fieldLower : fieldUpper);
        // The card carries the lower verse, so it goes with it.
        if (m_bLowerFirst)
            DrawCard(&dc, m_nCurPoem);
    }
    PlayReading(GetKasumioriDoc(), m_bVoice, m_bLowerFirst ? 1 : 0, m_nCurPoem);
    m_btnAnswer.SetFocus();
    UpdateData(FALSE);
}
