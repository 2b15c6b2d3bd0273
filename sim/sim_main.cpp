// drovik-nas-sim: simulated devices on one interface, for the tests and the demo.
//
//   drovik-nas-sim --config FILE --interface ADDRESS [--ready-file PATH] [--http-port N]
//
// Answers searches, login checks and IP changes on UDP port 13579 and every command of the
// program on the web server (port 80 unless --http-port says otherwise). Runs until SIGINT or
// SIGTERM. Writes the ready file once it listens. Logs one line per exchange on stderr, and one
// per change of a device's state. A configuration whose fault names a command the web server
// does not answer is refused.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/datagram.h"
#include "sim/commands_account.h"
#include "sim/commands_disk.h"
#include "sim/commands_network.h"
#include "sim/commands_system.h"
#include "sim/device_config.h"
#include "sim/discovery_responder.h"
#include "sim/event_loop.h"
#include "sim/http_server.h"
#include "sim/interface_address.h"
#include "sim/login_responder.h"
#include "sim/setip_responder.h"
#include "sim/udp_service.h"
#include "sim/web_site.h"

namespace {

volatile int stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

int Usage() {
  std::fprintf(stderr,
               "usage: drovik-nas-sim --config FILE --interface ADDRESS [--ready-file PATH]"
               " [--http-port N]\n");
  return 2;
}

bool ParsePort(const std::string& text, std::uint16_t& port) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const unsigned long value = std::stoul(text);
  if (value > 65535) return false;
  port = static_cast<std::uint16_t>(value);
  return true;
}

bool Reported(const std::optional<std::string>& error) {
  if (error) std::fprintf(stderr, "drovik-nas-sim: re-addressing: %s\n", error->c_str());
  return error.has_value();
}

// When the interface that answers leave through got a new address, they leave from that one.
void SendFrom(UdpService& udp, const std::string& from, const std::string& to) {
  if (udp.InterfaceAddress() == from && !udp.UseInterfaceAddress(to))
    std::fprintf(stderr, "drovik-nas-sim: cannot send from %s\n", to.c_str());
}

// Every fault must name a command the site answers: a misspelt one would silently do nothing.
std::string UnknownFaultCommand(const std::vector<DeviceState>& devices, const WebSite& site) {
  for (const DeviceState& device : devices)
    for (const auto& [command, faults] : device.answerFaults)
      if (!site.HasCommand(command)) return command;
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  std::string configPath, interfaceAddress, readyFile;
  std::uint16_t httpPort = 80;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    if (arg == "--config") configPath = argv[++i];
    else if (arg == "--interface") interfaceAddress = argv[++i];
    else if (arg == "--ready-file") readyFile = argv[++i];
    else if (arg == "--http-port") {
      if (!ParsePort(argv[++i], httpPort)) return Usage();
    } else return Usage();
  }
  if (configPath.empty() || interfaceAddress.empty()) return Usage();

  std::ifstream configFile(configPath);
  if (!configFile) {
    std::fprintf(stderr, "drovik-nas-sim: cannot read %s\n", configPath.c_str());
    return 1;
  }
  ConfigResult config = ParseDeviceConfig(configFile);
  if (config.error.empty() && config.devices.empty()) config.error = "no [device] section";
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
  const DatagramSender toGroup = [&udp](const std::vector<std::uint8_t>& d) { udp.SendToGroup(d); };
  DiscoveryResponder discovery(config.devices, loop, toGroup);
  LoginResponder login(config.devices, loop, toGroup);
  SetIpResponder setIp(config.devices, loop, toGroup,
                       [&udp](const std::string& from, const std::string& to, int prefix) {
                         if (!Reported(MoveInterfaceAddress(from, to, prefix)))
                           SendFrom(udp, from, to);
                       });
  udp.Handle(kSearchRequestType, [&discovery](const auto& d) { discovery.OnSearch(d); });
  udp.Handle(kLoginRequestType, [&login](const auto& d) { login.OnLogin(d); });
  udp.Handle(kSetIpRequestType, [&setIp](const auto& d) { setIp.OnSetIp(d); });

  NetworkCommands network(
      loop, InterfaceFollower{[&udp](const std::string& holder, const std::string& added,
                                     int prefix) {
                                if (!Reported(AddInterfaceAddress(holder, added, prefix)))
                                  SendFrom(udp, holder, added);
                              },
                              [](const std::string& address) {
                                Reported(RemoveInterfaceAddress(address));
                              }});
  DiskCommands disks;
  WebSite site;
  AddAccountCommands(site);
  AddSystemCommands(site);
  network.AddTo(site);
  disks.AddTo(site);
  if (const std::string unknown = UnknownFaultCommand(config.devices, site); !unknown.empty()) {
    std::fprintf(stderr, "drovik-nas-sim: %s: no command %s for a fault\n", configPath.c_str(),
                 unknown.c_str());
    return 1;
  }

  // The devices of one simulator share its port: one that refuses connections closes it for all.
  std::unique_ptr<HttpServer> web;
  if (std::none_of(config.devices.begin(), config.devices.end(), [](const DeviceState& d) {
        return d.http.fault == HttpFault::kRefused;
      })) {
    web = std::make_unique<HttpServer>(loop, config.devices, site, "0.0.0.0", httpPort);
    if (!web->Ok()) {
      std::fprintf(stderr, "drovik-nas-sim: web server: %s\n", web->Error().c_str());
      return 1;
    }
  }

  if (!readyFile.empty()) std::ofstream(readyFile) << "ready\n";
  loop.Run(&stopRequested);
  return 0;
}
