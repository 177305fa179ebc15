#include "SeisekiDlg.h"

IMPLEMENT_DYNAMIC(CSeisekiDlg, CDialog)

BEGIN_MESSAGE_MAP(CSeisekiDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSeisekiDlg::CSeisekiDlg()
    : CDialog(CSeisekiDlg::IDD)
{
}

CSeisekiDlg::~CSeisekiDlg()
{
}

void CSeisekiDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawResults();
}

void CSeisekiDlg::DrawResults()
{
    CDC* pDC = GetDC();
    if (pDC == nullptr)
        return;
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(10, 10, CString("今回の成績"));
    pDC->TextOut(20, 30, "上の句で取った札…　" + m_strTakenUpper + " 枚");
    pDC->TextOut(20, 50, "下の句で取った札…　" + m_strTakenLower + " 枚");
    pDC->TextOut(20, 70, "取れなかった札　…　" + m_strNotTaken + " 枚");
    pDC->TextOut(20, 90, "お手付き　　　　…　" + m_strFaults + " 回");
    pDC->TextOut(20, 110, "練習時間　　　　…　" + m_strHours + " 時間 " + m_strMinutes + " 分 " +
                              m_strSeconds + " 秒 ");
    ReleaseDC(pDC);
}
