// The wizard's password page: a new password for the logged-in user, typed twice.
#pragma once
#include "ui/wizard/wizard_page.h"

class CUserNamePage : public CWizardPage {
 public:
  CUserNamePage();
  ~CUserNamePage() override;

  bool Apply() override;

 private:
  // Both fields show the placeholder again, so that an unchanged Next asks for a password.
  void ResetFields() const;
};
