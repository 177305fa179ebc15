// The document that both activities share: the poem table, the base folder and the recording.
#include "KasumioriDoc.h"
#include "NumText.h"
#include "PoemTable.h"

IMPLEMENT_DYNCREATE(CKasumioriDoc, CDocument)

BEGIN_MESSAGE_MAP(CKasumioriDoc, CDocument)
END_MESSAGE_MAP()

CKasumioriDoc::CKasumioriDoc()
    : m_nMciDeviceID(0)
{
}

CKasumioriDoc::~CKasumioriDoc()
{
    // The recording belongs to the views, which stop and close it themselves.
}

void CKasumioriDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        // One meaning per line, CP932 with CR LF, readable by the loading direction. A document
        // from a file gives back the lines that file held; a new one writes its table.
        for (int k = 1; k <= 100; ++k)
        {
            if (m_bFromFile && k > m_nFileMeanings)
                break;
            ar.WriteString(m_bFromFile ? m_aFileMeaning[k] : m_aPoem[k].m_strMeaning);
            ar.WriteString("\r\n");
        }
        return;
    }

    const bool bOwnFile = !m_bReadingMeaningsFile;
    if (bOwnFile)
    {
        m_bFromFile = true;
        m_nFileMeanings = 0;
    }
    CString strLine;
    for (int k = 1; k <= 100 && ar.ReadString(strLine); ++k)
    {
        m_aPoem[k].m_strMeaning = strLine;
        if (bOwnFile)
        {
            m_aFileMeaning[k] = strLine;
            m_nFileMeanings = k;
        }
    }
}

BOOL CKasumioriDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    // The table is filled by the view's initial update, not here.
    return TRUE;
}

void CKasumioriDoc::InitPoemTable()
{
    for (int i = 0; i <= 100; ++i)
    {
        const PoemEntry& entry = g_aPoemTable[i];
        PoemRecord& poem = m_aPoem[i];
        poem.m_strUpper = entry.pszUpper;
        poem.m_strLower = entry.pszLower;
        poem.m_strAuthor = entry.pszAuthor;
        poem.m_strMeaning = entry.pszMeaning;
        poem.m_strKimariji = entry.pszKimariji;
        poem.m_nKimarijiLen = entry.nKimarijiLen;
    }
}

void CKasumioriDoc::LoadMeanings()
{
    // The base folder's separators are doubled, and so is this one.
    const CString strPath = m_strBaseDir + "\\\\imi.csv";
    m_bReadingMeaningsFile = true;
    try
    {
        CStdioFile file(strPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText);
        CArchive ar(&file, CArchive::load, 4096);
        Serialize(ar);
        ar.Close();
        file.Close();
    }
    catch (CFileException* e)
    {
        // The meanings file is optional: missing, locked or unreadable means built-in meanings.
        e->Delete();
    }
    catch (...)
    {
        m_bReadingMeaningsFile = false;
        throw;
    }
    m_bReadingMeaningsFile = false;
}

void CKasumioriDoc::OpenReadingAudio(int nPart, int nPoem)
{
    CString strPath = m_strBaseDir + "\\\\yomi\\\\hy";
    if (nPoem == 0)
    {
        // The introduction has no part.
        strPath += "000";
    }
    else
    {
        CString strNumber = NumToStr(nPoem);
        if (strNumber.GetLength() == 1)
            strNumber = "00" + strNumber;
        else if (strNumber.GetLength() == 2)
            strNumber = "0" + strNumber;
        strPath += strNumber;
        strPath += (nPart == 0) ? "0" : "1";
    }
    strPath += ".wav";

    const std::wstring strWidePath = AfxToWide(strPath);
    MCI_OPEN_PARMSW parms = {};
    parms.lpstrDeviceType = reinterpret_cast<LPCWSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_WAVEFORM_AUDIO));
    parms.lpstrElementName = strWidePath.c_str();
    const MCIERROR nError = mciSendCommandW(
        0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID,
        reinterpret_cast<DWORD_PTR>(&parms));
    // A failed open may leave an id in the block; only a successful one names a device.
    m_nMciDeviceID = (nError == 0) ? parms.wDeviceID : 0;
}
