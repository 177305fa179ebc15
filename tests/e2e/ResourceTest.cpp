// Reads the resources of the built Kasumiori.exe and compares them with tables written out by
// hand: menus, the accelerator table, strings, dialog templates and the version record. A
// mistake in the resource script shows here as the resource, the item, what was expected and
// what the exe holds.
#include "ExeResources.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

extern std::wstring g_strExe; // set by main from the command line

namespace {

std::string Utf8(const std::wstring& w)
{
    if (w.empty())
        return std::string();
    int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                  nullptr, nullptr);
    std::string s(n, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr,
                          nullptr);
    return s;
}

// A text as it is written in a table: quoted, with line feeds and tabs spelled out.
std::string Quoted(const std::wstring& w)
{
    std::string s = "\"";
    for (char c : Utf8(w))
    {
        if (c == '\n')
            s += "\\n";
        else if (c == '\t')
            s += "\\t";
        else
            s += c;
    }
    return s + "\"";
}

void ExpectSame(const std::string& what, const std::string& expected, const std::string& actual)
{
    if (expected != actual)
        ADD_FAILURE() << what << "\n  expected: " << expected << "\n  actual:   " << actual;
}

// Two lists of described items, line by line: a changed, missing or extra line is named.
void ExpectSameLines(const std::string& what, const std::vector<std::string>& expected,
                     const std::vector<std::string>& actual)
{
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i)
        ExpectSame(what + ", line " + std::to_string(i + 1),
                   i < expected.size() ? expected[i] : "(nothing)",
                   i < actual.size() ? actual[i] : "(nothing)");
}

// --- Menus ----------------------------------------------------------------------------------

struct MenuLine
{
    int nDepth;             // 0 = the menu bar
    enum Kind { item, separator, popup } kind;
    const wchar_t* pszText; // exactly, with the mnemonic and the tab before the shortcut
    UINT nID;               // items only
    bool bGrayed;
};

MenuLine Popup(int nDepth, const wchar_t* psz) { return {nDepth, MenuLine::popup, psz, 0, false}; }
MenuLine Item(int nDepth, const wchar_t* psz, UINT nID) { return {nDepth, MenuLine::item, psz, nID, false}; }
MenuLine Grayed(int nDepth, const wchar_t* psz, UINT nID) { return {nDepth, MenuLine::item, psz, nID, true}; }
MenuLine Separator(int nDepth) { return {nDepth, MenuLine::separator, L"", 0, false}; }

std::string Describe(const MenuLine& line)
{
    std::string s(2 * line.nDepth, ' ');
    switch (line.kind)
    {
    case MenuLine::separator:
        return s + "separator";
    case MenuLine::popup:
        s += "popup " + Quoted(line.pszText);
        break;
    case MenuLine::item:
        s += "item " + Quoted(line.pszText) + " id " + std::to_string(line.nID);
        break;
    }
    return s + (line.bGrayed ? " grayed" : "");
}

void DescribeMenu(HMENU hMenu, int nDepth, std::vector<std::string>& aLines)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t sz[256] = {};
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = sz;
        mii.cch = 256;
        if (!::GetMenuItemInfoW(hMenu, i, TRUE, &mii))
        {
            aLines.push_back("(unreadable item " + std::to_string(i) + ")");
            continue;
        }
        MenuLine line = {nDepth, MenuLine::item, sz, mii.wID, (mii.fState & MFS_GRAYED) != 0};
        if (mii.fType & MFT_SEPARATOR)
            line.kind = MenuLine::separator;
        else if (mii.hSubMenu != nullptr)
            line.kind = MenuLine::popup;
        aLines.push_back(Describe(line));
        if (mii.hSubMenu != nullptr)
            DescribeMenu(mii.hSubMenu, nDepth + 1, aLines);
    }
}

struct MenuCase
{
    UINT nID;
    std::vector<MenuLine> aLines;
};

