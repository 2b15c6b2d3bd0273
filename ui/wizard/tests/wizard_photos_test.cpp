// Photographs of the administrator's pages, of the drive mapping page with its choice list open and
// of the format progress dialog, for the README, taken only when DROVIK_WIZARD_PHOTOS names a
// directory (each as <name>.bmp; the time zone page once more in Simplified Chinese). The device's
// answers come from the fake network door, the computer's drives from recorded connections.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/messages.h"
#include "i18n/current_language.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "skin/controls/gdip_list_combo_box.h"
#include "ui/wizard/drive_mapping_page.h"
#include "net/win/network_drives.h"
#include "ui/wizard/network_page.h"
#include "ui/wizard/process_dialog.h"
#include "ui/wizard/raid_page.h"
#include "ui/wizard/time_zone_page.h"
#include "ui/wizard/user_group_page.h"
#include "ui/wizard/tests/support/recorded_drive_connections.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"
#include "ui/wizard/user_name_page.h"
#include "ui/wizard/wizard_dialog.h"

using namespace std::chrono_literals;

namespace {
// An area of the screen as a 24-bit bottom-up BMP.
void SaveScreenArea(const RECT& place, const std::string& path) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
}

// The window as it is on the screen.
void SaveWindowBitmap(HWND window, const std::string& path) {
  RECT place{};
  GetWindowRect(window, &place);
  SaveScreenArea(place, path);
}

void FillDevice() {
  WizardInfoRecord& info = WizardInfo();
  info = WizardInfoRecord{};
  strcpy(info.lan.address, "192.0.2.10");
  strcpy(info.lan.mask, "255.255.255.0");
  strcpy(info.lan.gateway, "192.0.2.1");
  strcpy(info.dns1, "198.51.100.53");
  strcpy(info.hostName, "NAS-01");
  strcpy(info.workgroup, "WORKGROUP");
  strcpy(info.description, "Tom & Jerry");
  info.timeZoneIndex = 74;
}

// The photographs go into the directory DROVIK_WIZARD_PHOTOS names; without it none is taken.
class WizardPhotos : public WizardPageFixture {
 protected:
  explicit WizardPhotos(bool administrator = true) : WizardPageFixture(administrator) {}
  void SetUp() override {
    const char* directory = std::getenv("DROVIK_WIZARD_PHOTOS");
    if (!directory) GTEST_SKIP() << "DROVIK_WIZARD_PHOTOS is not set";
    folder = directory;
  }
  std::string PhotoPath(const char* name) const { return folder + "/" + name + ".bmp"; }

  std::string folder;
};

TEST_F(WizardPhotos, TheFourPages) {
  struct Shot {
    int step;
    const char* file;
    int language;
  };
  const Shot shots[] = {{IDC_WIZARD_STEP_PASSWORD, "wizard-password", -1},
                        {IDC_WIZARD_STEP_DEVICE_INFO, "wizard-device-info", -1},
                        {IDC_WIZARD_STEP_TIME_ZONE, "wizard-time-zone-zh", kSimplifiedChineseLanguage},
                        {IDC_WIZARD_STEP_NETWORK, "wizard-network", -1}};
  FillDevice();
  for (const Shot& shot : shots) {
    // A frame for each shot: its texts are those of the language at its creation.
    SetLanguage(shot.language);
    CUserNamePage password;
    CUserGroupPage device;
    CTimeZonePage zone;
    CNetworkPage network;
    CWizardDialog shotFrame(nullptr, true);
    ASSERT_TRUE(OpenWizardFrame(shotFrame,
                                {{&password, Tr(L"Password"), IDD_WIZARD_PASSWORD},
                                 {&device, Tr(L"WorkGroup"), IDD_WIZARD_DEVICE_INFO},
                                 {&zone, Tr(L"TimeZone"), IDD_WIZARD_TIME_ZONE},
                                 {&network, Tr(L"Network"), IDD_WIZARD_NETWORK}},
                                SW_SHOW));
    shotFrame.SendMessage(WM_COMMAND, static_cast<WPARAM>(shot.step));
    if (shot.step != IDC_WIZARD_STEP_PASSWORD) door.PostCgiDone(door.Last(kGetWizardInfo), true);
    PumpMessages(700ms);
    SaveWindowBitmap(shotFrame.GetSafeHwnd(), PhotoPath(shot.file));
  }
  SetLanguage(-1);
}
// A user's frame: the drive mapping page, with the computer's drives recorded.
class DriveMappingPhoto : public WizardPhotos {
 protected:
  DriveMappingPhoto() : WizardPhotos(false) {}

  RecordedDriveConnections drives;
  CDriveMappingPage mapping;
};

