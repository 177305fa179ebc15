// Which recording each step of the card-taking game opens and plays, asked of the platform
// itself: the file and the mode of the MCI device that is open, and, with the voice off, the
// beeps that take the place of the readings.
#include "FudatoriFixture.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "KasumioriDoc.h"
#include "KimarijiGroups.h"
#include "MciProbe.h"
#include "NumText.h"

namespace {

const int kIntroduction = -1; // the part of the introductory reading

// The recording's file name of a part of a poem.
std::string RecordingName(int nPart, int nPoem)
{
    if (nPart == kIntroduction)
        return "hy000.wav";
    char szName[32];
    std::snprintf(szName, sizeof(szName), "hy%03d%d.wav", nPoem, nPart);
    return szName;
}

// A step of a game, as the player or the timers take it, and the part it must read.
enum Action { actDeal, actNext, actLower, actTake, actTimer };
struct Step
{
    const char* pszName;
    Action action;
    UINT_PTR nTimer;
    int nPart;
};

const Step kByHand[] = {
    {"deal", actDeal, 0, kIntroduction},
    {"next poem", actNext, 0, 0},
    {"lower verse", actLower, 0, 1},
    {"lower verse again", actLower, 0, 1},
    {"next poem, passing over the card", actNext, 0, 0},
    {"take during the upper verse", actTake, 0, 1},
    {"next poem after the take", actNext, 0, 0},
};

const Step kAutomatic[] = {
    {"deal", actDeal, 0, kIntroduction},
    {"timer 4: first poem", actTimer, 4, 0},
    {"timer 1: lower verse", actTimer, 1, 1},
    {"timer 2: lower verse again", actTimer, 2, 1},
    {"timer 3: next poem, passing over the card", actTimer, 3, 0},
    {"take during the upper verse", actTake, 0, 1},
    {"timer 5: next poem after the take", actTimer, 5, 0},
};

// A card-taking view whose document takes its base folder, as the program does, from the
// current directory when the practice view starts: a folder of the test with recordings of the
// introduction and of the poems of groups 1 and 5.
class FudatoriReadingTest : public gui::FudatoriFixture
{
protected:
    void SetUp() override
    {
        m_pDir = std::make_unique<gui::ScopedTempDir>();
        // Long enough to be still playing whenever a step is looked at.
        const std::string wave = gui::MakeWave(15000);
        m_pDir->WriteFile(("yomi\\" + RecordingName(kIntroduction, 0)).c_str(), wave);
        for (int nGroup : {1, 5})
        {
            const KimarijiGroup& group = g_aKimarijiGroup[nGroup - 1];
            for (int i = 0; i < group.nSize; ++i)
                for (int nPart = 0; nPart <= 1; ++nPart)
                    m_pDir->WriteFile(("yomi\\" + RecordingName(nPart, group.pPoems[i])).c_str(),
                                      wave);
        }
        gui::SendCommand(ID_SWITCH_PRACTICE);
        FudatoriFixture::SetUp();
    }

    void TearDown() override
    {
        FudatoriFixture::TearDown();
        // The view closes its recording when it goes, so that the folder can go too.
        gui::SendCommand(ID_SWITCH_PRACTICE);
        m_pDir.reset();
    }

    // The path that the program must open for a recording: the base folder with its
    // separators doubled, then the yomi folder.
    std::wstring Recording(int nPart, int nPoem) const
    {
        return AfxToWide(m_pDir->BaseFolder()) + L"\\\\yomi\\\\" +
               AfxToWide(RecordingName(nPart, nPoem).c_str());
    }

    // The file of the one recording open now, found through MCI itself, when it plays;
    // otherwise what is wrong instead.
    static std::wstring Playing()
    {
        const std::vector<MCIDEVICEID> aOpen = mciprobe::OpenDevices();
        if (aOpen.size() != 1)
            return L"(" + std::to_wstring(aOpen.size()) + L" devices open)";
        const testing::AssertionResult playing = mciprobe::IsPlaying(aOpen[0]);
        if (!playing)
        {
            const std::string strWhy = playing.message();
            return L"(" + std::wstring(strWhy.begin(), strWhy.end()) + L") " +
                   mciprobe::DeviceFile(aOpen[0]);
        }
        return mciprobe::DeviceFile(aOpen[0]);
    }

    // The poem that the number box shows; 0 for its caption 番号.
    int ShownPoem() const
    {
        const CString strNumber = gui::ControlText(m_pView, IDC_NUMBER);
        return strNumber == CString("番号") ? 0 : StrToNum(strNumber);
    }

    void Perform(const Step& step)
    {
        switch (step.action)
        {
        case actDeal: Click(IDC_DEAL); break;
        case actNext: Click(IDC_NEXT); break;
        case actLower: Click(IDC_LOWER); break;
        case actTake: ClickPosition(PositionOf(m_pView->m_nCurPoem)); break;
        case actTimer:
        {
            const gui::TimerList running = Timers();
            ASSERT_TRUE(std::find_if(running.begin(), running.end(), [&step](const auto& timer) {
                            return timer.first == step.nTimer;
                        }) != running.end())
                << "timer " << step.nTimer << " is not running";
            FireTimer(step.nTimer);
            break;
        }
        }
    }

