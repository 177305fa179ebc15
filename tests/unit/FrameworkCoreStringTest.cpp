// CString as a string of code-page-932 bytes, the conversions to UTF-16, runtime classes,
// the word array and rectangles.
#include "AfxCore.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace
{
// Runs f and reports whether it threw an E*, which is then deleted.
template <class E, class F>
bool Throws(F f)
{
    try
    {
        f();
    }
    catch (E* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

std::string Bytes(const CString& str)
{
    return std::string(static_cast<LPCSTR>(str), static_cast<size_t>(str.GetLength()));
}
}

TEST(FrameworkCoreString, CountsAndCutsCp932Bytes)
{
    const CString str("秋の田の　");
    EXPECT_EQ(10, str.GetLength());
    EXPECT_EQ(std::string("\x8F\x48\x82\xCC\x93\x63\x82\xCC\x81\x40"), Bytes(str));
    EXPECT_EQ(CString("秋"), str.Left(2));
    EXPECT_EQ(CString("田の"), str.Mid(4, 4));
    EXPECT_EQ(CString("の　"), str.Right(4));
    EXPECT_EQ(CString(""), str.Mid(12));
    EXPECT_EQ(CString("　"), str.Mid(8, 100));
    EXPECT_EQ(4, str.Find("田"));
    EXPECT_EQ(6, str.Find("の", 3));
    EXPECT_EQ(-1, str.Find("秋", 1));

    CString joined = str + "かりほの庵";
    joined += '!';
    EXPECT_EQ(21, joined.GetLength());
    EXPECT_TRUE(joined == "秋の田の　かりほの庵!");
}

TEST(FrameworkCoreString, KeepsEmbeddedNulBytes)
{
    const char aBytes[] = {'a', '\0', 'b', '\0', 'c'};
    CString str(aBytes, 5);
    EXPECT_EQ(5, str.GetLength());
    EXPECT_EQ('c', str.GetAt(4));
    CString copy = str;
    copy += str;
    EXPECT_EQ(10, copy.GetLength());
    EXPECT_EQ(std::string(aBytes, 5) + std::string(aBytes, 5), Bytes(copy));
    EXPECT_FALSE(str == CString("a"));   // the NUL does not end the comparison
    EXPECT_EQ(3, str.Mid(2).GetLength());
}

TEST(FrameworkCoreString, SearchesSkipSecondBytesOfDoubleByteCharacters)
{
    // 表 is 95 5C and ソ is 83 5C: their second byte is the backslash.
    const CString str("C:\\表ソ\\x");
    EXPECT_EQ(2, str.Find('\\'));
    EXPECT_EQ(7, str.Find('\\', 3));
    EXPECT_EQ(7, str.ReverseFind('\\'));
    EXPECT_EQ(-1, CString("表ソ").Find('\\'));
    EXPECT_EQ(-1, CString("表").Find("\\"));

    CString path(str);
    EXPECT_EQ(2, path.Replace("\\", "/"));
    EXPECT_EQ(CString("C:/表ソ/x"), path);
    EXPECT_EQ(0, CString("表").Replace('\\', '/'));
}

TEST(FrameworkCoreString, ComparesBytesUnsigned)
{
    EXPECT_LT(CString("a").Compare("\x81\x40"), 0);   // 0x81 sorts after 'a'
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("ab") < "abc");
    EXPECT_EQ(0, CString("秋").Compare("秋"));
    EXPECT_TRUE(CString() != "x");
}

TEST(FrameworkCoreString, FormatsLongTextAndItself)
{
    CString str;
    str.Format("%d 枚 %s", 12, "秋");
    EXPECT_EQ(CString("12 枚 秋"), str);

    const std::string strLong(1000, 'x');
    str.Format("[%s]", strLong.c_str());
    EXPECT_EQ(1002, str.GetLength());

    str = "abc";
    str.Format("%s%s", static_cast<LPCSTR>(str), static_cast<LPCSTR>(str));
    EXPECT_EQ(CString("abcabc"), str);
}

TEST(FrameworkCoreString, BufferAccessSetsTheLength)
{
    CString str("old");
    char* p = str.GetBuffer(20);
    std::strcpy(p, "new text");
    str.ReleaseBuffer();
    EXPECT_EQ(CString("new text"), str);

    p = str.GetBuffer(4);
    p[2] = '\0';
    str.ReleaseBuffer(5);   // an explicit length keeps the NUL
    EXPECT_EQ(5, str.GetLength());

    p = str.GetBufferSetLength(3);
    std::memcpy(p, "xyz", 3);
    EXPECT_EQ(CString("xyz"), str);
}

TEST(FrameworkCoreString, BadIndexThrowsAndChangesNothing)
{
    CString str("ab");
    for (int nIndex : {-1, 2, 1000})
    {
        EXPECT_TRUE(Throws<CInvalidArgException>([&] { str.SetAt(nIndex, 'x'); })) << nIndex;
        EXPECT_TRUE(Throws<CInvalidArgException>([&] { str.GetAt(nIndex); })) << nIndex;
    }
    EXPECT_EQ(CString("ab"), str);
}

TEST(FrameworkCoreText, ConvertsBetweenCp932AndUtf16)
{
    EXPECT_EQ(std::wstring(L"秋の田の　"), AfxToWide("秋の田の　"));
    EXPECT_EQ(CString("秋の田の　"), AfxFromWide(L"秋の田の　"));
    EXPECT_EQ(std::wstring(L"表"), AfxToWide("表\\", 2));
    EXPECT_EQ(std::wstring(L"a\0b", 3), AfxToWide(CString("a\0b", 3)));
    EXPECT_EQ(3, AfxFromWide(L"a\0b", 3).GetLength());
    EXPECT_TRUE(AfxToWide(nullptr).empty());
    EXPECT_TRUE(AfxFromWide(nullptr).IsEmpty());
}

// Runtime classes need external linkage: the macros define members that nothing else calls.
class CCoreTestBase : public CObject
{
    DECLARE_DYNCREATE(CCoreTestBase)
};
IMPLEMENT_DYNCREATE(CCoreTestBase, CObject)

class CCoreTestDerived : public CCoreTestBase
{
    DECLARE_DYNCREATE(CCoreTestDerived)
public:
    int m_nValue = 7;
};
IMPLEMENT_DYNCREATE(CCoreTestDerived, CCoreTestBase)

class CCoreTestPlain : public CObject
{
    DECLARE_DYNAMIC(CCoreTestPlain)
};
IMPLEMENT_DYNAMIC(CCoreTestPlain, CObject)

TEST(FrameworkCoreRuntimeClass, CreatesByClassAndFollowsTheBaseChain)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CCoreTestDerived);
    EXPECT_STREQ("CCoreTestDerived", pClass->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CCoreTestBase), pClass->m_pBaseClass);

    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(pClass, pObject->GetRuntimeClass());
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCoreTestBase)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CCoreTestPlain)));
    EXPECT_EQ(7, static_cast<CCoreTestDerived*>(pObject)->m_nValue);
    delete pObject;

    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCoreTestPlain)->CreateObject());
    CCoreTestBase base;
    EXPECT_FALSE(base.IsKindOf(RUNTIME_CLASS(CCoreTestDerived)));

    CFileException* pEx = new CFileException(CFileException::fileNotFound);
    EXPECT_TRUE(pEx->IsKindOf(RUNTIME_CLASS(CException)));
    pEx->Delete();
}

