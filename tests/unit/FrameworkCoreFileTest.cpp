// Files, line reading by CStdioFile and CArchive, and the file errors the program relies on.
#include "AfxCore.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
class FrameworkCoreFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t szTemp[MAX_PATH];
        GetTempPathW(MAX_PATH, szTemp);
        m_strDir = std::wstring(szTemp) + L"kscore" + std::to_wstring(GetCurrentProcessId()) +
                   L"_" + std::to_wstring(GetTickCount());
        ASSERT_TRUE(CreateDirectoryW(m_strDir.c_str(), nullptr));
    }

    void TearDown() override
    {
        for (const std::wstring& strFile : m_aFiles)
            DeleteFileW(strFile.c_str());
        RemoveDirectoryW(m_strDir.c_str());
    }

    // A file of the given bytes in the scratch folder; the result is its CP932 path.
    CString MakeFile(const wchar_t* pszName, const std::string& strBytes)
    {
        const std::wstring strPath = m_strDir + L"\\" + pszName;
        m_aFiles.push_back(strPath);
        HANDLE h = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, h);
        DWORD nWritten = 0;
        WriteFile(h, strBytes.data(), static_cast<DWORD>(strBytes.size()), &nWritten, nullptr);
        CloseHandle(h);
        return AfxFromWide(strPath.c_str());
    }

    static std::string Contents(LPCSTR pszPath)
    {
        CFile file(pszPath, CFile::modeRead | CFile::shareDenyNone);
        std::string strBytes(static_cast<size_t>(file.GetLength()), '\0');
        if (!strBytes.empty())
        {
            EXPECT_EQ(strBytes.size(), file.Read(&strBytes[0], static_cast<UINT>(strBytes.size())));
        }
        return strBytes;
    }

    std::wstring m_strDir;
    std::vector<std::wstring> m_aFiles;
};

std::string Bytes(const CString& str)
{
    return std::string(static_cast<LPCSTR>(str), static_cast<size_t>(str.GetLength()));
}

std::vector<std::string> LinesOfStdio(LPCSTR pszPath)
{
    CStdioFile file(pszPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText);
    std::vector<std::string> aLines;
    CString strLine;
    while (file.ReadString(strLine))
        aLines.push_back(Bytes(strLine));
    EXPECT_TRUE(strLine.IsEmpty());
    EXPECT_FALSE(file.ReadString(strLine));   // stays at the end
    return aLines;
}

// An archive over any file; a small buffer makes line ends fall on buffer boundaries.
std::vector<std::string> LinesOfArchive(CFile& file, int nBufSize)
{
    CArchive ar(&file, CArchive::load, nBufSize);
    std::vector<std::string> aLines;
    CString strLine;
    while (ar.ReadString(strLine))
        aLines.push_back(Bytes(strLine));
    ar.Close();
    file.Close();
    return aLines;
}

struct LineCase
{
    const char* pszName;
    std::string strBytes;
    std::vector<std::string> aLines;
};
}

TEST_F(FrameworkCoreFile, ReadsLinesByTheSameRulesThroughFileAndArchive)
{
    const std::string strLong(100 * 1024, '\x82');   // 100 KB of lead bytes, no line end inside
    const std::string strAtEdge(127, 'a');           // its CR is the last byte of a 128-byte buffer
    const std::vector<LineCase> aCases = {
        {"crlf and lf alike", "one\r\ntwo\nthree\r\n", {"one", "two", "three"}},
        {"last line without end", "a,b\r\nlast", {"a,b", "last"}},
        {"empty lines", "\n\r\n\nx", {"", "", "", "x"}},
        {"empty file", "", {}},
        {"lone cr kept", "x\ry\r\n\r", {"x\ry", "\r"}},
        {"cp932, 5c trail and nul", std::string("表\\\0z,ソ\r\n", 10) + "能\n",
         {std::string("表\\\0z,ソ", 8), "能"}},
        {"100 KB line", strLong + "\r\nend", {strLong, "end"}},
        {"crlf across buffers", strAtEdge + "\r\nb\r\n", {strAtEdge, "b"}},
    };
    for (const LineCase& c : aCases)
    {
        const CString strPath = MakeFile(L"lines.csv", c.strBytes);
        EXPECT_EQ(c.aLines, LinesOfStdio(strPath)) << c.pszName;
        CFile plain(strPath, CFile::modeRead | CFile::shareExclusive);
        EXPECT_EQ(c.aLines, LinesOfArchive(plain, 128)) << c.pszName;
        CStdioFile stdio(strPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText);
        EXPECT_EQ(c.aLines, LinesOfArchive(stdio, 4096)) << c.pszName;
    }
}

