// The wizard's network page: DHCP or a static address with mask, gateway and two DNS servers.
// After the change the frame follows the device through this page's poll.
#pragma once
#include <array>

#include "skin/gdip_button.h"
#include "ui/wizard/wizard_page.h"

struct NetworkSettings;

class CNetworkPage : public CWizardPage {
 public:
  CNetworkPage();
  ~CNetworkPage() override;

  bool Apply() override;
  bool OnPoll() override;
  int LoadPageData() override { return FetchWizardInfo(); }

  bool InDhcpMode() const;

 protected:
  void SetUpControls() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnCgiDone(int cmdIndex, bool succeeded) override;

 private:
  void SetDhcpMode(bool dhcp);
  // Reads the five fields into `settings`; false when a static setting is refused (the field has
  // told the user why).
  bool ReadAddresses(bool dhcp, NetworkSettings& settings) const;
  // In static mode a gateway outside the address's network is sent only when the user agrees.
  bool GatewayAccepted(const NetworkSettings& settings) const;
  // Shows the launch failure; false when `token` is 0.
  bool Launched(int token);

  CGdipButton dhcp_;
  CGdipButton static_;
};
