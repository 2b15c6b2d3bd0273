// The wizard's device information page: the device's network name, workgroup and description.
#pragma once
#include "ui/wizard/wizard_page.h"

class CUserGroupPage : public CWizardPage {
 public:
  CUserGroupPage();
  ~CUserGroupPage() override;

  bool Apply() override;
  int LoadPageData() override { return FetchWizardInfo(); }

 protected:
  void SetUpControls() override;
  void OnCgiDone(int cmdIndex, bool succeeded) override;

 private:
  // Refuses text the device's fields cannot hold whole; true when everything fits.
  bool FitsDeviceFields(const std::wstring& name, const std::wstring& workgroup, const std::wstring& description) const;

};
