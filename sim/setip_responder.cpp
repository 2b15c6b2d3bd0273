#include "sim/setip_responder.h"

#include <algorithm>

#include "sim/exchange_log.h"

std::optional<DeviceAddressing> SetIpResponder::AddressingAfter(const DeviceState& device,
                                                                const SetIpRequest& settings) {
  if (settings.dhcpFlag != '0' && settings.dhcpFlag != '1') return std::nullopt;
  return ::AddressingAfter(device, settings.dhcpFlag == '1', settings.address, settings.mask,
                           settings.gateway);
}

void SetIpResponder::OnSetIp(const std::vector<std::uint8_t>& request) {
  const auto change = DecodeSetIpRequest(request.data(), request.size());
  if (!change) return;
  for (DeviceState& device : devices_) {
    const auto id = DeviceIdOf(device);
    if (device.setIp.silent || !std::equal(id.begin(), id.end(), change->deviceId)) continue;
    LogExchange(device, "setip asked address=" + Printable(change->settings.address) +
                            " mask=" + Printable(change->settings.mask) +
                            " gateway=" + Printable(change->settings.gateway) +
                            " dhcp=" + Printable(std::string(1, change->settings.dhcpFlag)));
    const auto next = AddressingAfter(device, change->settings);
    if (!next) {
      LogExchange(device, "setip refused address=" + Printable(change->settings.address) +
                              " mask=" + Printable(change->settings.mask));
      continue;
    }
    const std::vector<std::uint8_t> reply = EncodeSetIpReply(change->requestId);
    loop_.After(device.setIp.delayMs,
                [this, &device, next = *next, reply] { Apply(device, next, reply); });
  }
}

void SetIpResponder::Apply(DeviceState& device, const DeviceAddressing& next,
                           const std::vector<std::uint8_t>& reply) {
  const std::string old = device.address;
  TakeAddressing(device, next);
  LogExchange(device, "setip " + DescribeAddressing(next));
  // The answer leaves before the device moves, as a device acknowledges and then switches over.
  send_(reply);
  if (!device.setIp.readdress) return;
  const auto prefix = PrefixLength(next.mask);
  if (prefix) move_(old, next.address, *prefix);
  else LogExchange(device, "setip cannot move the interface: no usable mask");
}
