// The reading devices as the platform's MCI sees them, asked directly: which file a device has
// open, whether it plays, how many are open. Shared by the unit and the GUI tests.
#pragma once
#include "Afx.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mciprobe {

// The element file of an open device, as MCI reports it; empty when the id names no open device.
std::wstring DeviceFile(MCIDEVICEID nID);
// The same without its folders, as CP932 bytes.
std::string DeviceFileName(MCIDEVICEID nID);
// MCI_MODE_... of the device, or 0 when it is not open.
DWORD DeviceMode(MCIDEVICEID nID);
// How many MCI devices this process has open; -1 when MCI does not say.
int OpenDeviceCount();
// The devices this process has open, found through MCI itself by their names.
std::vector<MCIDEVICEID> OpenDevices();
// Success when the device plays. A bench without any wave output cannot start a device; that
// is reported as what it is, since the bench of ./test provides one.
testing::AssertionResult IsPlaying(MCIDEVICEID nID);

} // namespace mciprobe