// The document menus 130 and 131 are the same.
const std::vector<MenuLine> kDocumentMenu = {
    Popup(0, L"ファイル(&F)"),
    Item(1, L"アプリケーションの終了(&X)", 57665),
    Popup(0, L"切り替え(&C)"),
    Item(1, L"練習(&R)", 32772),
    Item(1, L"札取り(&T)", 32774),
    Popup(0, L"ヘルプ(&H)"),
    Item(1, L"トピックの検索(&H)", 57667),
    Item(1, L"バージョン情報 (&A)...", 57664),
};

const MenuCase kMenus[] = {
    {119, {
        Popup(0, L"編集"),
        Item(1, L"切り取り(&T)\tCtrl+X", 57635),
        Item(1, L"コピー(&C)\tCtrl+C", 57634),
        Item(1, L"貼り付け(&P)\tCtrl+V", 57637),
    }},
    {128, {
        Popup(0, L"ファイル(&F)"),
        Item(1, L"新規作成(&N)\tCtrl+N", 57600),
        Item(1, L"開く(&O)...\tCtrl+O", 57601),
        Item(1, L"閉じる(&C)", 57602),
        Separator(1),
        Grayed(1, L"最近使ったファイル", 57616),
        Separator(1),
        Item(1, L"アプリケーションの終了(&X)", 57665),
        Popup(0, L"表示(&V)"),
        Popup(1, L"ツール バーとドッキング ウィンドウ(&T)"),
        Item(2, L"<プレースホルダ>", 59392),
        Item(1, L"ステータス バー(&S)", 59393),
        Popup(1, L"アプリケーションの外観(&A)"),
        Item(2, L"Windows 2000(&2)", 210),
        Item(2, L"Office XP(&X)", 211),
        Item(2, L"Windows XP(&W)", 212),
        Item(2, L"Office 2003(&3)", 213),
        Item(2, L"Visual Studio .NET 2005(&5)", 214),
        Popup(2, L"Office 2007(&7)"),
        Item(3, L"ブルー スタイル(&B)", 215),
        Item(3, L"ブラック スタイル(&L)", 216),
        Item(3, L"シルバー スタイル(&S)", 217),
        Item(3, L"アクア スタイル(&A)", 218),
        Popup(0, L"ヘルプ(&H)"),
        Item(1, L"トピックの検索(&H)", 57667),
        Separator(1),
        Item(1, L"バージョン情報 Kasumiori(&A)...", 57664),
    }},
    {130, kDocumentMenu},
    {131, kDocumentMenu},
};

// --- Accelerators ---------------------------------------------------------------------------

std::string Describe(const ACCEL& a)
{
    std::string s;
    if (a.fVirt & FCONTROL)
        s += "Ctrl+";
    if (a.fVirt & FALT)
        s += "Alt+";
    if (a.fVirt & FSHIFT)
        s += "Shift+";
    char sz[32];
    if (!(a.fVirt & FVIRTKEY))
        std::snprintf(sz, sizeof(sz), "character 0x%02X", a.key);
    else if ((a.key >= 'A' && a.key <= 'Z') || (a.key >= '0' && a.key <= '9'))
        std::snprintf(sz, sizeof(sz), "%c", a.key);
    else if (a.key >= VK_F1 && a.key <= VK_F24)
        std::snprintf(sz, sizeof(sz), "F%d", a.key - VK_F1 + 1);
    else if (a.key == VK_BACK)
        std::snprintf(sz, sizeof(sz), "Backspace");
    else if (a.key == VK_DELETE)
        std::snprintf(sz, sizeof(sz), "Delete");
    else if (a.key == VK_INSERT)
        std::snprintf(sz, sizeof(sz), "Insert");
    else
        std::snprintf(sz, sizeof(sz), "virtual key 0x%02X", a.key);
    return s + sz + " -> " + std::to_string(a.cmd);
}

