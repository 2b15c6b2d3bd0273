// The wizard's volume page: how the device's one or two disks become volumes. It reads the disks
// each time it is shown, offers the volume types the disk count allows and, after a warning, runs
// the format progress dialog with the plan of the chosen type. The wizard moves on only when the
// volumes were made; after a failed run the page stays and reads the disks again, so the user may
// try once more or skip it.
#pragma once
#include <array>
#include <optional>

#include "net/answer_records.h"
#include "skin/icon_radio_button.h"
#include "rules/volume_plan.h"
#include "ui/wizard/wizard_page.h"

class CRaidPage : public CWizardPage {
 public:
  CRaidPage();
  ~CRaidPage() override;

  bool Apply() override;
  int LoadPageData() override;

  int DiskCount() const { return diskCount_; }
  // The level of the first checked option (kNone: none is).
  VolumeLevel ChosenLevel() const;

 protected:
  void SetUpControls() override;
  void OnDiskInfo(std::unique_ptr<DiskInfoResult> info) override;
  void OnDestroyPage() override { plan_.reset(); }

 private:
  // Runs the progress dialog over `plan` until the user closes it; true when the volumes were made.
  bool RunFormat(const VolumePlan& plan);
  void EnableOptions(int diskCount);
  // The user agreed to lose what the disks hold.
  bool RebuildConfirmed() const;

  std::array<CIconRadioButton, 4> options_;
  int diskCount_ = 0;
  bool received_ = false;
  DiskInfoResult disks_{};
  std::optional<VolumePlan> plan_;
};
