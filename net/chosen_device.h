// The device a window works with, as a value: copied out of the device list at the moment the
// user chose it. A later search empties and refills the list, so a position in it names another
// device (or none) by then; the value keeps naming the device the user chose, and its address is
// the one the login was made at. Only the user's own network change, followed until the device
// answers from its new settings, moves it (MovedTo).
#pragma once
#include <array>
#include <optional>
#include <string>

#include "net/answer_records.h"
#include "net/nas_device.h"

struct ChosenDevice {
  std::string name;
  std::string macText;
  // MAC and address, as the login and set-IP datagrams carry them.
  std::array<unsigned char, kDeviceIdSize> deviceId{};
  std::string address;
  std::string mask;
  std::string gateway;
  std::string dhcpFlag;  // "1" DHCP, "0" static
  int adapterIndex = -1;  // the row of the adapter table it was found through
};

// The device at `index` of `devices` at this moment; nothing when the list is shorter.
std::optional<ChosenDevice> ChooseDeviceAt(NasDeviceList& devices, int index);

// `device` at the address, mask and gateway it answered with after the user changed its network;
// its id carries the new address, or the device would take the next datagram for another's.
ChosenDevice MovedTo(ChosenDevice device, const CurrentLanInfoRecord& lan);
