// The main window's way into the setup wizard: the pages a user may see, in order, run modally.
#pragma once
#include <windows.h>

#include "net/chosen_device.h"

// Runs the wizard for `device` over `owner`: the administrator gets every settings page, any other
// user the password page only; both end with the drive mapping page. Returns when the wizard has
// closed, by any of its ways out, with the device where the wizard left it (moved only by a network
// change that the wizard followed to the device's new address).
ChosenDevice RunSetupWizard(HWND owner, bool administrator, const ChosenDevice& device);
