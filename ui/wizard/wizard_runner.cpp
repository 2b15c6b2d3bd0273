#include "ui/wizard/wizard_runner.h"

#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "ui/wizard/drive_mapping_page.h"
#include "ui/wizard/network_page.h"
#include "ui/wizard/raid_page.h"
#include "ui/wizard/time_zone_page.h"
#include "ui/wizard/user_group_page.h"
#include "ui/wizard/user_name_page.h"
#include "ui/wizard/wizard_dialog.h"

ChosenDevice RunSetupWizard(HWND owner, bool administrator, const ChosenDevice& device) {
  // The pages outlive the frame's window: declared first, they go last.
  CUserNamePage password;
  CUserGroupPage identity;
  CTimeZonePage zone;
  CNetworkPage network;
  CRaidPage volumes;
  CDriveMappingPage mapping;
  CWizardDialog frame(owner, administrator);
  frame.SetDevice(device);
  frame.AddPage(&password, Tr(L"Password"), IDD_WIZARD_PASSWORD);
  if (administrator) {
    frame.AddPage(&identity, Tr(L"WorkGroup"), IDD_WIZARD_DEVICE_INFO);
    frame.AddPage(&zone, Tr(L"TimeZone"), IDD_WIZARD_TIME_ZONE);
    frame.AddPage(&network, Tr(L"Network"), IDD_WIZARD_NETWORK);
    frame.AddPage(&volumes, Tr(L"RAID"), IDD_WIZARD_RAID);
  }
  frame.AddPage(&mapping, Tr(L"DriveMapping"), IDD_WIZARD_DRIVE_MAPPING);
  frame.DoModal();
  return frame.Device();
}