TEST(FrameworkCoreWordArray, GrowsZeroFilledAndRejectsBadIndexes)
{
    CWordArray a;
    a.SetSize(101);
    EXPECT_EQ(101, a.GetSize());
    EXPECT_EQ(0, a.GetAt(100));
    a.SetAt(100, 0xFFFF);
    a[1] = 5;
    EXPECT_EQ(0xFFFF, a.GetAt(100));
    EXPECT_EQ(5, a.GetData()[1]);
    EXPECT_EQ(101, a.Add(9));

    for (INT_PTR nIndex : {INT_PTR(-1), INT_PTR(102), INT_PTR(1) << 40})
    {
        EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.SetAt(nIndex, 1); })) << nIndex;
        EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.ElementAt(nIndex); })) << nIndex;
    }
    EXPECT_EQ(102, a.GetSize());

    a.SetSize(2);
    a.SetSize(4);
    EXPECT_EQ(0, a[3]);   // regrown entries are zero again
    a.RemoveAll();
    EXPECT_EQ(0, a.GetCount());
}

TEST(FrameworkCoreGeometry, RectEdgesAndCorners)
{
    CRect rc(10, 20, 110, 70);
    EXPECT_EQ(100, rc.Width());
    EXPECT_EQ(50, rc.Height());
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rc.PtInRect(CPoint(110, 20)));   // right and bottom are outside
    EXPECT_FALSE(rc.PtInRect(CPoint(10, 70)));
    rc.OffsetRect(-10, 5);
    EXPECT_EQ(CPoint(0, 25), rc.TopLeft());
    rc.BottomRight() = CPoint(30, 40);
    EXPECT_EQ(CRect(0, 25, 30, 40), rc);
    EXPECT_EQ(CSize(30, 15), rc.Size());
    EXPECT_EQ(CPoint(-2, 3), CPoint(MAKELPARAM(-2, 3)));
    LPRECT pRect = rc;
    EXPECT_EQ(static_cast<RECT*>(&rc), pRect);
}
