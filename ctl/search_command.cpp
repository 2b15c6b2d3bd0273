// drovikctl search [--explain] [--json]: one line per device found, in the order they first
// answered; with --explain, then what each adapter sent and heard. With --json the devices are one
// JSON array, or with --explain an object of the devices and the adapters' counts.
#include <string>
#include <vector>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "base/win/ansi_text.h"
#include "ctl/text/search_explanation.h"
#include "net/search_tally.h"
#include "net/win/udp_sockets.h"

namespace {

Record DeviceRecord(const NasDeviceInfo& device) {
  const AdapterTable& adapters = Adapters();
  const char* adapter = device.adapterIndex >= 0 && device.adapterIndex < adapters.count
                            ? adapters.rows[device.adapterIndex].address
                            : "";
  return {DeviceField("name", device.name),       DeviceField("address", device.address),
          DeviceField("mask", device.mask),       DeviceField("gateway", device.gateway),
          DeviceField("dhcp", device.dhcpFlag),   DeviceField("mac", device.macText),
          DeviceField("adapter", adapter)};
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
  std::vector<Record> records;
  NasDeviceInfo device;
  for (int i = 0; NasDeviceList::Instance().CopyAt(i, device); ++i) {
    devices.push_back(device);
    records.push_back(DeviceRecord(device));
  }
  const bool explain = HasFlag(args, L"--explain");
  if (JsonOutput() && explain) {
    PrintLine("{\"devices\":" + RecordsJson(records) + ",\"adapters\":" +
              RecordsJson(AdapterRecords(AdapterRows(), LastSearchTally())) + "}");
    return 0;
  }
  PrintRecords(records);
  if (explain)
    for (const std::string& line :
         ExplainSearch(AdapterRows(), LastSearchTally(), devices, ThreadAnsiCodePage()))
      PrintLine(line);
  return 0;
}
