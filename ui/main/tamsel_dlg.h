// The program's main window: the devices found on the network, the login to one of them, the
// device information popup and the shortcut buttons. It owns the login state - who is logged in,
// to which device, with which rights - and decides what the user may do next by enabling and
// disabling its controls. It runs as a modal dialog for the whole life of the process.
#pragma once
#include <array>
#include <list>
#include <string>

#include "net/answer_records.h"
#include "net/chosen_device.h"
#include "net/login_credentials.h"
#include "net/nas_device.h"
#include "res/resource.h"
#include "skin/bottom_icon_button.h"
#include "skin/controls/gdip_combo_box.h"
#include "skin/controls/gdip_icon_static.h"
#include "skin/controls/search_progress_bar.h"
#include "skin/controls/trans_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "skin/shared_png.h"
#include "skin/shortcut_button.h"
#include "rules/control_states.h"
#include "ui/common/window_layout.h"
#include "ui/main/nas_info_dialog.h"
#include "ui/network/network_results.h"

struct AdapterTable;

class CTamselDlg : public CNetworkWindow<CGdipDialog> {
 public:
  // The property that marks the program's main window, for a second start to find it.
  static constexpr wchar_t kMainWindowProperty[] = L"Drovik.MainWindow";

  CTamselDlg();
  ~CTamselDlg() override;

  // Enables the controls of login state `state` (0 searching, 1 logged out, 2 administrator,
  // 3 user without access list; anything else as 0).
  void SetControlState(int state);
  // Gives exactly one shortcut button (or none, 0) the selected look.
  void SelectShortcut(int shortcutId);

  // What the window holds, for the dialogs, the wizard and the tests.
  // The device information popup, made at its first use.
  CNASInfoDialog& Popup();
  // The device chosen at the last Connect; its address is the one the login was made at.
  const ChosenDevice& Device() const { return device_; }
  const std::wstring& TitleText() const { return titleText_; }
  int ShortcutCode() const { return shortcutCode_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc) override;
  void LayOut() override;
  // Enter where no push button has the focus; Escape does nothing (closing is Close or Alt+F4).
  void OnOK() override;
  void OnCancel() override {}

  // Results of the network operations this window starts.
  void OnSearchEntry(const SearchEntry& entry) override;
  void OnSearchFinished() override;
  void OnLoginAccepted() override;
  void OnVolumeStatus(VolumeInfoList* first) override;
  void OnUserAccess(const std::wstring& accessText) override;
  void OnShareInfo() override;
  void OnVolumeStatusFailed(VolumeInfoList* first, int deviceStatus) override;
  void OnShareInfoFailed(int deviceStatus) override;

  // The settings dialog and the device IP dialog; true when the user confirmed them.
  virtual bool RunSettingsDialog();
  virtual bool RunSettingIpDialog(const ChosenDevice& device);

 private:
  void SetUpControls();
  void HidePopup();
  void ApplyControlStates(const ControlStates& states);
  // The device list when it is usable, else the window itself.
  void FocusWhereWorkStarts();
  // Saves the focus when the window is deactivated and gives it back when it is activated.
  void OnActivate(bool active);
  // The process-wide records of the login and its answers: read through the door, here only.
  static LoginCredentialsRecord& Login();
  static bool AdministratorLoggedIn();
  static ShareListRecord& Shares();
  static NasDeviceList& Devices();
  static const AdapterTable& SearchedAdapters();
  void SetWelcome(const std::wstring& text);

  // The search as the user sees it: the list filling, the progress mark, and why nothing (or
  // nothing on this subnet) was found.
  void StartSearch();
  void ListDevice(int index, const NasDeviceInfo& device, bool otherSubnet);
  void SelectWhileSearching();
  void ExplainSearchOutcome(const std::vector<NasDeviceInfo>& devices);
  void ShowSearchExplanation(const std::wstring& text, bool offerSearchAgain);
  void HideSearchExplanation();

  // Login state.
  void Refresh();
  void Logout();
  void StartVolumeStatus();
  void ShowHelp();
  void ChangeSettings();
  void OnDeviceLeftSubnet();
  void OnInactivityTimeout();

  // The login flow.
  void Connect();
  void AskForDeviceMove();
  void OfferWizardOnce();
  void OpenWizard();

  // The shortcuts.
  void OpenWebApplication(int shortcutId, int application);
  void ShowShares();
  void ShowPlayCenter();
  void OpenShare(size_t item);

  // First: the background and the controls' first looks decode while the controls are made (the
  // first decode of the process also loads the image codecs).
  CPngPreload preload_;
  CNASInfoDialog popup_;
  WindowLayout layout_;
  std::array<CShortCutButton, 8> shortcuts_;
  std::array<CGdipButton, 8> buttons_;
  CBottomIconButton selectShortcut_;
  CBottomIconButton autoSorting_;
  CTransStatic title_;
  CTransStatic welcome_;
  CTransStatic copyright_;
  CGdipIconStatic logo_;
  CGdipComboBox deviceList_;
  CSearchProgressBar searchProgress_;
  CTransStatic searchExplanation_;
  HICON icon_ = nullptr;  // shared resource icon: not destroyed

  ChosenDevice device_;
  // While a search runs: the device used last ("ServName"), and whether the user picked a device
  // meanwhile (then neither the early entries nor the final list change the choice).
  std::wstring rememberedDevice_;
  bool userChoseDevice_ = false;
  std::wstring userName_;
  std::wstring password_;
  std::wstring titleText_;
  int shortcutCode_ = 0;
  // The control that had the focus when the window was last deactivated; none before. The window
  // gives the focus back itself: the dialog manager would put it on the first enabled tab stop, a
  // title-bar button, while the search runs.
  HWND focusBeforeDeactivation_ = nullptr;
  bool refreshAfterWizard_ = true;
  // One first record per volume request; a worker may still be filling one whose result was
  // overtaken, so each stays until its own result came (or the window goes).
  std::list<VolumeInfoList> volumeRequests_;
  // The ShareList entry behind each item of the popup's share list.
  std::vector<size_t> shownShares_;
};
