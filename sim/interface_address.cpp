#include "sim/interface_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/wait.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <vector>

extern char** environ;

namespace {

// Runs iproute2's `ip` with the given arguments (no shell in between); true when it succeeded.
bool RunIp(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "ip");
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, "ip", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// With the interface's default setting, removing an address also removes every other address of
// its subnet that was added after it: the address a device moves to within its subnet among them.
// Promoting those instead keeps them.
bool KeepsOtherAddressesOnRemoval(const std::string& interfaceName) {
  std::ofstream setting("/proc/sys/net/ipv4/conf/" + interfaceName + "/promote_secondaries");
  setting << "1\n";
  setting.flush();
  return static_cast<bool>(setting);
}

}  // namespace

std::optional<InterfaceAddress> FindInterfaceAddress(const std::string& address) {
  in_addr wanted{};
  if (inet_pton(AF_INET, address.c_str(), &wanted) != 1) return std::nullopt;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return std::nullopt;
  std::optional<InterfaceAddress> found;
  for (const ifaddrs* a = list; a && !found; a = a->ifa_next) {
    if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !a->ifa_netmask) continue;
    const auto* held = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
    if (held->sin_addr.s_addr != wanted.s_addr) continue;
    const auto* mask = reinterpret_cast<const sockaddr_in*>(a->ifa_netmask);
    found = InterfaceAddress{a->ifa_name, std::popcount(mask->sin_addr.s_addr)};
  }
  freeifaddrs(list);
  return found;
}

std::optional<std::string> AddInterfaceAddress(const std::string& holder, const std::string& added,
                                               int prefixLength) {
  const auto held = FindInterfaceAddress(holder);
  if (!held) return "no interface holds " + holder;
  if (!RunIp({"addr", "replace", added + "/" + std::to_string(prefixLength), "dev",
              held->interfaceName}))
    return "cannot add " + added + " to " + held->interfaceName;
  return std::nullopt;
}

std::optional<std::string> RemoveInterfaceAddress(const std::string& address) {
  const auto held = FindInterfaceAddress(address);
  if (!held) return "no interface holds " + address;
  if (!KeepsOtherAddressesOnRemoval(held->interfaceName))
    return "cannot keep the other addresses of " + held->interfaceName;
  if (!RunIp({"addr", "del", address + "/" + std::to_string(held->prefixLength), "dev",
              held->interfaceName}))
    return "cannot remove " + address + " from " + held->interfaceName;
  return std::nullopt;
}

std::optional<std::string> MoveInterfaceAddress(const std::string& from, const std::string& to,
                                                int prefixLength) {
  if (const auto error = AddInterfaceAddress(from, to, prefixLength)) return error;
  if (to == from) return std::nullopt;
  return RemoveInterfaceAddress(from);
}
