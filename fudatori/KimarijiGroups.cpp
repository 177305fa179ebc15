#include "KimarijiGroups.h"

namespace
{
const int kGroup1[] = {18, 22, 57, 70, 77, 81, 87};
const int kGroup2[] = {3,  4,  5,  6,  10, 13, 14, 16, 17, 20, 23, 24, 26, 33, 34,
                       36, 37, 40, 41, 43, 44, 46, 47, 51, 52, 55, 59, 61, 62, 65,
                       66, 71, 72, 73, 74, 82, 85, 89, 90, 91, 94, 97, 100};
const int kGroup3[] = {1,  2,  7,  8,  9,  12, 21, 25, 27, 28, 30, 32,
                       35, 38, 39, 45, 48, 49, 53, 54, 56, 58, 60, 63,
                       67, 69, 78, 79, 80, 84, 86, 92, 95, 96, 98, 99};
const int kGroup4[] = {19, 29, 42, 68, 75, 88};
const int kGroup5[] = {83, 93};
const int kGroup6[] = {11, 15, 31, 50, 64, 76};

template <int N>
constexpr KimarijiGroup MakeGroup(const int (&aPoems)[N])
{
    return KimarijiGroup{N, aPoems};
}
}

const KimarijiGroup g_aKimarijiGroup[6] = {
    MakeGroup(kGroup1), MakeGroup(kGroup2), MakeGroup(kGroup3),
    MakeGroup(kGroup4), MakeGroup(kGroup5), MakeGroup(kGroup6),
};