const ACCEL kMainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', 57600},       // ID_FILE_NEW
    {FVIRTKEY | FCONTROL, 'O', 57601},       // ID_FILE_OPEN
    {FVIRTKEY | FCONTROL, 'S', 57603},       // ID_FILE_SAVE
    {FVIRTKEY | FCONTROL, 'Z', 57643},       // ID_EDIT_UNDO
    {FVIRTKEY | FALT, VK_BACK, 57643},
    {FVIRTKEY | FCONTROL, 'X', 57635},       // ID_EDIT_CUT
    {FVIRTKEY | FSHIFT, VK_DELETE, 57635},
    {FVIRTKEY | FCONTROL, 'C', 57634},       // ID_EDIT_COPY
    {FVIRTKEY | FCONTROL, VK_INSERT, 57634},
    {FVIRTKEY | FCONTROL, 'V', 57637},       // ID_EDIT_PASTE
    {FVIRTKEY | FSHIFT, VK_INSERT, 57637},
    {FVIRTKEY, VK_F6, 57680},                // ID_NEXT_PANE
    {FVIRTKEY | FSHIFT, VK_F6, 57681},       // ID_PREV_PANE
    {FVIRTKEY | FSHIFT, VK_F1, 57669},       // ID_CONTEXT_HELP
    {FVIRTKEY, VK_F1, 57670},                // ID_HELP
};

// --- Dialog templates -----------------------------------------------------------------------

struct DialogItem
{
    DWORD nID;
    DWORD nStyle;
    int x, y, cx, cy;
    std::wstring strClass; // a predefined class by ordinal is given its name
    std::wstring strText;  // an ordinal (e.g. an icon) as "#128"
};

struct DialogTemplate
{
    bool bExtended;
    DWORD nStyle;
    int cx, cy;
    std::wstring strCaption;
    int nPointSize = -1; // -1: no font in the template
    int nWeight = -1;    // -1: the template cannot say (classic form)
    int nCharSet = -1;
    std::wstring strFace;
    std::vector<DialogItem> aItems;
};

// Reads the words of a dialog template, failing instead of reading past its end.
class TemplateReader
{
public:
    TemplateReader(const BYTE* p, DWORD nSize) : m_pStart(p), m_p(p), m_pEnd(p + nSize) {}
    bool Failed() const { return m_bFailed; }

    WORD Word() { return static_cast<WORD>(Bytes(2)); }
    DWORD DWord() { return Bytes(4); }
    BYTE Byte() { return static_cast<BYTE>(Bytes(1)); }
    short Short() { return static_cast<short>(Word()); }
    void AlignDWord()
    {
        while ((m_p - m_pStart) % 4 != 0 && !m_bFailed)
            Byte();
    }
    std::wstring Text()
    {
        std::wstring s;
        for (WORD c = Word(); c != 0 && !m_bFailed; c = Word())
            s += static_cast<wchar_t>(c);
        return s;
    }
    // A name or an ordinal (0xFFFF followed by the number).
    std::wstring TextOrOrdinal(bool bClass)
    {
        const BYTE* pMark = m_p;
        if (Word() != 0xFFFF)
        {
            m_p = pMark;
            return Text();
        }
        WORD n = Word();
        if (bClass)
        {
            static const wchar_t* const kNames[] = {L"Button", L"Edit", L"Static",
                                                    L"ListBox", L"ScrollBar", L"ComboBox"};
            if (n >= 0x80 && n <= 0x85)
                return kNames[n - 0x80];
        }
        return L"#" + std::to_wstring(n);
    }
    void Skip(size_t n)
    {
        while (n-- > 0 && !m_bFailed)
            Byte();
    }

private:
    DWORD Bytes(int n)
    {
        if (m_bFailed || m_pEnd - m_p < n)
        {
            m_bFailed = true;
            return 0;
        }
        DWORD v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<DWORD>(m_p[i]) << (8 * i);
        m_p += n;
        return v;
    }
    const BYTE* m_pStart;
    const BYTE* m_p;
    const BYTE* m_pEnd;
    bool m_bFailed = false;
};

