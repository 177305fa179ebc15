// Number text conversion: the number box's reading and the decimal texts of numbers.
#include <gtest/gtest.h>
#include <climits>
#include "NumText.h"

namespace
{
struct StrToNumCase
{
    const char* pszText;
    int nExpected;
};

const StrToNumCase kStrToNumCases[] = {
    {"", 0},
    {"0", 0},
    {"   ", 0},
    {"abc", 0},
    {"7", 7},
    {"100", 100},
    {"0100", 100},
    {"5a", 50},             // a letter after a digit takes a place
    {"5 ", 50},
    {"a5", 5},              // before it, it only adds a zero place of its own
    {" 5", 5},
    {"-42", 42},            // no sign
    {"3あ", 300},           // a double-byte character takes two places
    {"１２", 0},            // full-width digits are not digits
    {"表1", 1},             // 0x95 0x5C: the trail byte is no digit
    {"2147483647", INT_MAX},
    {"0000000000001", 1},   // zeros far to the left still fit
    {"99", 99},
    {"101", 101},
};

TEST(StrToNumTest, ReadsDigitsByBytePosition)
{
    for (const StrToNumCase& c : kStrToNumCases)
        EXPECT_EQ(c.nExpected, StrToNum(c.pszText)) << "text \"" << c.pszText << "\"";
}

TEST(StrToNumTest, TextBeyondIntIsOutsideThePoemRange)
{
    // Values that do not fit an int must not wrap into 1..100 (the number box keeps its poem).
    const char* const apszTooLarge[] = {
        "2147483648", "4294967296", "4294967297", "9999999999", "10000000000",
        "1000000000000000000000", "42949672960000000001", "1xxxxxxxxxx",
    };
    for (const char* psz : apszTooLarge)
    {
        const int n = StrToNum(psz);
        EXPECT_TRUE(n < 1 || n > 100) << psz << " gave " << n;
        EXPECT_NE(0, n) << psz;
    }
}

TEST(Pow10Test, PlaceValues)
{
    EXPECT_EQ(1, Pow10(0));
    EXPECT_EQ(1, Pow10(1));
    EXPECT_EQ(1, Pow10(-5));
    EXPECT_EQ(1, Pow10(INT_MIN));
    EXPECT_EQ(100, Pow10(3));
    EXPECT_EQ(1000000000, Pow10(10));
    // Beyond what an int holds the value does not wrap.
    EXPECT_EQ(INT_MAX, Pow10(11));
    EXPECT_EQ(INT_MAX, Pow10(1000));
}

TEST(NumToStrTest, DecimalText)
{
    struct
    {
        int n;
        const char* pszText;
    } const cases[] = {
        {0, "0"}, {7, "7"}, {100, "100"}, {-1, "-1"}, {-305, "-305"},
        {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"},
    };
    for (const auto& c : cases)
    {
        const CString str = NumToStr(c.n);
        EXPECT_STREQ(c.pszText, static_cast<LPCSTR>(str)) << c.n;
        EXPECT_EQ(static_cast<int>(strlen(c.pszText)), str.GetLength()) << c.n;
    }
}

TEST(NumToStrTest, RoundTripsThroughStrToNum)
{
    for (int n = 0; n <= 100; ++n)
        EXPECT_EQ(n, StrToNum(NumToStr(n)));
}
}  // namespace
