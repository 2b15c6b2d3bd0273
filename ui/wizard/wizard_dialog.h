// The setup wizard's frame: a modal dialog that holds the pages, shows one at a time, runs each
// page's device command before moving on, follows the device after a network change, and ends the
// wizard. CWizardDialogBase is the navigation; CWizardDialog adds the skin, the step markers and
// the page title.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "net/chosen_device.h"
#include "res/resource.h"
#include "skin/controls/gdip_icon_static.h"
#include "skin/controls/trans_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "skin/process_button.h"
#include "ui/common/window_layout.h"
#include "ui/network/network_results.h"
#include "ui/wizard/wizard_page.h"
#include "rules/wizard_rules.h"

// The result of a wizard ended by Finish (the platform's property-sheet value).
inline constexpr INT_PTR kWizardFinished = 0x3025;

class CWizardDialogBase : public CNetworkWindow<CGdipDialog> {
 public:
  // `owner` hears when the device has left the computer's subnet (WM_SUBNET_CHANGED).
  explicit CWizardDialogBase(HWND owner);
  ~CWizardDialogBase() override;

  // Appends a page (not owned: the caller keeps it alive longer than the frame's window).
  void AddPage(CWizardPage* page, const std::wstring& name, UINT templateId);
  // The device the pages' commands go to. It moves only when a network change of the wizard's own
  // was followed to the address the device then answered from.
  void SetDevice(const ChosenDevice& device) { device_ = device; }
  const ChosenDevice& Device() const { return device_; }
  virtual bool SetActivePage(CWizardPage* page);
  bool GoToPage(const std::wstring& name);

  CWizardPage* ActivePage() const;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  bool ApplyPending() const { return applyPending_; }
  int PollCount() const { return pollCount_; }

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnCgiDone(int cmdIndex, bool succeeded) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Enter is Next, or Finish on the last page; Escape is Exit with its question.
  void OnOK() override;
  void OnCancel() override { OnExit(); }

  void ActivateFirstPage();
  void OnNext();
  void OnSkip();
  void OnPrevious();
  void OnExit();
  void OnFinish();
  // Shows or hides the navigation buttons a move names; a shown button is enabled, a hidden one
  // disabled, in one step.
  void ApplyButtons(const NavigationButtons& buttons);
  virtual void ShowNavigationButton(int id, bool show);
  // The buttons for a move that reached (or stayed on) `page`.
  void ButtonsFor(NavigationMove move, const CWizardPage* page);
  const std::vector<CWizardPage*>& Pages() const { return pages_; }

 private:
  int IndexOf(const CWizardPage* page) const;
  bool DeactivateCurrent();
  void GoToTarget(const PageTarget& target, NavigationMove move);
  void OnCommandDone(CWizardPage* sender, int cmdIndex, bool succeeded);
  void StartFollowingDevice(CWizardPage* sender);
  void OnPollTick();
  void OnDeviceAddressRead();
  bool DeviceOnComputersSubnet() const;
  void StopFollowingDevice();
  // Destroys the created pages' windows; the page objects stay the caller's.
  void ReleasePages();

  std::vector<CWizardPage*> pages_;
  bool applyPending_ = true;
  ChosenDevice device_;
  int pollCount_ = 0;
  HWND ownerWindow_;
  // The page whose command is outstanding: its answer belongs to it even when the user has moved
  // to another page meanwhile.
  CWizardPage* commandPage_ = nullptr;
  // The page that changed the device's network and whose poll follows it.
  CWizardPage* followingPage_ = nullptr;
};

class CWizardDialog : public CWizardDialogBase {
 public:
  // `administrator` enables every step marker; other users get the password and drive mapping
  // steps only.
  CWizardDialog(HWND owner, bool administrator);
  ~CWizardDialog() override;

  bool SetActivePage(CWizardPage* page) override;

  CProcessButton& StepMarker(int step) { return steps_[static_cast<size_t>(step)]; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnPaint(HDC dc) override;
  void LayOut() override;
  void ShowNavigationButton(int id, bool show) override;

 private:
  void SetUpControls();
  void EnableStepMarkers();
  // The translated page name a step marker opens; -1 when `name` belongs to no marker.
  static std::wstring StepPageName(int step);
  static int StepOfPageName(const std::wstring& name);

  bool administrator_;
  CTransStatic pageName_;
  CGdipIconStatic logo_;
  CGdipButton close_;
  std::array<CProcessButton, kStepCount> steps_;
  std::array<CGdipButton, 5> navigation_;
  WindowLayout layout_;
};