TEST_F(DriveMappingPhoto, TheDriveMappingPageWithItsChoiceList) {
  drives.localDrives = u"CDY";
  SetDriveConnections(&drives);
  OpenFrame({{&mapping, Tr(L"DriveMapping"), IDD_WIZARD_DRIVE_MAPPING}}, false);
  // At the top of the screen, so that the choice list drops down below its cell.
  ::SetWindowPos(frame.GetSafeHwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  frame.ShowWindow(SW_SHOW);
  ShareList() = {{u"Music", u"Y:"}, {u"Photos", u"select"}, {u"Family Backup", u"select"}};
  mapping.SendMessage(WM_CGI_DONE, 0, kGetShareInfo);
  PumpMessages(300ms);
  // The user's two clicks on the second row's location, then the choice list dropped down.
  HWND list = mapping.GetDlgItem(IDC_DRIVE_MAPPING_LIST);
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  ::SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  const LPARAM location = MAKELPARAM(350, (row.top + row.bottom) / 2);
  for (int click = 0; click < 2; ++click) {
    ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, location);
    ::SendMessageW(list, WM_LBUTTONUP, 0, location);
  }
  ASSERT_TRUE(CGdipListComboBox::Shared().IsEditing());
  CGdipListComboBox::Shared().SendMessage(CB_SHOWDROPDOWN, TRUE);
  PumpMessages(700ms);
  // The frame and the dropped list, which reaches beyond it.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ::GetComboBoxInfo(CGdipListComboBox::Shared().GetSafeHwnd(), &combo);
  RECT frameArea{};
  RECT dropped{};
  RECT both{};
  ::GetWindowRect(frame.GetSafeHwnd(), &frameArea);
  ::GetWindowRect(combo.hwndList, &dropped);
  ::UnionRect(&both, &frameArea, &dropped);
  SaveScreenArea(both, PhotoPath("wizard-drive-mapping"));
  CGdipListComboBox::Shared().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  PumpMessages(100ms);
  SetDriveConnections(nullptr);
  ShareList().clear();
}

// Pages on both sides, so that the navigation buttons are those of the volume page in a run.
class VolumePhotos : public WizardPhotos {
 protected:
  CUserNamePage password;
  CRaidPage volumes;
  CTimeZonePage zone;
};

TEST_F(VolumePhotos, TheVolumePageAndTheFormatProgress) {
  ASSERT_TRUE(OpenWizardFrame(frame,
                              {{&password, Tr(L"Password"), IDD_WIZARD_PASSWORD},
                               {&volumes, Tr(L"RAID"), IDD_WIZARD_RAID},
                               {&zone, Tr(L"TimeZone"), IDD_WIZARD_TIME_ZONE}},
                              SW_SHOW));
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  door.Post(door.Last(kGetDiskInfo), WM_DISK_INFO,
            reinterpret_cast<WPARAM>(new DiskInfoResult{2, "sda", 500, "sdb", 1000}), kGetDiskInfo);
  PumpMessages(100ms);
  ::SendMessageW(volumes.GetDlgItem(IDC_RAID_0), BM_SETCHECK, BST_CHECKED, 0);
  PumpMessages(600ms);
  SaveWindowBitmap(frame.GetSafeHwnd(), PhotoPath("wizard-volumes"));

  const PlanResult plan = BuildVolumePlan(DiskInfoResult{2, "sda", 500, "sdb", 1000}, VolumeLevel::kRaid0);
  CProcessDialog progress(plan.plan->First(), frame.GetSafeHwnd(), ChosenDevice{});
  ASSERT_TRUE(progress.Create());
  progress.ShowWindow(SW_SHOW);
  progress.SendMessage(WM_DISK_STEP_DONE, 1, kStopWebFileManager);
  progress.SendMessage(WM_VOLUME_CREATED, 1, kCreateVolume);
  progress.SendMessage(WM_FORMAT_STATE, 1, 53);
  PumpMessages(600ms);
  SaveWindowBitmap(progress.GetSafeHwnd(), PhotoPath("format-progress"));
  progress.SendMessage(WM_FORMAT_STATE, 2, 100);
  for (const int step : {kRemountDisk, kCheckRemountState, kFinishFormat}) progress.SendMessage(WM_DISK_STEP_DONE, 1, step);
  PumpMessages(600ms);
  SaveWindowBitmap(progress.GetSafeHwnd(), PhotoPath("format-complete"));
  progress.DestroyWindow();

  // A format that stopped at 40 % with an error: its disks handed back, the run failed.
  // The fixture's answerer takes the box that says "format error."
  CProcessDialog failed(plan.plan->First(), frame.GetSafeHwnd(), ChosenDevice{});
  ASSERT_TRUE(failed.Create());
  failed.ShowWindow(SW_SHOW);
  failed.SendMessage(WM_DISK_STEP_DONE, 1, kStopWebFileManager);
  failed.SendMessage(WM_VOLUME_CREATED, 1, kCreateVolume);
  failed.SendMessage(WM_FORMAT_STATE, 1, 40);
  failed.SendMessage(WM_FORMAT_STATE, 0, 40);
  for (const int step : {kRemountDisk, kCheckRemountState, kFinishFormat}) failed.SendMessage(WM_DISK_STEP_DONE, 1, step);
  PumpMessages(600ms);
  SaveWindowBitmap(failed.GetSafeHwnd(), PhotoPath("format-failed"));
}
}  // namespace
