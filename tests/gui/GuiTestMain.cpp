// Starts the real application object once for all GUI tests, runs them, then closes the
// program as a user would.
#include "GuiHarness.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandleW(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOW))
        return 2;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->InitInstance())
    {
        std::fprintf(stderr, "the application did not start\n");
        return 3;
    }
    gui::PumpMessages();
    int result = RUN_ALL_TESTS();
    if (pApp->m_pMainWnd != nullptr)
    {
        ::SendMessageW(pApp->m_pMainWnd->GetSafeHwnd(), WM_CLOSE, 0, 0);
        gui::PumpMessages();
    }
    pApp->ExitInstance();
    return result;
}
