#include "net/search_report.h"

#include <algorithm>

bool OffEveryAdapterSubnet(const std::vector<ListedAdapter>& adapters, const NasDeviceInfo& device) {
  return std::none_of(adapters.begin(), adapters.end(), [&](const ListedAdapter& adapter) {
    return SameSubnet(adapter.address.c_str(), adapter.mask.c_str(), device.address, device.mask);
  });
}

SearchOutcome ReadSearchOutcome(const std::vector<ListedAdapter>& adapters, const SearchTally& tally,
                                const std::vector<NasDeviceInfo>& devices) {
  if (!devices.empty()) {
    const bool allElsewhere = std::all_of(devices.begin(), devices.end(), [&](const NasDeviceInfo& d) {
      return OffEveryAdapterSubnet(adapters, d);
    });
    return allElsewhere ? SearchOutcome::kOnlyOtherSubnets : SearchOutcome::kDevicesFound;
  }
  return tally.Heard() == 0 ? SearchOutcome::kNothingHeard : SearchOutcome::kAllIgnored;
}
