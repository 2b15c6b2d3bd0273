// The main window's way into the setup wizard: the pages a user may see, in order, run modally.
#pragma once
#include <windows.h>

#include "net/chosen_device.h"
#include "ui/wizard/drive_mapping_page.h"
#include "ui/wizard/network_page.h"
#include "ui/wizard/raid_page.h"
#include "ui/wizard/time_zone_page.h"
#include "ui/wizard/user_group_page.h"
#include "ui/wizard/user_name_page.h"

class CWizardDialogBase;

// The wizard's pages. They outlive the frame's window: the holder is made before the frame.
struct WizardPages {
  CUserNamePage password;
  CUserGroupPage identity;
  CTimeZonePage zone;
  CNetworkPage network;
  CRaidPage volumes;
  CDriveMappingPage mapping;

  // Appends the pages the user sees to `frame`, each by its name in the language shown (the step
  // markers find their pages by it): the administrator every settings page, any other user the
  // password page only; both end with the drive mapping page.
  void AddTo(CWizardDialogBase& frame, bool administrator);
};

// Runs the wizard for `device` over `owner` with the pages of the user's kind (WizardPages).
// Returns when the wizard has closed, by any of its ways out, with the device where the wizard left
// it (moved only by a network change that the wizard followed to the device's new address).
ChosenDevice RunSetupWizard(HWND owner, bool administrator, const ChosenDevice& device);
