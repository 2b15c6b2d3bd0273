// The main window's way into the setup wizard: the pages a user may see, in order, run modally.
#pragma once
#include <windows.h>

// Runs the wizard for device `deviceIndex` of the device list over `owner`: the administrator gets
// every settings page, any other user the password page only; both end with the drive mapping
// page. Returns when the wizard has closed, by any of its ways out.
void RunSetupWizard(HWND owner, bool administrator, int deviceIndex);