// Parses an extended (DLGTEMPLATEEX) or classic (DLGTEMPLATE) dialog template.
bool ParseDialog(const BYTE* p, DWORD nSize, DialogTemplate& dlg)
{
    TemplateReader r(p, nSize);
    WORD nVersion = r.Word();
    WORD nSignature = r.Word();
    dlg.bExtended = nVersion == 1 && nSignature == 0xFFFF;
    DWORD nItems;
    if (dlg.bExtended)
    {
        r.DWord(); // help id
        r.DWord(); // extended style
        dlg.nStyle = r.DWord();
    }
    else
    {
        dlg.nStyle = MAKELONG(nVersion, nSignature);
        r.DWord(); // extended style
    }
    nItems = r.Word();
    r.Short();
    r.Short();
    dlg.cx = r.Short();
    dlg.cy = r.Short();
    r.TextOrOrdinal(false); // menu
    r.TextOrOrdinal(false); // window class
    dlg.strCaption = r.Text();
    if (dlg.nStyle & DS_SETFONT)
    {
        dlg.nPointSize = r.Word();
        if (dlg.bExtended)
        {
            dlg.nWeight = r.Word();
            r.Byte(); // italic
            dlg.nCharSet = r.Byte();
        }
        else
        {
            dlg.nWeight = FW_NORMAL; // a classic template's font is never bold
        }
        dlg.strFace = r.Text();
    }
    for (DWORD i = 0; i < nItems && !r.Failed(); ++i)
    {
        DialogItem item = {};
        r.AlignDWord();
        if (dlg.bExtended)
        {
            r.DWord(); // help id
            r.DWord(); // extended style
            item.nStyle = r.DWord();
        }
        else
        {
            item.nStyle = r.DWord();
            r.DWord(); // extended style
        }
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.nID = dlg.bExtended ? r.DWord() : r.Word();
        item.strClass = r.TextOrOrdinal(true);
        item.strText = r.TextOrOrdinal(false);
        r.Skip(r.Word()); // creation data
        dlg.aItems.push_back(item);
    }
    return !r.Failed();
}

const int kFree = INT_MIN;       // the position or size is not fixed
const int kBelow = INT_MIN + 1;  // a line below the control before it
const DWORD kAnyID = 0xFFFFFFFE;
const DWORD kShown = WS_CHILD | WS_VISIBLE;
const DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

enum class Control { pushButton, defPushButton, okButton, toggle, numberEdit, icon, text };

struct ExpectedControl
{
    DWORD nID;
    Control kind;
    const wchar_t* pszText; // nullptr: any text that is not empty
    int x, y, cx, cy;
    DWORD nStyle;           // further style bits that must be set
};

struct ExpectedDialog
{
    UINT nID;
    bool bMustBeExtended;
    const wchar_t* pszCaption;
    int cx, cy;
    DWORD nStyleSet;   // bits that must be set
    DWORD nStyleClear; // bits that must not be set
    const wchar_t* pszFace;
    int nPointSize;
    int nWeight;       // 0: not fixed
    int nCharSet;      // -1: not fixed
    std::vector<ExpectedControl> aControls;
};

