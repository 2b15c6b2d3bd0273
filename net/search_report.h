// What a search tells about itself: each device as it is listed while the search still listens,
// how the search ended, and the likely causes when nothing at all was heard. The program's window
// and `drovikctl search --explain` read the same outcome and name the same causes.
#pragma once
#include <string_view>
#include <vector>

#include "net/adapter_choice.h"
#include "net/nas_device.h"
#include "net/search_tally.h"

// One device the search has just listed (a new entry at `index` of NasDeviceList), posted to the
// window while the search goes on. A repeated answer of a listed device posts nothing: the list
// entry is the same.
struct SearchEntry {
  int index = 0;
  NasDeviceInfo device{};  // a copy: the list itself belongs to the worker until the search ends
  bool otherSubnet = false;
};

// Whether the device sits on another subnet than every adapter of the search: logging in to it
// then offers (to the administrator) to move it.
bool OffEveryAdapterSubnet(const std::vector<ListedAdapter>& adapters, const NasDeviceInfo& device);

enum class SearchOutcome {
  kDevicesFound,      // at least one device on an adapter's subnet
  kOnlyOtherSubnets,  // devices, each on another subnet than every adapter
  kAllIgnored,        // datagrams heard, none a device of this kind answering this search
  kNothingHeard,
};

SearchOutcome ReadSearchOutcome(const std::vector<ListedAdapter>& adapters, const SearchTally& tally,
                                const std::vector<NasDeviceInfo>& devices);

// The likely causes when nothing at all was heard, most likely first, in English (the windows
// show them translated).
inline constexpr std::string_view kSilenceCauses[] = {
    "a firewall on this computer blocks inbound UDP port 13579, where the devices answer",
    "the adapter is a VPN adapter that does not carry multicast (224.0.0.1), so the search never "
    "reached the devices",
    "the device is still starting: search again in a minute",
};
