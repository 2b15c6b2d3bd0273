// One page of the setup wizard: a child dialog that the frame creates the first time it is shown
// and keeps, hidden, until the frame goes. A page reads what it shows from the device when it is
// shown and, when the user moves on, applies its settings with one device command aimed at the
// frame, whose answer lets the frame advance.
#pragma once
#include <memory>
#include <string>

#include "net/chosen_device.h"
#include "skin/borrowed_background.h"
#include "skin/controls/trans_static.h"
#include "skin/skinned_surface.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "ui/common/window_layout.h"
#include "ui/network/network_results.h"

class CWizardDialogBase;

// The frame's page area, which every page fills (at 96 DPI).
inline constexpr RECT kWizardPageArea{135, 183, 668, 415};
// The pages' labels: right-aligned, one line, sitting on the line of the field beside them.
inline constexpr UINT kPageLabelFormat = DT_SINGLELINE | DT_BOTTOM | DT_RIGHT;
// The pages' edits.
inline constexpr FontRole kPageEditFont{18};

class CWizardPage : public CNetworkWindow<CSkinnedParent<CDialog>> {
 public:
  // `layout` is the page's one layout table, which outlives the page.
  CWizardPage(UINT templateId, std::span<const ControlPlacement> layout)
      : CNetworkWindow(templateId), layout_(layout) {}
  ~CWizardPage() override;

  // One poll step while the frame follows the device after a network change; false when the poll
  // could not be sent.
  virtual bool OnPoll() { return true; }
  // Checks the input and launches the page's command aimed at the frame; true when a command is
  // on its way (false: the page has told the user why not, or has nothing to send).
  virtual bool Apply() { return false; }
  virtual bool OnCreatePage() { return true; }
  virtual void OnDestroyPage() {}
  // May the page be left.
  virtual bool OnKillActive() { return true; }
  virtual void OnSetActive() {}
  // May the wizard be cancelled.
  virtual bool OnQueryCancel() { return true; }
  virtual bool OnWizardFinish() { return true; }
  // Where Previous and an advance go: 0 the neighbour, -1 stay, else the target's template id.
  virtual int OnWizardBack() { return 0; }
  virtual int OnWizardNext() { return 0; }
  // Starts reading the page's data from the device; called each time the page is shown.
  virtual int LoadPageData() { return 0; }

  // The frame's side.
  void Attach(CWizardDialogBase* frame, HWND frameWindow);
  void Assign(const std::wstring& name, UINT templateId);
  void SetCreated(bool created) { created_ = created; }
  void SetActive(bool active) { active_ = active; }
  void SetBusy(bool busy) { busy_ = busy; }
  void SetFrameWindow(HWND frameWindow) { frameWindow_ = frameWindow; }

  bool IsCreated() const { return created_; }
  bool IsActive() const { return active_; }
  bool IsBusy() const { return busy_; }
  // The frame's device (an empty one before the page is attached).
  const ChosenDevice& Device() const;
  int LastLaunch() const { return lastLaunch_; }
  const std::wstring& PageName() const { return pageName_; }
  HWND FrameWindow() const { return frameWindow_; }
  CWizardDialogBase* Frame() const { return frame_; }

 protected:
  BOOL OnInitDialog() override;
  // Binds the page's controls to the page's objects and loads their images; the layout table
  // places them afterwards.
  virtual void SetUpControls() {}
  // Fits what the page holds beyond its table to the layout just applied at `dpi` (a list's
  // columns, the clip of its scroll bar); called after each layout.
  virtual void OnLaidOut(UINT /*dpi*/) {}
  // Enter and Escape inside a page neither close the page nor the wizard.
  void OnOK() override {}
  void OnCancel() override {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Launches GetWizardInfo for this page's own window (the answer comes as WM_CGI_DONE with the
  // command kGetWizardInfo); tells the user when it could not start. Returns the token.
  int FetchWizardInfo();
  // Whether a WM_CGI_DONE at the page is the wizard information it asked for; a failed one has
  // been reported to the user already.
  bool WizardInfoArrived(int cmdIndex, bool succeeded);
  // The device settings the wizard information filled, read through the door.
  static const WizardInfoRecord& DeviceSettings();
  void SetLastLaunch(int token) { lastLaunch_ = token; }
  std::wstring ControlText(int id) const;

 private:
  // The frame's background under the page, taken once: the frame's image never changes.
  HDC LentBackground() override;
  // Fills the frame's page area and places the controls, at the frame's DPI.
  void LayOut();

  CWizardDialogBase* frame_ = nullptr;
  HWND frameWindow_ = nullptr;
  bool busy_ = false;
  int lastLaunch_ = 0;
  bool created_ = false;
  bool active_ = false;
  std::wstring pageName_;
  WindowLayout layout_;
  CBorrowedBackground background_;
};