// Controls in template (tab) order. The two lines under the About box's version line may say
// anything. The forms 101 and 313 have no caption (which would need WS_DLGFRAME); 313 has no
// border either.
const ExpectedDialog kDialogs[] = {
    {100, false, L"バージョン情報", 171, 73, DS_MODALFRAME | WS_CAPTION | WS_SYSMENU, 0,
     L"MS UI Gothic", 9, 0, -1, {
        {kAnyID, Control::icon, L"#128", 14, 14, kFree, kFree, kShown},
        {kAnyID, Control::text, L"Kasumiori, Version 1.0.2.0", 42, 14, kFree, kFree, kShown},
        {kAnyID, Control::text, nullptr, kFree, kBelow, kFree, kFree, kShown},
        {kAnyID, Control::text, nullptr, kFree, kBelow, kFree, kFree, kShown},
        {IDOK, Control::okButton, L"OK", 114, 51, 50, 14, kShown},
    }},
    {101, false, L"", 243, 156, WS_CHILD | DS_SETFONT, WS_DLGFRAME,
     L"MS UI Gothic", 9, 400, 128, {
        {1000, Control::pushButton, L"次の句", 201, 7, 29, 16, kTabStop},
        {1001, Control::pushButton, L"解答", 168, 7, 29, 16, kTabStop},
        {1002, Control::pushButton, L"前の句", 135, 7, 29, 16, kTabStop},
        {1003, Control::toggle, L"ランダムに百首", 75, 7, 53, 16, kTabStop},
        {1004, Control::toggle, L"下の句を先に表示", 7, 7, 64, 16, kTabStop},
        {1007, Control::toggle, L"音声", 123, 70, 29, 16, kTabStop},
        {1005, Control::numberEdit, L"", 172, 65, 22, 14, kTabStop},
    }},
    {313, true, L"", 506, 200, WS_CHILD | DS_SETFONT, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME,
     L"MS UI Gothic", 9, 0, -1, {
        {1000, Control::pushButton, L"次の句", 432, 7, 29, 16, kTabStop},
        {1003, Control::pushButton, L"下の句", 400, 7, 29, 16, kTabStop},
        {1001, Control::pushButton, L"終了", 470, 7, 29, 16, kTabStop},
        {1002, Control::pushButton, L"札並べ", 7, 7, 29, 16, kTabStop},
        {1006, Control::toggle, L"一字", 39, 7, 17, 16, kTabStop},
        {1007, Control::toggle, L"二字", 56, 7, 17, 16, kTabStop},
        {1008, Control::toggle, L"三字", 73, 7, 17, 16, kTabStop},
        {1009, Control::toggle, L"四字", 90, 7, 17, 16, kTabStop},
        {1010, Control::toggle, L"五字", 107, 7, 17, 16, kTabStop},
        {1011, Control::toggle, L"六字", 124, 7, 17, 16, kTabStop},
        {1012, Control::toggle, L"音声", 274, 7, 29, 16, kTabStop},
        {1013, Control::toggle, L"自動", 337, 7, 29, 16, kTabStop},
        {1005, Control::numberEdit, L"", 470, 75, 22, 14, kTabStop},
        {1004, Control::pushButton, L"速度", 368, 7, 29, 16, kTabStop},
        {1014, Control::toggle, L"札一", 161, 7, 17, 16, kTabStop},
        {1015, Control::toggle, L"札二", 178, 7, 17, 16, kTabStop},
        {1016, Control::toggle, L"札三", 195, 7, 17, 16, kTabStop},
        {1017, Control::toggle, L"札四", 213, 7, 17, 16, kTabStop},
        {1018, Control::toggle, L"札五", 229, 7, 17, 16, kTabStop},
        {1019, Control::toggle, L"札六", 246, 7, 17, 16, kTabStop},
        {1020, Control::toggle, L"文字", 306, 7, 29, 16, kTabStop},
    }},
    {316, false, L"成績", 208, 113,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS, 0,
     L"MS Shell Dlg", 8, FW_NORMAL, -1, {
        {IDOK, Control::defPushButton, L"OK", 151, 92, 50, 14, kTabStop},
    }},
};

std::string Hex(DWORD n)
{
    char sz[16];
    std::snprintf(sz, sizeof(sz), "0x%08lX", static_cast<unsigned long>(n));
    return sz;
}

