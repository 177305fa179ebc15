// The shared document: its start state, the meanings file and the document file format.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "KasumioriDoc.h"
#include "PoemTable.h"
#include "TestFiles.h"

namespace
{
using testfiles::ScratchDir;

std::unique_ptr<CKasumioriDoc> NewDocument()
{
    CObject* pObject = RUNTIME_CLASS(CKasumioriDoc)->CreateObject();
    return std::unique_ptr<CKasumioriDoc>(static_cast<CKasumioriDoc*>(pObject));
}

std::string Str(const CString& s)
{
    return std::string(static_cast<LPCSTR>(s), s.GetLength());
}

std::string BuiltInMeaning(int k)
{
    return g_aPoemTable[k].pszMeaning;
}

// The lines of the meanings format: split at LF, a CR right before the LF is not part of it,
// a last line without a line end still counts.
std::vector<std::string> ExpectedLines(const std::string& strBytes)
{
    std::vector<std::string> aLines;
    size_t nStart = 0;
    while (nStart < strBytes.size())
    {
        size_t nEnd = strBytes.find('\n', nStart);
        if (nEnd == std::string::npos)
        {
            aLines.push_back(strBytes.substr(nStart));
            break;
        }
        size_t nLen = nEnd - nStart;
        if (nLen > 0 && strBytes[nEnd - 1] == '\r')
            --nLen;
        aLines.push_back(strBytes.substr(nStart, nLen));
        nStart = nEnd + 1;
    }
    return aLines;
}

class MeaningsFileTest : public ::testing::Test
{
protected:
    MeaningsFileTest() : m_dir(L"imi"), m_pDoc(NewDocument())
    {
        m_pDoc->InitPoemTable();
        m_pDoc->m_strBaseDir = m_dir.DoubledBaseDir();
    }

    void LoadFile(const std::string& strBytes)
    {
        testfiles::WriteBytes(m_dir.File(L"imi.csv"), strBytes);
        m_pDoc->LoadMeanings();
    }

    // Meanings 1..100 are the file's lines, the rest keep the built-in text; record 0 untouched.
    void ExpectMeaningsFrom(const std::string& strBytes)
    {
        const std::vector<std::string> aLines = ExpectedLines(strBytes);
        for (int k = 1; k <= 100; ++k)
        {
            const std::string strWant = k <= static_cast<int>(aLines.size()) ? aLines[k - 1]
                                                                              : BuiltInMeaning(k);
            ASSERT_EQ(strWant, Str(m_pDoc->m_aPoem[k].m_strMeaning)) << "poem " << k;
        }
        EXPECT_EQ(BuiltInMeaning(0), Str(m_pDoc->m_aPoem[0].m_strMeaning));
    }

    void ExpectBuiltInMeanings()
    {
        for (int k = 0; k <= 100; ++k)
            ASSERT_EQ(BuiltInMeaning(k), Str(m_pDoc->m_aPoem[k].m_strMeaning)) << "poem " << k;
    }

