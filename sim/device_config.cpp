#include "sim/device_config.h"

#include <arpa/inet.h>

#include <cstdio>
#include <functional>
#include <map>

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool ParseMac(const std::string& text, std::array<std::uint8_t, 6>& mac) {
  unsigned parts[6];
  char tail;
  if (std::sscanf(text.c_str(), "%x:%x:%x:%x:%x:%x%c", &parts[0], &parts[1], &parts[2], &parts[3],
                  &parts[4], &parts[5], &tail) != 6)
    return false;
  for (int i = 0; i < 6; ++i) {
    if (parts[i] > 255) return false;
    mac[i] = static_cast<std::uint8_t>(parts[i]);
  }
  return true;
}

bool IsDotted(const std::string& text) {
  in_addr parsed{};
  return inet_pton(AF_INET, text.c_str(), &parsed) == 1;
}

bool ParseInt(const std::string& text, int& out) {
  try {
    std::size_t used = 0;
    out = std::stoi(text, &used);
    return used == text.size() && out >= 0;
  } catch (...) {
    return false;
  }
}

using Setter = std::function<bool(DeviceState&, const std::string&)>;

Setter Dotted(std::string DeviceState::*field) {
  return [field](DeviceState& d, const std::string& v) {
    if (!IsDotted(v)) return false;
    d.*field = v;
    return true;
  };
}

Setter Flag(bool& (*select)(DeviceState&)) {
  return [select](DeviceState& d, const std::string& v) {
    if (v != "0" && v != "1") return false;
    select(d) = v == "1";
    return true;
  };
}

Setter Number(int& (*select)(DeviceState&)) {
  return [select](DeviceState& d, const std::string& v) { return ParseInt(v, select(d)); };
}

// NAME:PASSWORD[:ACCESS]; the name may not be empty, the password may.
bool AddUser(DeviceState& device, const std::string& value) {
  const auto first = value.find(':');
  if (first == std::string::npos || first == 0) return false;
  const auto second = value.find(':', first + 1);
  DeviceUser user;
  user.name = value.substr(0, first);
  user.password = value.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                      : second - first - 1);
  if (second != std::string::npos) user.access = value.substr(second + 1);
  device.users.push_back(std::move(user));
  return true;
}

bool SetHttpFault(DeviceState& device, const std::string& value) {
  static const std::map<std::string, HttpFault> names{{"none", HttpFault::kNone},
                                                      {"refused", HttpFault::kRefused},
                                                      {"silent", HttpFault::kSilent},
                                                      {"unauthorized", HttpFault::kUnauthorized},
                                                      {"http10", HttpFault::kHttp10}};
  const auto found = names.find(value);
  if (found == names.end()) return false;
  device.http.fault = found->second;
  return true;
}

const std::map<std::string, Setter>& Keys() {
  static const std::map<std::string, Setter> keys{
      {"name", [](DeviceState& d, const std::string& v) { d.name = v; return true; }},
      {"mac", [](DeviceState& d, const std::string& v) { return ParseMac(v, d.mac); }},
      {"address", Dotted(&DeviceState::address)},
      {"mask", Dotted(&DeviceState::mask)},
      {"gateway", Dotted(&DeviceState::gateway)},
      {"dhcp", Flag([](DeviceState& d) -> bool& { return d.dhcp; })},
      {"dhcp_address", Dotted(&DeviceState::dhcpAddress)},
      {"text", [](DeviceState& d, const std::string& v) { d.text = v; return true; }},
      {"user", AddUser},
      {"search.silent", Flag([](DeviceState& d) -> bool& { return d.search.silent; })},
      {"search.foreign_model", Flag([](DeviceState& d) -> bool& { return d.search.foreignModel; })},
      {"search.wrong_id", Flag([](DeviceState& d) -> bool& { return d.search.wrongId; })},
      {"search.delay_ms", Number([](DeviceState& d) -> int& { return d.search.delayMs; })},
      {"search.answers", Number([](DeviceState& d) -> int& { return d.search.answers; })},
      {"login.silent", Flag([](DeviceState& d) -> bool& { return d.login.silent; })},
      {"login.delay_ms", Number([](DeviceState& d) -> int& { return d.login.delayMs; })},
      {"login.answer_any", Flag([](DeviceState& d) -> bool& { return d.login.answerAny; })},
      {"setip.silent", Flag([](DeviceState& d) -> bool& { return d.setIp.silent; })},
      {"setip.delay_ms", Number([](DeviceState& d) -> int& { return d.setIp.delayMs; })},
      {"setip.readdress", Flag([](DeviceState& d) -> bool& { return d.setIp.readdress; })},
      {"http.fault", SetHttpFault},
      {"http.split_ms", Number([](DeviceState& d) -> int& { return d.http.splitMs; })},
      {"http.oversize", Flag([](DeviceState& d) -> bool& { return d.http.oversize; })},
  };
  return keys;
}

}  // namespace

ConfigResult ParseDeviceConfig(std::istream& in) {
  ConfigResult result;
  std::string raw;
  for (int lineNumber = 1; std::getline(in, raw); ++lineNumber) {
    const std::string line = Trim(raw);
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line == "[device]") {
      result.devices.emplace_back();
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) return {{}, where + "expected key=value"};
    if (result.devices.empty()) return {{}, where + "key outside a [device] section"};
    const std::string key = Trim(line.substr(0, equals));
    const auto setter = Keys().find(key);
    if (setter == Keys().end()) return {{}, where + "unknown key '" + key + "'"};
    if (!setter->second(result.devices.back(), Trim(line.substr(equals + 1))))
      return {{}, where + "bad value for '" + key + "'"};
  }
  for (DeviceState& device : result.devices) {
    if (device.address.empty()) return {{}, "a device has no address"};
    if (device.users.empty()) device.users.push_back(DeviceUser{"admin", "admin", ""});
  }
  return result;
}
