// The wizard's last page: the device's shared folders, each mapped to a drive letter of the
// computer or not, changed in place through the list's choice of letters.
#pragma once
#include <string>

#include "skin/controls/gdip_list_ctrl.h"
#include "rules/drive_mapping_rules.h"
#include "ui/wizard/wizard_page.h"

class CDriveMappingPage : public CWizardPage {
 public:
  CDriveMappingPage();
  ~CDriveMappingPage() override;

  int LoadPageData() override;

  const std::wstring& DeviceAddress() const { return deviceAddress_; }

 protected:
  void SetUpControls() override;
  void OnLaidOut(UINT dpi) override;
  void OnCgiDone(int cmdIndex, bool succeeded) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowShares();
  // The shares the share answer filled (the page relabels them), read through the door.
  static ShareListRecord& Shares();
  // Fills `choices` for `row`, but only for a list that holds the focus (the request is the user's).
  void OfferLocations(int row, CellChoices& choices);
  void OnLocationChosen(int row);

  CGdipListCtrl list_;
  std::wstring deviceAddress_;
  DriveTable drives_;
};
