// The bench of the in-process GUI tests: the real application object is started once by
// GuiTestMain.cpp; tests drive its windows with real messages and read members, texts and pixels.
#pragma once
#include "Afx.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace gui {

// Handles every message waiting for this thread, through the application's own translation
// (accelerators, dialog navigation), as the message loop would.
void PumpMessages();
// Pumps until pred() holds or timeoutMs of real time pass; returns pred().
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

CFrameWnd* MainFrame();
CView* ActiveView();
template <class T> T* ActiveViewAs() { return dynamic_cast<T*>(ActiveView()); }
// WM_COMMAND from a menu item or accelerator, sent to the main frame.
void SendCommand(UINT nID);
// A real click on a control of a window (BM_CLICK), then pumps.
void ClickControl(CWnd* pParent, int nCtrlID);
// Text of a control, as CP932 bytes.
CString ControlText(CWnd* pParent, int nCtrlID);
BOOL IsPressed(CWnd* pParent, int nCtrlID);

// A clock that the test sets. Pauses do not wait: they advance the time and are recorded, and
// onSleep runs during each pause (e.g. to capture what the screen shows then).
class FakeClock : public CAfxClock
{
public:
    FakeClock();
    ~FakeClock() override;
    void Sleep(DWORD dwMilliseconds) override;
    void GetLocalTime(SYSTEMTIME* pst) override;
    void Set(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);
    void AdvanceSeconds(long long nSeconds);

    std::vector<DWORD> m_aSleeps;
    std::function<void()> m_onSleep;

private:
    long long m_nMs; // milliseconds since 1601-01-01 (FILETIME / 10000)
    CAfxClock* m_pPrevious;
};

// Takes the place of the message beep while it lives: each beep is recorded, none is sounded.
class BeepRecorder : public CAfxBeeper
{
public:
    BeepRecorder();
    ~BeepRecorder() override;
    BOOL MessageBeep(UINT uType) override;

    std::vector<UINT> m_aBeeps; // the type of each beep, in order

private:
    CAfxBeeper* m_pPrevious;
};

// What a message box or dialog showed.
struct SeenBox
{
    CString strText;     // the message text (message boxes), CP932
    CString strCaption;  // the window title, CP932
    HWND hOwner;         // the owner window
    bool bHasIcon;       // an icon is shown
    std::vector<int> aButtons; // ids of the push buttons, e.g. IDOK, IDCANCEL
};

// Answers every modal message box or dialog that the program opens while this object lives:
// records what it showed, lets onShow look at it (it is painted by then), then presses the
// next queued button (or the default one given to the constructor).
class BoxAnswerer
{
public:
    explicit BoxAnswerer(int nDefaultButton = IDOK);
    ~BoxAnswerer();
    void Queue(int nButton) { m_aQueue.push_back(nButton); }

    std::vector<SeenBox> m_aSeen;
    std::function<void(HWND)> m_onShow;

private:
    friend struct BoxAnswererAccess;
    int m_nDefault;
    std::vector<int> m_aQueue;
    HHOOK m_hHook;
};

// The client area of a window, copied from its device context into memory.
class Capture
{
public:
    // What the window's device context holds, or what the display itself shows there.
    enum Source { fromWindow, fromScreen };
    explicit Capture(HWND hWnd, Source source = fromWindow);
    // The pixels of a bitmap (e.g. a resource of the program).
    explicit Capture(HBITMAP hBitmap);
    COLORREF At(int x, int y) const;   // 0x00BBGGRR; CLR_INVALID outside
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // True when some pixel of the rectangle has exactly that colour.
    bool Contains(const RECT& rc, COLORREF color) const;
    int Count(const RECT& rc, COLORREF color) const;
    bool SavePng(const char* pszUnixPath) const; // debugging aid: writes a BMP next to it

private:
    void Grab(HDC hdcSource, int x, int y);
    int m_nWidth = 0, m_nHeight = 0;
    std::vector<DWORD> m_aPixels;
};

// A memory bitmap on which a test draws what a window should show: it holds the font of a fresh
// device context of that window (the font that a drawing which selects none gets) and starts
// filled with one colour.
class ReferenceCanvas
{
public:
    ReferenceCanvas(HWND hWnd, int nWidth, int nHeight, COLORREF background);
    ~ReferenceCanvas();
    ReferenceCanvas(const ReferenceCanvas&) = delete;
    ReferenceCanvas& operator=(const ReferenceCanvas&) = delete;
    HDC Dc() const { return m_hdc; }
    Capture Pixels(); // what has been drawn so far

private:
    HDC m_hdc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
};

// Character width and line height of the font that a fresh device context of the window holds,
// the font by which the views, selecting none, place their text.
struct CharCell
{
    int cw; // tmMaxCharWidth
    int lh; // tmHeight + tmInternalLeading
};
CharCell StockCharCell(HWND hWnd);

// A fresh temporary folder that becomes the current directory while the object lives.
class ScopedTempDir
{
public:
    ScopedTempDir();
    ~ScopedTempDir();
    const CString& Path() const { return m_strPath; } // ends without a backslash
    // The folder as a document's base folder names it: every separator doubled.
    CString BaseFolder() const;
    // Writes a file below the folder (relative name with backslashes), creating folders.
    void WriteFile(const char* pszRelative, const std::string& bytes) const;

private:
    CString m_strPath;
    CString m_strPrevious;
};

// A minimal valid PCM wave file of the given length.
std::string MakeWave(int nMilliseconds);

} // namespace gui
