// The format progress dialog: runs the format sequence (rules/format_sequence.h) against the
// device, shows the format's progress and, at the end, either the success picture or the failure
// that ended the run, which stays in view. Its buttons are enabled only when the sequence is over,
// completed or failed; Enter, Escape and closing the window from outside do nothing, so only these
// buttons end it. The caller reads the outcome from Sequence().
#pragma once
#include "net/chosen_device.h"
#include "res/resource.h"
#include "skin/controls/gdip_icon_static.h"
#include "skin/controls/gdip_process_ctrl.h"
#include "skin/controls/trans_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "ui/common/window_layout.h"
#include "ui/network/network_results.h"
#include "rules/format_sequence.h"

struct VolumeRequest;

class CProcessDialog : public CNetworkWindow<CGdipDialog>, private FormatSurface {
 public:
  // `plan` (not owned) must outlive the dialog; `owner` is the wizard's frame. `watchMs`: how long
  // a step may go unanswered.
  CProcessDialog(const VolumeRequest* plan, HWND owner, const ChosenDevice& device, unsigned watchMs = kFormatWatchMs);
  ~CProcessDialog() override;

  const FormatSequence& Sequence() const { return sequence_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  // Enter is OK and Escape Cancel, each only while enabled: not while a step runs.
  void OnOK() override { PressButton(IDC_FORMAT_OK); }
  void OnCancel() override { PressButton(IDC_FORMAT_CANCEL); }
  void LayOut() override;
  void OnDiskStepDone(int cmdIndex, int result) override;
  void OnVolumeCreated(int value) override;
  void OnFormatState(int state, int percent) override;

 private:
  void SetUpControls();
  void Carry(const FormatActions& actions) { Perform(sequence_, actions, *this); }
  void EnableEndButtons(bool enable);

  // FormatSurface
  bool Launch(CgiCommand command) override;
  void ShowMessage(const wchar_t* english) override;
  void SetPolling(bool on) override;
  void SetWatch(bool on) override;
  void ShowProgress(int percent) override;
  void ShowComplete() override;
  void ShowFailed(const wchar_t* english) override;
  void EnableButtons() override { EnableEndButtons(true); }

  const VolumeRequest* plan_;
  const ChosenDevice device_;
  unsigned watchMs_;
  int lastLaunch_ = 0;
  FormatSequence sequence_;
  CTransStatic title_;
  CGdipProcessCtrl progress_;
  CTransStatic percent_;
  CTransStatic text_;
  CGdipIconStatic success_;
  CGdipButton ok_;
  CGdipButton cancel_;
  CGdipButton close_;
  WindowLayout layout_;
};
