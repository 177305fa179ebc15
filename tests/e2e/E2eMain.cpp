#include <windows.h>
#include <gtest/gtest.h>
#include <string>

std::wstring g_strExe;

// The exe path comes from ctest as a Unix path; Wine maps the root to drive Z:.
static std::wstring ToWindowsPath(const char* psz)
{
    std::string s = psz;
    if (!s.empty() && s[0] == '/')
        s = "Z:" + s;
    for (char& c : s)
        if (c == '/')
            c = '\\';
    int n = ::MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
    std::wstring w(n, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, &w[0], n);
    w.resize(n - 1);
    return w;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: e2e_tests PATH\\TO\\Kasumiori.exe\n");
        return 2;
    }
    g_strExe = ToWindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
