// The views select no font: their whole layout follows the stock font of a window's device
// context, which must measure like a Japanese system font for the layout to fit its window.
#include "GuiHarness.h"

TEST(SystemFont, FreshWindowContextMeasuresLikeJapaneseSystemFont)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    HDC hdc = ::GetDC(hWnd);
    TEXTMETRICW tm = {};
    ASSERT_TRUE(::GetTextMetricsW(hdc, &tm));
    ::ReleaseDC(hWnd, hdc);
    ::DestroyWindow(hWnd);

    EXPECT_LE(tm.tmMaxCharWidth, 16);
    EXPECT_LE(tm.tmHeight + tm.tmInternalLeading, 18);
    EXPECT_GE(tm.tmMaxCharWidth, 12) << "a Japanese face, not a narrow Western fallback";
    EXPECT_EQ(tm.tmCharSet, SHIFTJIS_CHARSET);
}

TEST(SystemFont, AnsiCodePageIsJapanese)
{
    EXPECT_EQ(::GetACP(), 932u);
}
