// The built-in poem table: the placeholders, the form and lengths of every field, and the decisive
// syllables with their fill and counts. Strings are code page 932 bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PoemTable.h"

namespace
{

const std::string kIdsp = "　";  // ideographic space, 0x81 0x40

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The characters of a text: a lead byte and its trail byte make one character, any other byte one.
std::vector<std::string> Chars(const char* psz)
{
    std::vector<std::string> chars;
    const std::string s(psz);
    for (size_t i = 0; i < s.size();)
    {
        const size_t n = (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

bool AllDoubleByte(const char* psz)
{
    for (const std::string& c : Chars(psz))
        if (c.size() != 2)
            return false;
    return true;
}

std::string Repeat(const std::string& s, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

// The phrases of a text cut at every ideographic space.
std::vector<std::string> Phrases(const char* psz)
{
    std::vector<std::string> phrases(1);
    for (const std::string& c : Chars(psz))
    {
        if (c == kIdsp)
            phrases.emplace_back();
        else
            phrases.back() += c;
    }
    return phrases;
}

int CountOf(const char* psz, const std::string& ch)
{
    int n = 0;
    for (const std::string& c : Chars(psz))
        n += (c == ch);
    return n;
}

// Decisive syllables of poems 1..100, without their fill, and their counts.
const char* const kKimariji[100] = {
    "あきの", "はるす", "あし", "たご", "おく", "かさ", "あまの", "わがい", "はなの", "これ",
    "わたのはら", "あまつ", "つく", "みち", "きみがため", "たち", "ちは", "す", "なにはが", "わび",
    "いまこ", "ふ", "つき", "この", "なにし", "をぐ", "みかの", "やまざ", "こころあ", "ありあ",
    "あさぼらけ", "やまが", "ひさ", "たれ", "ひとは", "なつ", "しら", "わすら", "あさぢ", "しの",
    "こひ", "ちぎりき", "あひ", "あふ", "あはれ", "ゆら", "やへ", "かぜを", "みかき", "きみがため",
    "かく", "あけ", "なげき", "わすれ", "たき", "あらざ", "め", "ありま", "やす", "おほえ",
    "いに", "よを", "いまは", "あさぼらけ", "うら", "もろ", "はるの", "こころに", "あらし", "さ",
    "ゆふ", "おと", "たか", "うか", "ちぎりお", "わたのはら", "せ", "あはぢ", "あきか", "ながか",
    "ほ", "おも", "よのなかよ", "ながら", "よも", "なげけ", "む", "なにはえ", "たま", "みせ",
    "きり", "わがそ", "よのなかは", "みよ", "おほけ", "はなさ", "こぬ", "かぜそ", "ひとも", "もも",
};
const int kKimarijiLen[100] = {
    3, 3, 2, 2, 2, 2, 3, 3, 3, 2, 6, 3, 2, 2, 6, 2, 2, 1, 4, 2,
    3, 1, 2, 2, 3, 2, 3, 3, 4, 3, 6, 3, 2, 2, 3, 2, 2, 3, 3, 2,
    2, 4, 2, 2, 3, 2, 2, 3, 3, 6, 2, 2, 3, 3, 2, 3, 1, 3, 2, 3,
    2, 2, 3, 6, 2, 2, 3, 4, 3, 1, 2, 2, 2, 2, 4, 6, 1, 3, 3, 3,
    1, 2, 5, 3, 2, 3, 1, 4, 2, 2, 2, 3, 5, 2, 3, 3, 2, 3, 3, 2,
};

TEST(PoemTableTest, RecordZeroHoldsThePlaceholders)
{
    const PoemEntry& e = g_aPoemTable[0];
    EXPECT_EQ(std::string(e.pszUpper), "上の句" + Repeat(kIdsp, 17));
    EXPECT_EQ(std::string(e.pszLower), "下の句" + Repeat(kIdsp, 13));
    EXPECT_EQ(std::string(e.pszAuthor), "作者" + Repeat(kIdsp, 41));
    EXPECT_EQ(std::string(e.pszMeaning), "意味" + Repeat(kIdsp, 135));
    EXPECT_EQ(std::string(e.pszKimariji), "決まり字" + Repeat(kIdsp, 2));
    EXPECT_EQ(e.nKimarijiLen, 0);
    // The literals above must have become code page 932 bytes.
    EXPECT_EQ(std::string(e.pszUpper).substr(0, 6), "\x8f\xe3\x82\xcc\x8b\xe5");
    EXPECT_EQ(std::string(e.pszUpper).size(), 40u);
    EXPECT_EQ(std::string(e.pszMeaning).size(), 274u);
}

TEST(PoemTableTest, FirstAndLastPoemsAreExact)
{
    EXPECT_STREQ(g_aPoemTable[1].pszUpper, "秋の田の　かりほの庵の　苫をあらみ");
    EXPECT_STREQ(g_aPoemTable[1].pszLower, "我が衣手は　露にぬれつつ");
    EXPECT_STREQ(g_aPoemTable[1].pszKimariji, "あきの　");
    EXPECT_EQ(g_aPoemTable[1].nKimarijiLen, 3);
    EXPECT_STREQ(g_aPoemTable[100].pszUpper, "ももしきや　ふるき軒ばの　しのぶにも");
    EXPECT_STREQ(g_aPoemTable[100].pszLower, "なほあまりある　昔なりけり");
    EXPECT_STREQ(g_aPoemTable[100].pszKimariji, "もも　　");
    EXPECT_EQ(g_aPoemTable[100].nKimarijiLen, 2);
}

TEST(PoemTableTest, EveryRecordKeepsTheFormOfItsFields)
{
    const PoemEntry& blank = g_aPoemTable[0];
    const size_t aMax[] = { Chars(blank.pszUpper).size(), Chars(blank.pszLower).size(),
                            Chars(blank.pszAuthor).size(), Chars(blank.pszMeaning).size(),
                            Chars(blank.pszKimariji).size() };
    for (const char* psz : { blank.pszUpper, blank.pszLower, blank.pszAuthor, blank.pszMeaning,
                             blank.pszKimariji })
        EXPECT_TRUE(AllDoubleByte(psz));

    for (int n = 1; n <= 100; ++n)
    {
        SCOPED_TRACE("poem " + std::to_string(n));
        const PoemEntry& e = g_aPoemTable[n];
        for (const char* psz : { e.pszUpper, e.pszLower, e.pszAuthor, e.pszKimariji })
            EXPECT_TRUE(AllDoubleByte(psz)) << psz;

        // Verses: three and two non-empty phrases between single ideographic spaces.
        const size_t nUpper = Chars(e.pszUpper).size();
        const size_t nLower = Chars(e.pszLower).size();
        EXPECT_GE(nUpper, 14u);
        EXPECT_LE(nUpper, 20u);
        EXPECT_GE(nLower, 11u);
        EXPECT_LE(nLower, 16u);
        const std::vector<std::string> upper = Phrases(e.pszUpper);
        const std::vector<std::string> lower = Phrases(e.pszLower);
        ASSERT_EQ(upper.size(), 3u) << e.pszUpper;
        ASSERT_EQ(lower.size(), 2u) << e.pszLower;
        for (const std::string& phrase : upper)
            EXPECT_FALSE(phrase.empty()) << e.pszUpper;
        for (const std::string& phrase : lower)
            EXPECT_FALSE(phrase.empty()) << e.pszLower;

        // Poet: name, one ideographic space, reading.
        const std::vector<std::string> author = Phrases(e.pszAuthor);
        ASSERT_EQ(author.size(), 2u) << e.pszAuthor;
        EXPECT_GE(author[0].size(), 2u * 2);
        EXPECT_LE(author[0].size(), 12u * 2);
        EXPECT_GE(author[1].size(), 2u * 2);
        EXPECT_LE(author[1].size(), 27u * 2);
        EXPECT_GE(Chars(e.pszAuthor).size(), 5u);
        EXPECT_LE(Chars(e.pszAuthor).size(), 40u);

        // Meaning: one paragraph of 34..133 cells; its only single-byte characters are the
        // half-width dot and comma and the space.
        const std::vector<std::string> meaning = Chars(e.pszMeaning);
        EXPECT_GE(meaning.size(), 34u);
        EXPECT_LE(meaning.size(), 133u);
        EXPECT_EQ(CountOf(e.pszMeaning, kIdsp), 0) << e.pszMeaning;
        for (const std::string& c : meaning)
        {
            if (c.size() == 1)
            {
                EXPECT_TRUE(c == " " || c == "\xa4" || c == "\xa5") << e.pszMeaning;
            }
        }

        // Decisive syllables as in the table, filled up with ideographic spaces to four
        // characters; the six-syllable poems keep a five-character stem.
        const std::vector<std::string> kimariji = Chars(e.pszKimariji);
        const int nStem = e.nKimarijiLen < 5 ? e.nKimarijiLen : 5;
        EXPECT_EQ(e.nKimarijiLen, kKimarijiLen[n - 1]);
        EXPECT_EQ(kimariji.size(), static_cast<size_t>(nStem < 4 ? 4 : nStem));
        EXPECT_EQ(std::string(e.pszKimariji),
                  std::string(kKimariji[n - 1]) + Repeat(kIdsp, nStem < 4 ? 4 - nStem : 0));
        EXPECT_EQ(Chars(kKimariji[n - 1]).size(), static_cast<size_t>(nStem));

        // Every placeholder covers every text of its field, and every text its heading.
        const char* apsz[] = { e.pszUpper, e.pszLower, e.pszAuthor, e.pszMeaning, e.pszKimariji };
        for (int f = 0; f < 5; ++f)
            EXPECT_LE(Chars(apsz[f]).size(), aMax[f]) << "field " << f;
    }
}

TEST(PoemTableTest, LongestVersesFillTheirPlaceholders)
{
    size_t nMaxUpper = 0;
    size_t nMaxLower = 0;
    int nRepeatMark = 0;
    for (int n = 1; n <= 100; ++n)
    {
        nMaxUpper = std::max(nMaxUpper, Chars(g_aPoemTable[n].pszUpper).size());
        nMaxLower = std::max(nMaxLower, Chars(g_aPoemTable[n].pszLower).size());
        nRepeatMark += CountOf(g_aPoemTable[n].pszLower, "々");
    }
    EXPECT_EQ(nMaxUpper, 20u);
    EXPECT_EQ(Chars(g_aPoemTable[57].pszUpper).size(), 20u);
    EXPECT_EQ(nMaxLower, 16u);
    EXPECT_EQ(Chars(g_aPoemTable[73].pszLower).size(), 16u);
    EXPECT_EQ(nRepeatMark, 1);
}

TEST(PoemTableTest, SixSyllablePoemsShareTheirStemPairwise)
{
    const int aPair[][2] = { { 11, 76 }, { 15, 50 }, { 31, 64 } };
    for (const auto& pair : aPair)
    {
        const PoemEntry& a = g_aPoemTable[pair[0]];
        const PoemEntry& b = g_aPoemTable[pair[1]];
        EXPECT_STREQ(a.pszKimariji, b.pszKimariji);
        EXPECT_EQ(Chars(a.pszKimariji).size(), 5u);
        EXPECT_EQ(CountOf(a.pszKimariji, kIdsp), 0);
        EXPECT_EQ(a.nKimarijiLen, 6);
        EXPECT_EQ(b.nKimarijiLen, 6);
    }
    EXPECT_STREQ(g_aPoemTable[83].pszKimariji, "よのなかよ");
    EXPECT_STREQ(g_aPoemTable[93].pszKimariji, "よのなかは");
}

TEST(PoemTableTest, GroupsByDecisiveSyllables)
{
    std::vector<std::vector<int>> groups(7);
    for (int n = 1; n <= 100; ++n)
    {
        const int nLen = g_aPoemTable[n].nKimarijiLen;
        ASSERT_GE(nLen, 1);
        ASSERT_LE(nLen, 6);
        groups[nLen].push_back(n);
    }
    EXPECT_EQ(groups[1], (std::vector<int>{ 18, 22, 57, 70, 77, 81, 87 }));
    EXPECT_EQ(groups[2].size(), 43u);
    EXPECT_EQ(groups[3].size(), 36u);
    EXPECT_EQ(groups[4], (std::vector<int>{ 19, 29, 42, 68, 75, 88 }));
    EXPECT_EQ(groups[5], (std::vector<int>{ 83, 93 }));
    EXPECT_EQ(groups[6], (std::vector<int>{ 11, 15, 31, 50, 64, 76 }));
}

TEST(PoemTableTest, MeaningsCarrySingleByteCharacters)
{
    // The drawing of meanings must meet half-width characters and trailing spaces in real data.
    int nHalfWidth = 0;
    int nTrailingSpace = 0;
    for (int n = 1; n <= 100; ++n)
    {
        const std::vector<std::string> c = Chars(g_aPoemTable[n].pszMeaning);
        nHalfWidth += CountOf(g_aPoemTable[n].pszMeaning, "\xa5") +
                      CountOf(g_aPoemTable[n].pszMeaning, "\xa4");
        nTrailingSpace += (!c.empty() && c.back() == " ");
    }
    EXPECT_GT(nHalfWidth, 0);
    EXPECT_GT(nTrailingSpace, 0);
}

}  // namespace
