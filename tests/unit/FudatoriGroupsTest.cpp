#include <gtest/gtest.h>

#include "KimarijiGroups.h"
#include "PoemTable.h"

// The game's groups must be exactly the poems of each decisive-syllable length in the poem table.
TEST(FudatoriGroups, EachGroupHoldsExactlyThePoemsOfItsLength)
{
    const int aExpectedSize[6] = {7, 43, 36, 6, 2, 6};
    int aGroupOf[101] = {};
    for (int k = 1; k <= 6; ++k)
    {
        const KimarijiGroup& group = g_aKimarijiGroup[k - 1];
        EXPECT_EQ(aExpectedSize[k - 1], group.nSize) << "group " << k;
        int nPrevious = 0;
        for (int i = 0; i < group.nSize; ++i)
        {
            const int nPoem = group.pPoems[i];
            ASSERT_GE(nPoem, 1);
            ASSERT_LE(nPoem, 100);
            EXPECT_LT(nPrevious, nPoem) << "group " << k << " out of canonical order";
            nPrevious = nPoem;
            EXPECT_EQ(0, aGroupOf[nPoem]) << "poem " << nPoem << " in two groups";
            aGroupOf[nPoem] = k;
            EXPECT_EQ(k, g_aPoemTable[nPoem].nKimarijiLen) << "poem " << nPoem;
        }
    }
    for (int nPoem = 1; nPoem <= 100; ++nPoem)
        EXPECT_NE(0, aGroupOf[nPoem]) << "poem " << nPoem << " in no group";
}

TEST(FudatoriGroups, SizesMatchThePoemTableCounts)
{
    int aCount[7] = {};
    for (int nPoem = 1; nPoem <= 100; ++nPoem)
    {
        const int nLen = g_aPoemTable[nPoem].nKimarijiLen;
        ASSERT_GE(nLen, 1) << "poem " << nPoem;
        ASSERT_LE(nLen, 6) << "poem " << nPoem;
        ++aCount[nLen];
    }
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(aCount[k], g_aKimarijiGroup[k - 1].nSize) << "group " << k;
}
