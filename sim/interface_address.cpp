#include "sim/interface_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/wait.h>

#include <bit>
#include <cstring>
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

std::optional<std::string> MoveInterfaceAddress(const std::string& from, const std::string& to,
                                                int prefixLength) {
  const auto old = FindInterfaceAddress(from);
  if (!old) return "no interface holds " + from;
  const std::string& name = old->interfaceName;
  if (!RunIp({"addr", "replace", to + "/" + std::to_string(prefixLength), "dev", name}))
    return "cannot add " + to + " to " + name;
  if (to != from &&
      !RunIp({"addr", "del", from + "/" + std::to_string(old->prefixLength), "dev", name}))
    return "cannot remove " + from + " from " + name;
  return std::nullopt;
}
