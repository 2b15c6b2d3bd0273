#include "ui/wizard/wizard_runner.h"

#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "ui/wizard/wizard_dialog.h"

void WizardPages::AddTo(CWizardDialogBase& frame, bool administrator) {
  frame.AddPage(&password, Tr(L"Password"), IDD_WIZARD_PASSWORD);
  if (administrator) {
    frame.AddPage(&identity, Tr(L"WorkGroup"), IDD_WIZARD_DEVICE_INFO);
    frame.AddPage(&zone, Tr(L"TimeZone"), IDD_WIZARD_TIME_ZONE);
    frame.AddPage(&network, Tr(L"Network"), IDD_WIZARD_NETWORK);
    frame.AddPage(&volumes, Tr(L"RAID"), IDD_WIZARD_RAID);
  }
  frame.AddPage(&mapping, Tr(L"DriveMapping"), IDD_WIZARD_DRIVE_MAPPING);
}

ChosenDevice RunSetupWizard(HWND owner, bool administrator, const ChosenDevice& device) {
  WizardPages pages;  // declared first, the pages go last
  CWizardDialog frame(owner, administrator);
  frame.SetDevice(device);
  pages.AddTo(frame, administrator);
  frame.DoModal();
  return frame.Device();
}
