// drovikctl search [--explain]: one line per device found, in the order they first answered; with
// --explain, then what each adapter sent and heard.
#include <string>
#include <vector>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "ctl/text/field_line.h"
#include "ctl/text/search_explanation.h"
#include "net/search_tally.h"
#include "net/win/udp_sockets.h"

namespace {

std::string DeviceLine(const NasDeviceInfo& device) {
  const AdapterTable& adapters = Adapters();
  const char* adapter = device.adapterIndex >= 0 && device.adapterIndex < adapters.count
                            ? adapters.rows[device.adapterIndex].address
                            : "";
  return JoinFields({device.name, device.address, device.mask, device.gateway, device.dhcpFlag,
                     device.macText, adapter});
}

std::vector<ListedAdapter> AdapterRows() {
  const AdapterTable& table = Adapters();
  std::vector<ListedAdapter> rows;
  for (int i = 0; i < table.count; ++i) rows.push_back({table.rows[i].address, table.rows[i].mask});
  return rows;
}

}  // namespace

int RunSearchCommand(const Arguments& args) {
  if (!ArgumentsAre(args, {}, {L"--explain"})) {
    PrintError(L"usage: drovikctl search [--explain]");
    return 2;
  }
  ResultWindow window;
  if (!RunSearch(window)) {
    PrintError(L"the search did not end in time");
    return 1;
  }
  std::vector<NasDeviceInfo> devices;
  NasDeviceInfo device;
  for (int i = 0; NasDeviceList::Instance().CopyAt(i, device); ++i) devices.push_back(device);
  for (const NasDeviceInfo& found : devices) PrintLine(DeviceLine(found));
  if (HasFlag(args, L"--explain"))
    for (const std::string& line : ExplainSearch(AdapterRows(), LastSearchTally(), devices))
      PrintLine(line);
  return 0;
}
