// Reading recordings: which file a reading opens, and the stop/close and play steps, observed
// through the real MCI devices on small wave files that the tests write.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "KasumioriDoc.h"
#include "MciProbe.h"
#include "ReadingAudio.h"
#include "TestFiles.h"

namespace
{
using testfiles::ScratchDir;

using mciprobe::DeviceFile;
using mciprobe::DeviceMode;
using mciprobe::IsPlaying;

bool EndsWith(const std::wstring& s, const std::wstring& strTail)
{
    return s.size() >= strTail.size() && s.compare(s.size() - strTail.size(), strTail.size(), strTail) == 0;
}

class ReadingAudioTest : public ::testing::Test
{
protected:
    ReadingAudioTest()
        : m_dir(L"yomi"), m_pDoc(static_cast<CKasumioriDoc*>(RUNTIME_CLASS(CKasumioriDoc)->CreateObject()))
    {
        CreateDirectoryW(m_dir.File(L"yomi").c_str(), nullptr);
        m_pDoc->m_strBaseDir = m_dir.DoubledBaseDir();
    }

    ~ReadingAudioTest() override
    {
        StopReading(m_pDoc.get());
    }

    std::wstring Recording(const std::wstring& strName) const
    {
        return m_dir.File(L"yomi\\" + strName);
    }

    void WriteRecording(const std::wstring& strName, int nMilliseconds = 3000)
    {
        testfiles::WriteWave(Recording(strName), nMilliseconds);
    }

    ScratchDir m_dir;
    std::unique_ptr<CKasumioriDoc> m_pDoc;
};

TEST_F(ReadingAudioTest, OpensTheRecordingNamedByPoemAndPart)
{
    struct
    {
        int nPart;
        int nPoem;
        const wchar_t* pszFile;
    } const cases[] = {
        {0, 0, L"hy000.wav"},  {1, 0, L"hy000.wav"},  {0, 7, L"hy0070.wav"},
        {1, 7, L"hy0071.wav"}, {0, 45, L"hy0450.wav"}, {1, 45, L"hy0451.wav"},
        {0, 100, L"hy1000.wav"}, {1, 100, L"hy1001.wav"}, {0, 1, L"hy0010.wav"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "poem " << c.nPoem << " part " << c.nPart);
        // Only the expected file exists, so any other name fails to open. The path keeps the
        // doubled separators of the base folder.
        WriteRecording(c.pszFile, 200);
        m_pDoc->m_nMciDeviceID = 0;
        m_pDoc->OpenReadingAudio(c.nPart, c.nPoem);
        ASSERT_NE(0u, m_pDoc->m_nMciDeviceID);
        EXPECT_TRUE(EndsWith(DeviceFile(m_pDoc->m_nMciDeviceID), std::wstring(L"\\\\yomi\\\\") + c.pszFile))
            << "device plays " << testing::PrintToString(DeviceFile(m_pDoc->m_nMciDeviceID));
        StopReading(m_pDoc.get());
        ASSERT_TRUE(DeleteFileW(Recording(c.pszFile).c_str())) << "the closed device still holds the file";
    }
}

TEST_F(ReadingAudioTest, PlayStartsWithoutWaitingAndStopClosesTheDevice)
{
    WriteRecording(L"hy0450.wav", 4000);
    PlayReading(m_pDoc.get(), true, 0, 45);
    const MCIDEVICEID nID = m_pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nID);
    EXPECT_TRUE(IsPlaying(nID));

    StopReading(m_pDoc.get());
    EXPECT_EQ(0u, DeviceMode(nID));                   // the device is closed
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);            // and the document holds no id for it
    StopReading(m_pDoc.get());                        // a second stop changes nothing
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);
}