// The class and the style bits that make a control of that kind.
void ExpectKind(const std::string& what, Control kind, const DialogItem& item)
{
    const wchar_t* pszClass = L"Button";
    DWORD nMask = BS_TYPEMASK, nValue = 0; // (style & mask) == value
    bool bOkButton = false;
    switch (kind)
    {
    case Control::pushButton:
        nValue = BS_PUSHBUTTON;
        break;
    case Control::defPushButton:
        nValue = BS_DEFPUSHBUTTON;
        break;
    case Control::okButton: // a push button, default or not
        bOkButton = true;
        break;
    case Control::toggle:
        nMask = BS_TYPEMASK | BS_PUSHLIKE;
        nValue = BS_AUTOCHECKBOX | BS_PUSHLIKE;
        break;
    case Control::numberEdit:
        pszClass = L"Edit";
        nMask = nValue = WS_BORDER | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL;
        break;
    case Control::icon:
        pszClass = L"Static";
        nMask = SS_TYPEMASK;
        nValue = SS_ICON;
        break;
    case Control::text:
        pszClass = L"Static";
        nMask = SS_TYPEMASK;
        break;
    }
    // Class names are not case-sensitive; a resource compiler may store "BUTTON".
    if (_wcsicmp(pszClass, item.strClass.c_str()) != 0)
        ExpectSame(what + ": class", Utf8(pszClass), Utf8(item.strClass));
    const DWORD nType = item.nStyle & nMask;
    if (bOkButton)
    {
        EXPECT_TRUE(nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON)
            << what << ": not a push button, style " << Hex(item.nStyle);
    }
    else if (kind == Control::text)
    {
        EXPECT_TRUE(nType == SS_LEFT || nType == SS_CENTER || nType == SS_RIGHT ||
                    nType == SS_SIMPLE || nType == SS_LEFTNOWORDWRAP)
            << what << ": not a text static, style " << Hex(item.nStyle);
    }
    else
    {
        ExpectSame(what + ": style bits under the mask " + Hex(nMask), Hex(nValue), Hex(nType));
    }
}

void ExpectControl(const std::string& what, const ExpectedControl& want, const DialogItem& item,
                   const DialogItem* pPrevious)
{
    if (want.nID != kAnyID)
        ExpectSame(what + ": id", std::to_string(want.nID), std::to_string(item.nID));
    ExpectKind(what, want.kind, item);
    if (want.pszText != nullptr)
        ExpectSame(what + ": text", Quoted(want.pszText), Quoted(item.strText));
    else
        EXPECT_FALSE(item.strText.empty()) << what << ": has no text";
    ExpectSame(what + ": style bits that must be set", Hex(want.nStyle), Hex(item.nStyle & want.nStyle));
    const struct { const char* name; int expected, actual; } aPlaces[] = {
        {"x", want.x, item.x}, {"y", want.y, item.y}, {"width", want.cx, item.cx}, {"height", want.cy, item.cy}};
    for (const auto& place : aPlaces)
    {
        if (place.expected == kBelow)
        {
            EXPECT_GT(place.actual, pPrevious ? pPrevious->y : INT_MAX)
                << what << ": " << place.name << " is not below the control before it";
        }
        else if (place.expected != kFree)
        {
            ExpectSame(what + ": " + place.name, std::to_string(place.expected), std::to_string(place.actual));
        }
    }
}

