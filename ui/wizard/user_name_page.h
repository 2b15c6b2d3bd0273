// The wizard's password page: a new password for the logged-in user, typed twice.
#pragma once
#include "skin/controls/trans_static.h"
#include "ui/wizard/wizard_page.h"

class CUserNamePage : public CWizardPage {
 public:
  CUserNamePage();
  ~CUserNamePage() override;

  bool Apply() override;

 protected:
  void LayoutControls() override;

 private:
  // Both fields show the placeholder again, so that an unchanged Next asks for a password.
  void ResetFields() const;

  CTransStatic passwordLabel_;
  CTransStatic confirmLabel_;
};
