// drovik-nas-sim: simulated devices on one interface, for the tests and the demo.
//
//   drovik-nas-sim --config FILE --interface ADDRESS [--ready-file PATH]
//
// Runs until SIGINT or SIGTERM. Writes the ready file once it listens.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "sim/device_config.h"
#include "sim/discovery_responder.h"
#include "sim/event_loop.h"
#include "net/datagram.h"
#include "sim/udp_service.h"

namespace {

volatile int stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

int Usage() {
  std::fprintf(stderr,
               "usage: drovik-nas-sim --config FILE --interface ADDRESS [--ready-file PATH]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string configPath, interfaceAddress, readyFile;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    if (arg == "--config") configPath = argv[++i];
    else if (arg == "--interface") interfaceAddress = argv[++i];
    else if (arg == "--ready-file") readyFile = argv[++i];
    else return Usage();
  }
  if (configPath.empty() || interfaceAddress.empty()) return Usage();

  std::ifstream configFile(configPath);
  if (!configFile) {
    std::fprintf(stderr, "drovik-nas-sim: cannot read %s\n", configPath.c_str());
    return 1;
  }
  ConfigResult config = ParseDeviceConfig(configFile);
  if (!config.error.empty()) {
    std::fprintf(stderr, "drovik-nas-sim: %s: %s\n", configPath.c_str(), config.error.c_str());
    return 1;
  }

  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);

  EventLoop loop;
  UdpService udp(loop, interfaceAddress);
  if (!udp.Ok()) {
    std::fprintf(stderr, "drovik-nas-sim: UDP: %s\n", udp.Error().c_str());
    return 1;
  }
  DiscoveryResponder discovery(config.devices, loop,
                               [&udp](const std::vector<std::uint8_t>& d) { udp.SendToGroup(d); });
  udp.Handle(kSearchRequestType,
             [&discovery](const std::vector<std::uint8_t>& d) { discovery.OnSearch(d); });

  if (!readyFile.empty()) std::ofstream(readyFile) << "ready\n";
  loop.Run(&stopRequested);
  return 0;
}