void ExpectDialog(const ExpectedDialog& want, const DialogTemplate& dlg)
{
    const std::string what = "dialog " + std::to_string(want.nID);
    if (want.bMustBeExtended)
    {
        EXPECT_TRUE(dlg.bExtended) << what << " is a classic template, not an extended one";
    }
    ExpectSame(what + ": caption", Quoted(want.pszCaption), Quoted(dlg.strCaption));
    ExpectSame(what + ": size", std::to_string(want.cx) + " x " + std::to_string(want.cy),
               std::to_string(dlg.cx) + " x " + std::to_string(dlg.cy));
    ExpectSame(what + ": style bits that must be set", Hex(want.nStyleSet), Hex(dlg.nStyle & want.nStyleSet));
    ExpectSame(what + ": style bits that must not be set", Hex(0), Hex(dlg.nStyle & want.nStyleClear));
    ExpectSame(what + ": font", Quoted(want.pszFace) + " " + std::to_string(want.nPointSize) + " pt",
               Quoted(dlg.strFace) + " " + std::to_string(dlg.nPointSize) + " pt");
    if (want.nWeight != 0)
        ExpectSame(what + ": font weight", std::to_string(want.nWeight), std::to_string(dlg.nWeight));
    if (want.nCharSet != -1)
        ExpectSame(what + ": font character set", std::to_string(want.nCharSet), std::to_string(dlg.nCharSet));
    ExpectSame(what + ": number of controls", std::to_string(want.aControls.size()),
               std::to_string(dlg.aItems.size()));
    for (size_t i = 0; i < std::min(want.aControls.size(), dlg.aItems.size()); ++i)
    {
        std::string strControl = what + ", control " + std::to_string(i + 1);
        if (want.aControls[i].nID != kAnyID)
            strControl += " (id " + std::to_string(want.aControls[i].nID) + ")";
        ExpectControl(strControl, want.aControls[i], dlg.aItems[i], i > 0 ? &dlg.aItems[i - 1] : nullptr);
    }
}

// --- Strings --------------------------------------------------------------------------------

struct StringCase
{
    UINT nID;
    const wchar_t* pszText;
};

const StringCase kStrings[] = {
    {100, L"OLE の初期化に失敗しました。OLE ライブラリのバージョンが正しいことを確認してください。"},
    {306, L"編集"},
    {130, L"\nKasumiori\nKasumiori\nKasumiori Files (*.csv)\n.csv\nKasumiori.Document\nKasumiori.Document"},
    {131, L"\nKasumiori\n\nKasumiori Files (*.csv)\n.csv\nKasumiori.Document\nKasumiori.Document"},
};

} // namespace

