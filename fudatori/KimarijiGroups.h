// The six groups of poems by the number of their decisive syllables (one to six).
#pragma once

struct KimarijiGroup
{
    int nSize;              // number of poems in the group
    const int* pPoems;      // their numbers, in canonical order
};

// Entry k - 1 is group k.
extern const KimarijiGroup g_aKimarijiGroup[6];