    ScratchDir m_dir;
    std::unique_ptr<CKasumioriDoc> m_pDoc;
};

TEST(DocumentTest, NewDocumentHasNoDeviceAndNoBaseFolder)
{
    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_TRUE(pDoc->IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_EQ(0u, pDoc->m_nMciDeviceID);
    EXPECT_TRUE(pDoc->m_strBaseDir.IsEmpty());
    EXPECT_TRUE(pDoc->OnNewDocument());
    EXPECT_EQ(0u, pDoc->m_nMciDeviceID);
}

TEST(DocumentTest, InitPoemTableCopiesEveryRecord)
{
    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    pDoc->m_aPoem[7].m_strMeaning = "changed";
    pDoc->InitPoemTable();
    for (int k = 0; k <= 100; ++k)
    {
        const PoemEntry& e = g_aPoemTable[k];
        const PoemRecord& r = pDoc->m_aPoem[k];
        ASSERT_STREQ(e.pszUpper, r.m_strUpper) << k;
        ASSERT_STREQ(e.pszLower, r.m_strLower) << k;
        ASSERT_STREQ(e.pszAuthor, r.m_strAuthor) << k;
        ASSERT_STREQ(e.pszMeaning, r.m_strMeaning) << k;
        ASSERT_STREQ(e.pszKimariji, r.m_strKimariji) << k;
        ASSERT_EQ(e.nKimarijiLen, r.m_nKimarijiLen) << k;
        for (int f = fieldUpper; f <= fieldKimariji; ++f)
            ASSERT_EQ(&r.GetField(static_cast<PoemField>(f)),
                      f == fieldUpper ? &r.m_strUpper
                      : f == fieldLower ? &r.m_strLower
                      : f == fieldAuthor ? &r.m_strAuthor
                      : f == fieldMeaning ? &r.m_strMeaning
                                          : &r.m_strKimariji);
    }
}

TEST_F(MeaningsFileTest, ThreeLinesReplaceTheFirstThreeMeanings)
{
    const std::string strFile = "一つ目\r\n二つ目\r\n三つ目\r\n";
    LoadFile(strFile);
    EXPECT_EQ("一つ目", Str(m_pDoc->m_aPoem[1].m_strMeaning));
    EXPECT_EQ("三つ目", Str(m_pDoc->m_aPoem[3].m_strMeaning));
    ExpectMeaningsFrom(strFile);
}

TEST_F(MeaningsFileTest, LinesAfterTheHundredthAreNotUsed)
{
    std::string strFile;
    for (int i = 1; i <= 150; ++i)
        strFile += "意味" + std::to_string(i) + "\n";
    LoadFile(strFile);
    EXPECT_EQ("意味100", Str(m_pDoc->m_aPoem[100].m_strMeaning));
    ExpectMeaningsFrom(strFile);
}

TEST_F(MeaningsFileTest, LinesAreTakenWhole)
{
    // Empty line 5, commas kept, CR LF and LF mixed, a lone CR kept, no line end at the end.
    const std::string strFile =
        "a\nb\r\nc\n, d\r\n\nうた,よみ,ふだ\r\nx\ry\n\t 前後の空白 \nlast line";
    LoadFile(strFile);
    EXPECT_EQ("", Str(m_pDoc->m_aPoem[5].m_strMeaning));
    EXPECT_EQ("うた,よみ,ふだ", Str(m_pDoc->m_aPoem[6].m_strMeaning));
    EXPECT_EQ("x\ry", Str(m_pDoc->m_aPoem[7].m_strMeaning));
    EXPECT_EQ("last line", Str(m_pDoc->m_aPoem[9].m_strMeaning));
    ExpectMeaningsFrom(strFile);
}

TEST_F(MeaningsFileTest, CrLfAndLfGiveTheSameMeanings)
{
    LoadFile("春\r\n夏\r\n秋\r\n");
    std::vector<std::string> aCrLf;
    for (int k = 1; k <= 4; ++k)
        aCrLf.push_back(Str(m_pDoc->m_aPoem[k].m_strMeaning));
    m_pDoc->InitPoemTable();
    LoadFile("春\n夏\n秋\n");
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(aCrLf[k - 1], Str(m_pDoc->m_aPoem[k].m_strMeaning)) << k;
}

TEST_F(MeaningsFileTest, BytesAreKeptIncludingBackslashTrailBytes)
{
    // 表 = 95 5C, ソ = 83 5C, 能 = 94 5C; half-width kana and a real backslash as well.
    const std::string strFile = "表示\\ソ能\r\n\xB6\xBC\xDC\x5C\r\n\x81\x5C\x81\x40\n";
    LoadFile(strFile);
    EXPECT_EQ("表示\\ソ能", Str(m_pDoc->m_aPoem[1].m_strMeaning));
    EXPECT_EQ("\xB6\xBC\xDC\x5C", Str(m_pDoc->m_aPoem[2].m_strMeaning));
    ExpectMeaningsFrom(strFile);
}

TEST_F(MeaningsFileTest, MissingFileIsSkippedSilently)
{
    EXPECT_NO_THROW(m_pDoc->LoadMeanings());
    ExpectBuiltInMeanings();
}

TEST_F(MeaningsFileTest, FileLockedByAnotherProgramIsSkippedSilently)
{
    const std::wstring strPath = m_dir.File(L"imi.csv");
    testfiles::WriteBytes(strPath, "locked\r\n");
    HANDLE hLock = CreateFileW(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    EXPECT_NO_THROW(m_pDoc->LoadMeanings());
    CloseHandle(hLock);
    ExpectBuiltInMeanings();
    // Once the lock is gone the file is read.
    m_pDoc->LoadMeanings();
    EXPECT_EQ("locked", Str(m_pDoc->m_aPoem[1].m_strMeaning));
}

TEST_F(MeaningsFileTest, FolderInPlaceOfTheFileIsSkippedSilently)
{
    ASSERT_TRUE(CreateDirectoryW(m_dir.File(L"imi.csv").c_str(), nullptr));
    EXPECT_NO_THROW(m_pDoc->LoadMeanings());
    ExpectBuiltInMeanings();
}

TEST_F(MeaningsFileTest, BinaryFileIsReadWithoutHarm)
{
    std::string strFile;
    unsigned n = 12345;
    for (int i = 0; i < 20000; ++i)
    {
        n = n * 1103515245u + 12345u;
        strFile += static_cast<char>((n >> 16) & 0xFF);
    }
    strFile += std::string("\0\x1A\r\r\n\x81", 6);   // NUL, Ctrl+Z, CR CR LF, a lone lead byte
    LoadFile(strFile);
    ExpectMeaningsFrom(strFile);
}

TEST_F(MeaningsFileTest, VeryLongLinesAreReadWhole)
{
    const std::string strLong1(300000, 'a');
    std::string strLong2;
    for (int i = 0; i < 50000; ++i)
        strLong2 += "あ,";
    const std::string strFile = strLong1 + "\r\n" + strLong2 + "\nshort\n";
    LoadFile(strFile);
    EXPECT_EQ(static_cast<int>(strLong1.size()), m_pDoc->m_aPoem[1].m_strMeaning.GetLength());
    EXPECT_EQ("short", Str(m_pDoc->m_aPoem[3].m_strMeaning));
    ExpectMeaningsFrom(strFile);
}

// The document file itself, through the archive that the framework's open and save use.
class DocumentFileTest : public ::testing::Test
{
protected:
    DocumentFileTest() : m_dir(L"doc") {}

    static void Store(CKasumioriDoc* pDoc, const std::wstring& strPath)
    {
        CFile file(AfxFromWide(strPath.c_str()), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        pDoc->Serialize(ar);
        ar.Close();
        file.Close();
    }

    static void Load(CKasumioriDoc* pDoc, const std::wstring& strPath)
    {
        CFile file(AfxFromWide(strPath.c_str()), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        pDoc->Serialize(ar);
        ar.Close();
        file.Close();
    }

    ScratchDir m_dir;
};

TEST_F(DocumentFileTest, NewDocumentStoresItsHundredMeaningsAsLines)
{
    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    pDoc->InitPoemTable();
    pDoc->m_aPoem[2].m_strMeaning = "表,ソ\\";
    pDoc->m_aPoem[3].m_strMeaning = "";
    const std::wstring strPath = m_dir.File(L"saved.csv");
    Store(pDoc.get(), strPath);

    std::string strWant;
    for (int k = 1; k <= 100; ++k)
        strWant += Str(pDoc->m_aPoem[k].m_strMeaning) + "\r\n";
    EXPECT_EQ(strWant, testfiles::ReadBytes(strPath));

    std::unique_ptr<CKasumioriDoc> pOther = NewDocument();
    pOther->InitPoemTable();
    for (int k = 1; k <= 100; ++k)
        pOther->m_aPoem[k].m_strMeaning = "x";
    Load(pOther.get(), strPath);
    for (int k = 0; k <= 100; ++k)
        ASSERT_EQ(Str(pDoc->m_aPoem[k].m_strMeaning), Str(pOther->m_aPoem[k].m_strMeaning)) << k;
}

TEST_F(DocumentFileTest, OpenedFileSavedAgainKeepsItsContent)
{
    // The view refills the table after a file is opened; saving must still give the file
    // back its own lines, not the built-in meanings.
    const std::wstring strPath = m_dir.File(L"私の意味.csv");
    const std::string strFile = "自分の訳,一\r\n\r\n表ソ\\三\r\n";
    testfiles::WriteBytes(strPath, strFile);

    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    ASSERT_TRUE(pDoc->OnOpenDocument(AfxFromWide(strPath.c_str())));
    EXPECT_EQ("自分の訳,一", Str(pDoc->m_aPoem[1].m_strMeaning));
    pDoc->InitPoemTable();
    pDoc->m_strBaseDir = m_dir.DoubledBaseDir();
    pDoc->LoadMeanings();
    ASSERT_TRUE(pDoc->OnSaveDocument(AfxFromWide(strPath.c_str())));
    EXPECT_EQ(strFile, testfiles::ReadBytes(strPath));

    // Save As of the same document writes the same lines elsewhere.
    const std::wstring strCopy = m_dir.File(L"copy.csv");
    ASSERT_TRUE(pDoc->OnSaveDocument(AfxFromWide(strCopy.c_str())));
    EXPECT_EQ(strFile, testfiles::ReadBytes(strCopy));
}

TEST_F(DocumentFileTest, OpenedFileWithLfLinesSavesTheSameMeanings)
{
    const std::wstring strPath = m_dir.File(L"lf.csv");
    testfiles::WriteBytes(strPath, "a\nb,c\nlast");
    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    ASSERT_TRUE(pDoc->OnOpenDocument(AfxFromWide(strPath.c_str())));
    ASSERT_TRUE(pDoc->OnSaveDocument(AfxFromWide(strPath.c_str())));
    EXPECT_EQ("a\r\nb,c\r\nlast\r\n", testfiles::ReadBytes(strPath));
}

TEST_F(DocumentFileTest, MeaningsFileDoesNotBecomeTheDocumentsContent)
{
    // A new document that reads the meanings file still saves its whole table.
    ScratchDir base(L"base");
    testfiles::WriteBytes(base.File(L"imi.csv"), "from imi\r\n");
    std::unique_ptr<CKasumioriDoc> pDoc = NewDocument();
    pDoc->InitPoemTable();
    pDoc->m_strBaseDir = base.DoubledBaseDir();
    pDoc->LoadMeanings();
    const std::wstring strPath = m_dir.File(L"new.csv");
    Store(pDoc.get(), strPath);
    const std::vector<std::string> aLines = ExpectedLines(testfiles::ReadBytes(strPath));
    ASSERT_EQ(100u, aLines.size());
    EXPECT_EQ("from imi", aLines[0]);
    EXPECT_EQ(BuiltInMeaning(100), aLines[99]);
}
}  // namespace
