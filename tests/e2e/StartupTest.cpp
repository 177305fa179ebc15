// Starts the built Kasumiori.exe as its own process, as a user would, and checks what a user and
// the registry see: the main window, its placement, the document type and bad command lines.
#include "ExeResources.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

extern std::wstring g_strExe; // set by main from the command line

namespace {

const wchar_t kAppKey[] = L"Software\\Nagikobo\\Kasumiori";

struct Process
{
    PROCESS_INFORMATION pi = {};
    bool Start(const std::wstring& args)
    {
        std::wstring cmd = L"\"" + g_strExe + L"\" " + args;
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        std::vector<wchar_t> buf(cmd.begin(), cmd.end());
        buf.push_back(0);
        return ::CreateProcessW(nullptr, buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &si, &pi) != FALSE;
    }
    bool WaitExit(DWORD ms) { return ::WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0; }
    ~Process()
    {
        if (pi.hProcess)
        {
            if (!WaitExit(0))
                ::TerminateProcess(pi.hProcess, 1);
            ::CloseHandle(pi.hProcess);
            ::CloseHandle(pi.hThread);
        }
    }
};

struct FindData
{
    DWORD pid;
    const wchar_t* cls; // nullptr = any top-level window but dialogs
    HWND found;
};

BOOL CALLBACK FindTop(HWND hWnd, LPARAM lParam)
{
    FindData* d = reinterpret_cast<FindData*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != d->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    wchar_t cls[64] = {};
    ::GetClassNameW(hWnd, cls, 64);
    bool isDialog = wcscmp(cls, L"#32770") == 0;
    if ((d->cls != nullptr) == isDialog)
    {
        d->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitWindow(const Process& p, const wchar_t* cls, DWORD ms = 20000)
{
    DWORD start = ::GetTickCount();
    do
    {
        FindData d = {p.pi.dwProcessId, cls, nullptr};
        ::EnumWindows(FindTop, reinterpret_cast<LPARAM>(&d));
        if (d.found)
            return d.found;
        if (::WaitForSingleObject(p.pi.hProcess, ms ? 100 : 0) == WAIT_OBJECT_0)
            return nullptr;
    } while (::GetTickCount() - start < ms);
    return nullptr;
}

std::wstring Text(HWND hWnd)
{
    wchar_t buf[512] = {};
    ::GetWindowTextW(hWnd, buf, 512);
    return buf;
}

bool ReadValue(const std::wstring& sub, const wchar_t* name, DWORD* pType, std::vector<BYTE>* pData)
{
    HKEY hKey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG r = ::RegQueryValueExW(hKey, name, nullptr, pType, nullptr, &size);
    if (r == ERROR_SUCCESS)
    {
        pData->resize(size);
        r = ::RegQueryValueExW(hKey, name, nullptr, pType, pData->data(), &size);
    }
    ::RegCloseKey(hKey);
    return r == ERROR_SUCCESS;
}

std::wstring ReadString(HKEY root, const std::wstring& sub, const wchar_t* name)
{
    wchar_t buf[1024] = {};
    DWORD size = sizeof(buf);
    if (::RegGetValueW(root, sub.c_str(), name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
        return L"";
    return buf;
}

int CountMdiChildren(HWND hMain)
{
    HWND hClient = ::FindWindowExW(hMain, nullptr, L"MDIClient", nullptr);
    int n = 0;
    for (HWND h = ::GetWindow(hClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}

HWND FindControl(HWND hMain, int nID)
{
    struct Search { int nID; HWND hFound; } search = {nID, nullptr};
    ::EnumChildWindows(hMain, [](HWND h, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        if (::GetDlgCtrlID(h) != s->nID)
            return TRUE;
        s->hFound = h;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// The text a control holds now, asked of its own process (an edit keeps its text itself).
std::wstring ControlText(HWND hCtrl)
{
    wchar_t buf[256] = {};
    DWORD_PTR result;
    ::SendMessageTimeoutW(hCtrl, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG,
                          5000, &result);
    return buf;
}

// The main window shows the practice form: its buttons, toggles and number box, and nothing of
// the card-taking form (which has a control 1006 and calls 1001 終了).
void ExpectPracticeForm(HWND hMain)
{
    const struct { int nID; const wchar_t* pszClass; const wchar_t* pszText; } kControls[] = {
        {1000, L"Button", L"次の句"},
        {1001, L"Button", L"解答"},
        {1002, L"Button", L"前の句"},
        {1003, L"Button", L"ランダムに百首"},
        {1004, L"Button", L"下の句を先に表示"},
        {1005, L"Edit", L"番号"}, // written by the first painting
        {1007, L"Button", L"音声"},
    };
    for (const auto& c : kControls)
    {
        HWND hCtrl = FindControl(hMain, c.nID);
        if (hCtrl == nullptr)
        {
            ADD_FAILURE() << "practice control " << c.nID << " is missing";
            continue;
        }
        wchar_t cls[64] = {};
        ::GetClassNameW(hCtrl, cls, 64);
        EXPECT_EQ(_wcsicmp(cls, c.pszClass), 0) << "class of control " << c.nID;
        std::wstring strText = ControlText(hCtrl);
        for (DWORD start = ::GetTickCount(); strText != c.pszText && ::GetTickCount() - start < 5000;
             strText = ControlText(hCtrl))
            ::Sleep(50);
        EXPECT_EQ(strText, c.pszText) << "text of control " << c.nID;
        EXPECT_TRUE(::IsWindowVisible(hCtrl)) << "control " << c.nID;
    }
    EXPECT_EQ(FindControl(hMain, 1006), nullptr) << "the practice form has no control 1006";
}

void CloseAndWait(Process& p, HWND hMain)
{
    ::PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(p.WaitExit(20000)) << "the program did not end after its window was closed";
}

} // namespace

TEST(Startup, MainWindowFixedSizeCentredWithPracticeChild)
{
    Process p;
    ASSERT_TRUE(p.Start(L""));
    HWND hMain = WaitWindow(p, nullptr);
    ASSERT_NE(hMain, nullptr);
    EXPECT_EQ(Text(hMain), L"Kasumiori");
    EXPECT_EQ(Text(hMain), e2e::ExeResources().String(57344)) << "the caption is the application title";

    RECT rc;
    ::GetWindowRect(hMain, &rc);
    EXPECT_EQ(rc.right - rc.left, 500);
    EXPECT_EQ(rc.bottom - rc.top, 510);
    int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(rc.left, (sw - 500) / 2, 1);
    EXPECT_NEAR(rc.top, (sh - 510) / 2, 1);

    LONG style = ::GetWindowLongW(hMain, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ(CountMdiChildren(hMain), 1);
    ExpectPracticeForm(hMain);

    // the shell registration is per user and names our document type
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, L"Software\\Classes\\.csv", nullptr), L"Kasumiori.Document");
    EXPECT_NE(ReadString(HKEY_CURRENT_USER,
                         L"Software\\Classes\\Kasumiori.Document\\shell\\open\\command", nullptr), L"");

    // every start writes the integer 0 over the stored main-window rectangle
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadValue(std::wstring(kAppKey) + L"\\Workspace\\WindowPlacement", L"MainWindowRect", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(*reinterpret_cast<DWORD*>(data.data()), 0u);

    // a user moves the window before closing; the next start still opens it at its default place
    ::SetWindowPos(hMain, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CloseAndWait(p, hMain);
    ASSERT_TRUE(ReadValue(std::wstring(kAppKey) + L"\\Workspace\\WindowPlacement", L"MainWindowRect", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << "the placement is stored when the main frame closes";

    Process again;
    ASSERT_TRUE(again.Start(L""));
    HWND hMain2 = WaitWindow(again, nullptr);
    ASSERT_NE(hMain2, nullptr);
    ::GetWindowRect(hMain2, &rc);
    EXPECT_NEAR(rc.left, (sw - 500) / 2, 1);
    EXPECT_NEAR(rc.top, (sh - 510) / 2, 1);
    CloseAndWait(again, hMain2);
}

TEST(Startup, MissingDocumentOnCommandLineReportsAndEnds)
{
    Process p;
    ASSERT_TRUE(p.Start(L"\"C:\\no such folder\\見つからない.csv\""));
    HWND hBox = WaitWindow(p, L"#32770");
    ASSERT_NE(hBox, nullptr) << "the framework's message about the file";
    EXPECT_EQ(WaitWindow(p, nullptr, 0), nullptr) << "no main window is shown";
    ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(p.WaitExit(20000));
}

TEST(Startup, DocumentWithSpacesAndJapaneseOpensInPracticeFrame)
{
    wchar_t tmp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, tmp);
    std::wstring dir = std::wstring(tmp) + L"かすみ 織";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    std::wstring path = dir + L"\\意味 ファイル.csv";
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const char line[] = "meaning one\r\n";
    DWORD written;
    ::WriteFile(h, line, sizeof(line) - 1, &written, nullptr);
    ::CloseHandle(h);

    Process p;
    ASSERT_TRUE(p.Start(L"\"" + path + L"\""));
    HWND hMain = WaitWindow(p, nullptr);
    ASSERT_NE(hMain, nullptr);
    EXPECT_EQ(WaitWindow(p, L"#32770", 500), nullptr) << "no error message";
    EXPECT_EQ(CountMdiChildren(hMain), 1);
    RECT rc;
    ::GetWindowRect(hMain, &rc);
    EXPECT_EQ(rc.right - rc.left, 500);
    ExpectPracticeForm(hMain); // a document opens in the practice activity
    CloseAndWait(p, hMain);
    ::DeleteFileW(path.c_str());
    ::RemoveDirectoryW(dir.c_str());
}
