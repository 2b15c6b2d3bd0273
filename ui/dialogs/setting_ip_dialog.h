// The device IP dialog: moves a device that sits on another subnet, by DHCP or to a static
// address, with the UDP set-IP request (it needs no login and crosses subnets). It ends with OK
// only when the device confirmed the change; the caller then searches again.
//
// While the request waits for the device (up to about half a minute) the address choices are
// locked, but Cancel stays usable: the request cannot be withdrawn, yet the administrator is not
// held. Cancelling then ends the dialog at once; the device may still move, which the next search
// shows.
#pragma once
#include <array>
#include <optional>

#include "net/chosen_device.h"
#include "net/login_datagram.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "skin/controls/trans_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "rules/device_ip_entry.h"
#include "ui/common/window_layout.h"
#include "ui/network/network_results.h"

class CSettingIpDialog : public CNetworkWindow<CGdipDialog> {
 public:
  // For `device`, as the search found it.
  CSettingIpDialog(HWND owner, const ChosenDevice& device);

  AddressMode Mode() const { return mode_; }
  // Between a started request and its answer.
  bool IsWaiting() const { return waiting_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  // Enter: the OK step, as the OK button.
  void OnOK() override;
  void LayOut() override;
  void OnSetIpDone(bool answered, int opKind) override;

 private:
  void SetUpControls();
  void ShowMode(AddressMode mode);
  // The address choices and OK; Cancel is never locked.
  void EnableChoices(bool enable);
  // Reads and checks the three fields as the mode asks; a refusal has been shown when empty.
  std::optional<DeviceIpEntry> ReadEntry();
  bool ConfirmEntry(const DeviceIpEntry& entry);
  void SendRequest(const DeviceIpEntry& entry);
  CGdipIpAddrCtl* Field(int id) const;

  const ChosenDevice device_;
  AddressMode mode_ = AddressMode::kStatic;
  // Kept for the life of the request's start, as the door asks.
  SetIpRequest request_{};
  bool waiting_ = false;

  CGdipButton dhcp_;
  CGdipButton static_;
  CGdipButton ok_;
  CGdipButton cancel_;
  WindowLayout layout_;
};