TEST(Resources, ProgramHoldsTheMenusAcceleratorsStringsDialogsAndVersion)
{
    e2e::ExeResources exe;
    ASSERT_NE(exe.Handle(), nullptr) << "cannot load the resources of " << Utf8(g_strExe);

    for (const MenuCase& menu : kMenus)
    {
        const std::string what = "menu " + std::to_string(menu.nID);
        HMENU hMenu = ::LoadMenuW(exe.Handle(), MAKEINTRESOURCEW(menu.nID));
        if (hMenu == nullptr)
        {
            ADD_FAILURE() << what << " is missing";
            continue;
        }
        std::vector<std::string> aExpected, aActual;
        for (const MenuLine& line : menu.aLines)
            aExpected.push_back(Describe(line));
        DescribeMenu(hMenu, 0, aActual);
        ::DestroyMenu(hMenu);
        ExpectSameLines(what, aExpected, aActual);
    }

    // The accelerators in any order, each one exactly once.
    {
        HACCEL hAccel = ::LoadAcceleratorsW(exe.Handle(), MAKEINTRESOURCEW(128));
        EXPECT_NE(hAccel, nullptr) << "accelerator table 128 is missing";
        std::vector<ACCEL> aTable(hAccel ? ::CopyAcceleratorTableW(hAccel, nullptr, 0) : 0);
        if (hAccel)
            ::CopyAcceleratorTableW(hAccel, aTable.data(), static_cast<int>(aTable.size()));
        std::vector<std::string> aExpected, aActual;
        for (const ACCEL& a : kMainAccelerators)
            aExpected.push_back(Describe(a));
        for (ACCEL a : aTable)
        {
            a.fVirt &= FVIRTKEY | FCONTROL | FALT | FSHIFT; // FNOINVERT is no part of the key
            aActual.push_back(Describe(a));
        }
        std::sort(aExpected.begin(), aExpected.end());
        std::sort(aActual.begin(), aActual.end());
        std::vector<std::string> aMissing, aExtra;
        std::set_difference(aExpected.begin(), aExpected.end(), aActual.begin(), aActual.end(),
                            std::back_inserter(aMissing));
        std::set_difference(aActual.begin(), aActual.end(), aExpected.begin(), aExpected.end(),
                            std::back_inserter(aExtra));
        for (const std::string& s : aMissing)
            ADD_FAILURE() << "accelerator table 128 lacks " << s;
        for (const std::string& s : aExtra)
            ADD_FAILURE() << "accelerator table 128 holds " << s << ", which is not expected";
    }

    for (const StringCase& str : kStrings)
        ExpectSame("string " + std::to_string(str.nID), Quoted(str.pszText), Quoted(exe.String(str.nID)));
    // The application title is ours to choose; the frame's title (the first field of string
    // 128) must be the same text.
    const std::wstring strTitle = exe.String(57344);
    EXPECT_FALSE(strTitle.empty()) << "string 57344, the application title, is empty";
    const std::wstring strFrame = exe.String(128);
    ExpectSame("string 128, first field, against string 57344", Quoted(strTitle),
               Quoted(strFrame.substr(0, strFrame.find(L'\n'))));

    for (const ExpectedDialog& want : kDialogs)
    {
        HRSRC hRes = ::FindResourceW(exe.Handle(), MAKEINTRESOURCEW(want.nID), reinterpret_cast<LPCWSTR>(RT_DIALOG));
        HGLOBAL hData = hRes ? ::LoadResource(exe.Handle(), hRes) : nullptr;
        const BYTE* p = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
        if (p == nullptr)
        {
            ADD_FAILURE() << "dialog " << want.nID << " is missing";
            continue;
        }
        DialogTemplate dlg;
        if (!ParseDialog(p, ::SizeofResource(exe.Handle(), hRes), dlg))
        {
            ADD_FAILURE() << "dialog " << want.nID << ": the template ends before its last control";
            continue;
        }
        ExpectDialog(want, dlg);
    }

    // The version record: file and product version 1.0.2.0, in numbers and in text.
    DWORD dwHandle = 0;
    std::vector<BYTE> aVersion(::GetFileVersionInfoSizeW(g_strExe.c_str(), &dwHandle));
    ASSERT_FALSE(aVersion.empty()) << "the program has no version record";
    ASSERT_TRUE(::GetFileVersionInfoW(g_strExe.c_str(), 0, static_cast<DWORD>(aVersion.size()), aVersion.data()));
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(::VerQueryValueW(aVersion.data(), L"\\", reinterpret_cast<void**>(&pInfo), &nLength));
    ASSERT_GE(nLength, sizeof(VS_FIXEDFILEINFO));
    auto dotted = [](DWORD ms, DWORD ls) {
        return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." +
               std::to_string(HIWORD(ls)) + "." + std::to_string(LOWORD(ls));
    };
    ExpectSame("version record: file version", "1.0.2.0", dotted(pInfo->dwFileVersionMS, pInfo->dwFileVersionLS));
    ExpectSame("version record: product version", "1.0.2.0", dotted(pInfo->dwProductVersionMS, pInfo->dwProductVersionLS));
    struct { WORD wLanguage, wCodePage; }* pTranslation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(aVersion.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&pTranslation), &nLength) && nLength >= 4)
        << "the version record has no translation";
    for (const wchar_t* pszName : {L"FileVersion", L"ProductVersion"})
    {
        wchar_t szKey[64];
        std::swprintf(szKey, 64, L"\\StringFileInfo\\%04x%04x\\%ls", pTranslation->wLanguage,
                      pTranslation->wCodePage, pszName);
        wchar_t* pszValue = nullptr;
        std::wstring strValue;
        if (::VerQueryValueW(aVersion.data(), szKey, reinterpret_cast<void**>(&pszValue), &nLength) && pszValue)
            strValue = pszValue;
        ExpectSame("version record: " + Utf8(pszName), "\"1.0.2.0\"", Quoted(strValue));
    }
}
