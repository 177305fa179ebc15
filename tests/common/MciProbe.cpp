#include "MciProbe.h"

namespace mciprobe {

std::wstring DeviceFile(MCIDEVICEID nID)
{
    wchar_t szFile[MAX_PATH * 2] = {};
    MCI_INFO_PARMSW parms = {};
    parms.lpstrReturn = szFile;
    parms.dwRetSize = static_cast<DWORD>(sizeof(szFile) / sizeof(szFile[0]));
    if (nID == 0 || mciSendCommandW(nID, MCI_INFO, MCI_WAIT | MCI_INFO_FILE,
                                    reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return std::wstring();
    return szFile;
}

std::string DeviceFileName(MCIDEVICEID nID)
{
    std::wstring strFile = DeviceFile(nID);
    const size_t nSlash = strFile.find_last_of(L"\\/");
    if (nSlash != std::wstring::npos)
        strFile = strFile.substr(nSlash + 1);
    return std::string(static_cast<const char*>(AfxFromWide(strFile.c_str())));
}

DWORD DeviceMode(MCIDEVICEID nID)
{
    MCI_STATUS_PARMS parms = {};
    parms.dwItem = MCI_STATUS_MODE;
    if (nID == 0 || mciSendCommandW(nID, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM,
                                    reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return 0;
    return static_cast<DWORD>(parms.dwReturn);
}

int OpenDeviceCount()
{
    MCI_SYSINFO_PARMSW parms = {};
    DWORD dwCount = 0;
    parms.lpstrReturn = reinterpret_cast<LPWSTR>(&dwCount);
    parms.dwRetSize = sizeof(dwCount);
    parms.wDeviceType = MCI_ALL_DEVICE_ID;
    if (mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                        reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return -1;
    return static_cast<int>(dwCount);
}

std::vector<MCIDEVICEID> OpenDevices()
{
    std::vector<MCIDEVICEID> aDevices;
    const int nCount = OpenDeviceCount();
    for (int i = 1; i <= nCount; ++i)
    {
        wchar_t szName[MAX_PATH * 2] = {};
        MCI_SYSINFO_PARMSW parms = {};
        parms.lpstrReturn = szName;
        parms.dwRetSize = static_cast<DWORD>(sizeof(szName) / sizeof(szName[0]));
        parms.dwNumber = static_cast<DWORD>(i);
        parms.wDeviceType = MCI_ALL_DEVICE_ID;
        if (mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_NAME | MCI_SYSINFO_OPEN,
                            reinterpret_cast<DWORD_PTR>(&parms)) == 0)
            aDevices.push_back(mciGetDeviceIDW(szName));
    }
    return aDevices;
}

testing::AssertionResult IsPlaying(MCIDEVICEID nID)
{
    if (waveOutGetNumDevs() == 0)
        return testing::AssertionFailure()
               << "the test bench has no wave output, so no reading can play "
                  "(./test gives Wine an ALSA null device)";
    const DWORD dwMode = DeviceMode(nID);
    if (dwMode == MCI_MODE_PLAY)
        return testing::AssertionSuccess();
    testing::AssertionResult result = testing::AssertionFailure();
    result << "device " << nID << " does not play: ";
    if (dwMode == 0)
        result << "it is not open";
    else if (dwMode == MCI_MODE_STOP)
        result << "it is stopped";
    else
        result << "its mode is " << dwMode;
    return result;
}

} // namespace mciprobe