    std::unique_ptr<gui::ScopedTempDir> m_pDir;
};

struct Game
{
    const char* pszName;
    bool bAuto;
    bool bVoice;
};

void PrintTo(const Game& game, std::ostream* pOut)
{
    *pOut << game.pszName;
}

class FudatoriReadingGame : public FudatoriReadingTest, public testing::WithParamInterface<Game>
{
};

// Every step reads the part of the poem that the number box then shows, and nothing else is
// open; with the voice off nothing is opened and each reading is one beep, the deal none.
TEST_P(FudatoriReadingGame, EachStepReadsItsRecordingOrBeeps)
{
    const Game& game = GetParam();
    gui::BoxAnswerer answerer(IDOK); // the pass-over question
    gui::BeepRecorder beeps;
    SetReadGroupsOff({2, 3, 4, 5, 6});
    SetPressed(IDC_FUDATORI_VOICE, !game.bVoice);
    SetPressed(IDC_AUTO, !game.bAuto);
    CKasumioriDoc* pDoc = m_pView->GetDocument();
    ASSERT_TRUE(mciprobe::OpenDevices().empty());

    const Step* const pFirst = game.bAuto ? std::begin(kAutomatic) : std::begin(kByHand);
    const Step* const pEnd = game.bAuto ? std::end(kAutomatic) : std::end(kByHand);
    for (const Step* pStep = pFirst; pStep != pEnd; ++pStep)
    {
        SCOPED_TRACE(pStep->pszName);
        const size_t nBeepsBefore = beeps.m_aBeeps.size();
        Perform(*pStep);
        const int nPoem = ShownPoem();
        ASSERT_EQ(m_pView->m_nCurPoem, nPoem);
        ASSERT_EQ(pStep->nPart == kIntroduction, nPoem == 0);
        const std::vector<UINT> aBeeps(beeps.m_aBeeps.begin() + nBeepsBefore, beeps.m_aBeeps.end());
        if (game.bVoice)
        {
            EXPECT_EQ(Recording(pStep->nPart, nPoem), Playing());
            EXPECT_TRUE(aBeeps.empty());
        }
        else
        {
            EXPECT_EQ(0u, pDoc->m_nMciDeviceID);
            EXPECT_TRUE(mciprobe::OpenDevices().empty());
            EXPECT_EQ(pStep->nPart == kIntroduction ? std::vector<UINT>{} : std::vector<UINT>{0u},
                      aBeeps);
        }
    }
    EXPECT_TRUE(m_pView->m_bRoundActive);
}

INSTANTIATE_TEST_SUITE_P(HandAndAutomatic, FudatoriReadingGame,
                         testing::Values(Game{"ByHandWithVoice", false, true},
                                         Game{"ByHandWithoutVoice", false, false},
                                         Game{"AutomaticWithVoice", true, true},
                                         Game{"AutomaticWithoutVoice", true, false}),
                         [](const testing::TestParamInfo<Game>& info) {
                             return std::string(info.param.pszName);
                         });

TEST_F(FudatoriReadingTest, FinishStopsAndClosesTheReadingBeforeTheResults)
{
    gui::BoxAnswerer answerer(IDOK);
    std::vector<size_t> aOpenAtResults;
    answerer.m_onShow = [&aOpenAtResults](HWND) {
        aOpenAtResults.push_back(mciprobe::OpenDevices().size());
    };
    SetReadGroupsOff({2, 3, 4, 5, 6});
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    const std::vector<MCIDEVICEID> aOpen = mciprobe::OpenDevices();
    ASSERT_EQ(1u, aOpen.size());
    ASSERT_TRUE(mciprobe::IsPlaying(aOpen[0]));
    const int nPoem = ShownPoem();

    Click(IDC_FINISH);
    EXPECT_EQ(std::vector<size_t>{0u}, aOpenAtResults) << "closed before the results show";
    EXPECT_FALSE(m_pView->m_bRoundActive);
    EXPECT_EQ(0u, mciprobe::DeviceMode(aOpen[0])) << "MCI knows the device no more";
    EXPECT_TRUE(mciprobe::OpenDevices().empty());
    // The file is released: it can go while the view stays.
    const std::wstring strFile =
        AfxToWide(m_pDir->Path()) + L"\\yomi\\" + AfxToWide(RecordingName(0, nPoem).c_str());
    EXPECT_TRUE(::DeleteFileW(strFile.c_str()));
}

// Only 終了 stops the reading: the last take ends the game while its lower verse reads on.
TEST_F(FudatoriReadingTest, TheLastTakeEndsTheGameWhileItsLowerVerseReadsOn)
{
    gui::BoxAnswerer answerer(IDOK);
    std::vector<std::wstring> aPlayingAtResults;
    answerer.m_onShow = [&aPlayingAtResults](HWND) { aPlayingAtResults.push_back(Playing()); };
    SetReadGroupsOff({1, 2, 3, 4, 6}); // the two poems of group 5
    Click(IDC_DEAL);
    for (int n = 0; n < 2 && m_pView->m_bRoundActive; ++n)
    {
        Click(IDC_NEXT);
        ClickPosition(PositionOf(m_pView->m_nCurPoem));
    }
    EXPECT_FALSE(m_pView->m_bRoundActive);
    const int nLast = ShownPoem();
    ASSERT_EQ(1u, aPlayingAtResults.size());
    EXPECT_EQ(Recording(1, nLast), aPlayingAtResults[0]);
    EXPECT_EQ(Recording(1, nLast), Playing());
}

} // namespace
