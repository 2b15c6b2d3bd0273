// The datagrams anyone on the LAN can send to the group: each piece of the input is one received
// datagram, read as a search reply (and merged into a device list, through the adapter row the
// byte before it picks), as a login reply and as a set-IP reply; the device side reads it as a
// login and a set-IP request. The list keeps one record per MAC, never more than its cap, and
// every text in it stays terminated within its field.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

#include "fuzz/fuzz_input.h"
#include "net/datagram.h"
#include "net/login_datagram.h"

namespace {

// The identifier the seeds answer to.
constexpr DiscoveryId kSearchId{{0x5a, 0x17, 0xc3, 0x08, 0x9e, 0x41, 0, 0, 0, 0}};

struct Row {
  const char* address;
  const char* mask;
};
constexpr Row kRows[] = {{"192.0.2.10", "255.255.255.0"},
                         {"198.51.100.10", "255.255.255.0"},
                         {"0.0.0.0", "0.0.0.0"}};

template <std::size_t N>
bool Terminated(const char (&field)[N]) {
  return std::memchr(field, 0, N) != nullptr;
}

void CheckRecord(const NasDeviceInfo& d) {
  FuzzRequire(Terminated(d.name) && Terminated(d.address) && Terminated(d.mask) &&
                  Terminated(d.gateway) && Terminated(d.dhcpFlag) && Terminated(d.text) &&
                  Terminated(d.macText),
              "a device text not terminated");
  FuzzRequire(d.adapterIndex >= 0 && d.adapterIndex < static_cast<int>(std::size(kRows)),
              "an adapter row that was never heard through");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  NasDeviceList devices;
  std::set<std::string> macs;
  while (!input.Empty()) {
    const std::size_t row = input.Byte() % std::size(kRows);
    const std::string_view piece = input.Piece().substr(0, kDatagramCapacity);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(piece.data());

    SearchReplyFields reply;
    if (DecodeSearchReply(bytes, piece.size(), kSearchId, kProductBytes, reply)) {
      const auto result =
          devices.Merge(reply, static_cast<int>(row), kRows[row].address, kRows[row].mask);
      const bool isNew = macs.insert(reply.macText).second;
      FuzzRequire((result == NasDeviceList::MergeResult::kKnown) == !isNew, "a MAC found or lost");
    }
    ReadLoginReply(bytes, piece.size(), kSearchId, "192.0.2.21");
    IsSetIpReply(bytes, piece.size(), kSearchId);
    if (const auto login = DecodeLoginRequest(bytes, piece.size()))
      FuzzRequire(login->user.size() + login->password.size() <= piece.size(), "login longer");
    if (const auto setIp = DecodeSetIpRequest(bytes, piece.size()))
      FuzzRequire(Terminated(setIp->settings.address) && Terminated(setIp->settings.mask) &&
                      Terminated(setIp->settings.gateway),
                  "set-IP texts not terminated");
  }
  const int expected = static_cast<int>(std::min<std::size_t>(macs.size(), NasDeviceList::kMaxDevices));
  FuzzRequire(devices.Count() == expected, "not one record per MAC up to the cap");
  NasDeviceInfo record;
  for (int i = 0; devices.CopyAt(i, record); ++i) CheckRecord(record);
  return 0;
}
