#include "sim/discovery_responder.h"

#include "net/datagram.h"

namespace {
// Long enough for the identifier, too short for the product bytes at 56-58.
constexpr std::size_t kTruncatedReplyLength = 48;
}  // namespace

std::vector<std::uint8_t> DiscoveryResponder::ReplyFor(const DeviceState& device,
                                                       const std::vector<std::uint8_t>& request) {
  SearchReplyContent content;
  content.mac = device.mac;
  content.ipv4 = Ipv4Bytes(device.address).value_or(std::array<std::uint8_t, 4>{});
  content.dhcpFlag = device.dhcp ? '1' : '0';
  content.mask = device.mask;
  content.gateway = device.gateway;
  content.text = device.text;
  content.name = device.name;
  std::vector<std::uint8_t> reply = EncodeSearchReply(content, request.data() + 1);
  if (device.search.foreignModel) reply[57] = 12;
  if (device.search.wrongId) reply[1] ^= 0xFF;
  if (device.search.truncated) reply.resize(kTruncatedReplyLength);
  return reply;
}

void DiscoveryResponder::OnSearch(const std::vector<std::uint8_t>& request) {
  if (request.size() < 11) return;
  for (const DeviceState& device : devices_) {
    if (device.search.silent) continue;
    const std::vector<std::uint8_t> reply = ReplyFor(device, request);
    const int copies = device.search.answers;
    loop_.After(device.search.delayMs, [this, reply, copies] {
      for (int i = 0; i < copies; ++i) send_(reply);
    });
  }
}