TEST_F(FrameworkCoreFile, LineReadingKeepsTheFilePosition)
{
    const CString strPath = MakeFile(L"pos.txt", "L1\r\nrest\nmore");
    CStdioFile file;
    ASSERT_TRUE(file.Open(strPath, CFile::modeRead | CFile::typeText));
    CString strLine;
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(4u, file.GetPosition());
    char aBuf[4];
    ASSERT_EQ(4u, file.Read(aBuf, 4));
    EXPECT_EQ("rest", std::string(aBuf, 4));

    // An archive gives back what it read ahead when it closes.
    CArchive ar(&file, CArchive::load);
    ASSERT_TRUE(ar.ReadString(strLine));
    EXPECT_EQ(CString(""), strLine);   // the LF after "rest"
    ar.Close();
    EXPECT_EQ(9u, file.GetPosition());
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(CString("more"), strLine);
}

TEST_F(FrameworkCoreFile, MissingFileFailsWithFileNotFound)
{
    const CString strPath = AfxFromWide((m_strDir + L"\\無い.csv").c_str());
    CStdioFile file;
    CFileException ex;
    EXPECT_FALSE(file.Open(strPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText, &ex));
    EXPECT_EQ(CFileException::fileNotFound, ex.m_cause);
    EXPECT_EQ(static_cast<LONG>(ERROR_FILE_NOT_FOUND), ex.m_lOsError);
    EXPECT_EQ(strPath, ex.m_strFileName);
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);

    int nCause = CFileException::none;
    try
    {
        CStdioFile opened(strPath, CFile::modeRead | CFile::typeText);
    }
    catch (CFileException* e)
    {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::fileNotFound, nCause);
}

TEST_F(FrameworkCoreFile, FileHeldByAnotherHandleGivesSharingViolation)
{
    const CString strPath = MakeFile(L"imi.csv", "line\r\n");
    HANDLE hOther = CreateFileW(AfxToWide(strPath).c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hOther);
    CStdioFile file;
    CFileException ex;
    EXPECT_FALSE(file.Open(strPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText, &ex));
    EXPECT_EQ(CFileException::sharingViolation, ex.m_cause);
    CloseHandle(hOther);

    // And our own exclusive handle keeps others out in turn.
    ASSERT_TRUE(file.Open(strPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText));
    CFile second;
    EXPECT_FALSE(second.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &ex));
    EXPECT_EQ(CFileException::sharingViolation, ex.m_cause);
}

TEST_F(FrameworkCoreFile, WritesTextModeLineEndsAndJapanesePaths)
{
    const CString strPath = MakeFile(L"意味.txt", "");
    {
        CStdioFile file(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("秋\nの\n");
        EXPECT_EQ(CString("意味.txt"), file.GetFileName());
        EXPECT_EQ(strPath, file.GetFilePath());
        file.Close();
    }
    EXPECT_EQ(std::string("秋\r\nの\r\n"), Contents(strPath));

    {
        CStdioFile file(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb");
    }
    EXPECT_EQ(std::string("a\nb"), Contents(strPath));

    // A storing archive writes through its buffer in order and flushes on Close.
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 128);
        const std::string strBig(300, 'z');
        ar.Write(strBig.data(), static_cast<UINT>(strBig.size()));
        ar.WriteString("表\\");
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(std::string(300, 'z') + "表\\", Contents(strPath));
}

TEST_F(FrameworkCoreFile, ArchiveRefusesTheWrongDirection)
{
    const CString strPath = MakeFile(L"dir.txt", "x");
    CFile file(strPath, CFile::modeReadWrite);
    int nCause = CArchiveException::none;
    {
        CArchive ar(&file, CArchive::load);
        try
        {
            ar.Write("y", 1);
        }
        catch (CArchiveException* e)
        {
            nCause = e->m_cause;
            e->Delete();
        }
    }
    EXPECT_EQ(CArchiveException::readOnly, nCause);
    file.Close();
    EXPECT_EQ(std::string("x"), Contents(strPath));
}

TEST_F(FrameworkCoreFile, ReadAfterCloseThrowsAFileException)
{
    const CString strPath = MakeFile(L"closed.txt", "abc");
    CFile file(strPath, CFile::modeRead);
    file.Close();
    char c;
    int nCause = CFileException::none;
    try
    {
        file.Read(&c, 1);
    }
    catch (CFileException* e)
    {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::invalidFile, nCause);
}
