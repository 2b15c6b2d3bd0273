// drovikctl search: one line per device found, in the order they first answered.
#include <cstdio>
#include <string>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "net/udp_sockets.h"

namespace {

std::string DeviceLine(const NasDeviceInfo& device) {
  const AdapterTable& adapters = Adapters();
  const char* adapter = device.adapterIndex >= 0 && device.adapterIndex < adapters.count
                            ? adapters.rows[device.adapterIndex].address
                            : "";
  std::string line;
  for (const char* field : {static_cast<const char*>(device.name), device.address, device.mask,
                            device.gateway, device.dhcpFlag, device.macText, adapter}) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  return line;
}

}  // namespace

int RunSearchCommand(const Arguments& args) {
  if (!args.empty()) {
    PrintError(L"usage: drovikctl search");
    return 2;
  }
  ResultWindow window;
  if (!RunSearch(window)) {
    PrintError(L"the search did not end in time");
    return 1;
  }
  NasDeviceList& list = NasDeviceList::Instance();
  NasDeviceInfo device;
  for (int i = 0; list.CopyAt(i, device); ++i) PrintLine(DeviceLine(device));
  return 0;
}