// MCI gives a closed device's id to the next open. Two documents, each reading in turn: the
// first one's later stop (its next move, 終了, its view destroyed) must not reach the reading
// that the second one opened under the same id.
TEST_F(ReadingAudioTest, AStoppedDocumentLeavesAnotherDocumentsReadingAlone)
{
    std::unique_ptr<CKasumioriDoc> pOther(static_cast<CKasumioriDoc*>(RUNTIME_CLASS(CKasumioriDoc)->CreateObject()));
    pOther->m_strBaseDir = m_pDoc->m_strBaseDir;
    WriteRecording(L"hy0050.wav", 4000);
    WriteRecording(L"hy0091.wav", 4000);

    PlayReading(m_pDoc.get(), true, 0, 5);
    const MCIDEVICEID nFirst = m_pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nFirst);
    StopReading(m_pDoc.get());

    PlayReading(pOther.get(), true, 1, 9);
    const MCIDEVICEID nOther = pOther->m_nMciDeviceID;
    ASSERT_NE(0u, nOther);
    EXPECT_EQ(nFirst, nOther) << "MCI reuses the freed id; the case below is the one that matters";

    StopReading(m_pDoc.get());
    EXPECT_TRUE(EndsWith(DeviceFile(nOther), L"hy0091.wav")) << "the other document's reading was closed";
    EXPECT_TRUE(IsPlaying(nOther));

    StopReading(pOther.get());
    EXPECT_EQ(0u, DeviceMode(nOther));
}

TEST_F(ReadingAudioTest, MissingRecordingGivesNoDeviceAndTheNextReadingPlays)
{
    WriteRecording(L"hy0081.wav");
    m_pDoc->m_nMciDeviceID = 4711;   // a stale id must not survive a failed open
    PlayReading(m_pDoc.get(), true, 0, 8);
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);
    StopReading(m_pDoc.get());

    PlayReading(m_pDoc.get(), true, 1, 8);
    ASSERT_NE(0u, m_pDoc->m_nMciDeviceID);
    EXPECT_TRUE(IsPlaying(m_pDoc->m_nMciDeviceID));
}

TEST_F(ReadingAudioTest, ANewReadingStopsAndClosesTheOneBefore)
{
    WriteRecording(L"hy0010.wav");
    WriteRecording(L"hy0011.wav");
    PlayReading(m_pDoc.get(), true, 0, 1);
    const MCIDEVICEID nFirst = m_pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nFirst);

    StopReading(m_pDoc.get());
    PlayReading(m_pDoc.get(), true, 1, 1);
    const MCIDEVICEID nSecond = m_pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nSecond);
    EXPECT_TRUE(EndsWith(DeviceFile(nSecond), L"hy0011.wav"));
    EXPECT_TRUE(IsPlaying(nSecond));
    if (nFirst != nSecond)
    {
        EXPECT_EQ(0u, DeviceMode(nFirst));
    }
    // The first recording is released: it can be replaced while the second plays.
    EXPECT_TRUE(DeleteFileW(Recording(L"hy0010.wav").c_str()));
}

TEST_F(ReadingAudioTest, VoiceOffOpensNothing)
{
    WriteRecording(L"hy0030.wav");
    PlayReading(m_pDoc.get(), false, 0, 3);
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);
    EXPECT_EQ(0, mciprobe::OpenDeviceCount());
    // Stop with id 0 sends nothing and leaves it 0.
    StopReading(m_pDoc.get());
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);
}

TEST_F(ReadingAudioTest, RecordingThatIsNoWaveFileDoesNoHarm)
{
    testfiles::WriteBytes(Recording(L"hy0200.wav"), "this is not a wave file\r\n");
    testfiles::WriteBytes(Recording(L"hy0201.wav"), std::string("RIFF\xFF\xFF\xFF\x7FWAVEfmt \x02\0\0\0", 20));
    for (int nPart = 0; nPart <= 1; ++nPart)
    {
        PlayReading(m_pDoc.get(), true, nPart, 20);
        const MCIDEVICEID nID = m_pDoc->m_nMciDeviceID;
        // Either the open fails (no device) or a device exists that stop and close end.
        StopReading(m_pDoc.get());
        if (nID != 0)
        {
            EXPECT_EQ(0u, DeviceMode(nID));
        }
    }
    WriteRecording(L"hy0210.wav");
    PlayReading(m_pDoc.get(), true, 0, 21);
    EXPECT_NE(0u, m_pDoc->m_nMciDeviceID);
}
}  // namespace
