// The network program's commands: the device's current address, the lock before a change, and the
// change itself (DHCP or a static address with mask, gateway and DNS servers).
//
// A change takes effect in the device's state at once, so that the answers that follow report it.
// With network.readdress the simulator's own interface follows: shortly after the answer it takes
// the new address beside the old one, and it gives up the old one network.release_ms later. The
// program asks the device for its new settings at the old address before it turns to the new one,
// so for a while the device answers at both.
#pragma once
#include <functional>
#include <string>

#include "sim/device_addressing.h"
#include "sim/event_loop.h"
#include "sim/web_site.h"

// The element names an answer gives the device's DHCP flag, address, mask, gateway and DNS servers.
struct NetworkElementNames {
  const char* dhcp;
  const char* address;
  const char* mask;
  const char* gateway;
  const char* dns1;
  const char* dns2;
};

// Appends the six settings in that order under those names (no DNS server: "0.0.0.0").
void AddNetworkSettings(AnswerElement& parent, const DeviceState& device,
                        const NetworkElementNames& names);

// How the simulator's interface follows a device to its new address.
struct InterfaceFollower {
  // The interface that holds `holder` takes `added` with the prefix length as well.
  std::function<void(const std::string& holder, const std::string& added, int prefixLength)> add;
  std::function<void(const std::string& address)> release;
};

class NetworkCommands {
public:
  // How long after a change the interface takes the new address: the answer is out by then.
  static constexpr int kFollowMs = 200;

  NetworkCommands(EventLoop& loop, InterfaceFollower follower)
      : loop_(loop), follower_(std::move(follower)) {}

  // The handlers refer to this object, which must outlive the site.
  void AddTo(WebSite& site);

private:
  AnswerElement ChangeNetwork(DeviceState& device, const FormData& form);
  void FollowWithInterface(DeviceState& device, const std::string& from);

  EventLoop& loop_;
  InterfaceFollower follower_;
};
