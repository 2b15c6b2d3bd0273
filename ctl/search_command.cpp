// drovikctl search: one line per device found, in the order they first answered.
#include <cstdio>
#include <string>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "net/result_window.h"
#include "net/mailbox.h"
#include "net/query.h"
#include "net/udp_sockets.h"

namespace {

// Eight adapters of 32 polls of 70 ms each, with room to spare.
constexpr DWORD kSearchWaitMs = 60000;

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
  const int token = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  if (token == 0) {
    PrintError(L"the search could not be started");
    return 1;
  }
  MSG msg;
  if (!window.WaitFor(WM_QUERY_RESULT, kSearchWaitMs, msg)) {
    PrintError(L"the search did not end in time");
    return 1;
  }
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved)) return 1;
  auto* query = static_cast<CQuery*>(pointer);
  const bool ours = query->RequestToken == token;
  delete query;
  if (!ours) return 1;

  NasDeviceList& list = NasDeviceList::Instance();
  NasDeviceInfo device;
  for (int i = 0; list.CopyAt(i, device); ++i) PrintLine(DeviceLine(device));
  return 0;
}
