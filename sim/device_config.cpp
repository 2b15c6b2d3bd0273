#include "sim/device_config.h"

#include <arpa/inet.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "sim/device_numbering.h"
#include "sim/http_response.h"
#include "sim/text_numbers.h"

namespace {

constexpr char kFaultPrefix[] = "fault.";
constexpr int kMaxFormatSeconds = 3600;
// Every copy of a search answer is a datagram sent at once; more than this is a flood, which the
// tests make with a flooder of their own.
constexpr int kMaxSearchAnswers = 100;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Six octets of one or two hex digits, separated by ':'. Each octet is read digit by digit, so
// that a long one is refused rather than wrapped into range.
bool ParseMac(const std::string& text, std::array<std::uint8_t, 6>& mac) {
  std::size_t at = 0;
  for (std::size_t octet = 0; octet < mac.size(); ++octet) {
    if (octet > 0 && (at >= text.size() || text[at++] != ':')) return false;
    unsigned value = 0;
    std::size_t digits = 0;
    for (; at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at])); ++at, ++digits) {
      const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
      value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    if (digits < 1 || digits > 2) return false;
    mac[octet] = static_cast<std::uint8_t>(value);
  }
  return at == text.size();
}

bool IsDotted(const std::string& text) {
  in_addr parsed{};
  return inet_pton(AF_INET, text.c_str(), &parsed) == 1;
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

Setter Number(int& (*select)(DeviceState&), int min = 0, int max = INT_MAX) {
  return [select, min, max](DeviceState& d, const std::string& v) {
    const auto value = ReadCount(v, max);
    if (!value || *value < min) return false;
    select(d) = *value;
    return true;
  };
}

Setter Text(std::string DeviceState::*field) {
  return [field](DeviceState& d, const std::string& v) {
    d.*field = v;
    return true;
  };
}

// Splits "FIRST:REST" at its first ':'; nothing when there is none or FIRST is empty.
std::optional<std::pair<std::string, std::string>> SplitPair(const std::string& value) {
  const auto colon = value.find(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  return std::make_pair(value.substr(0, colon), value.substr(colon + 1));
}

// Splits at every ':'.
std::vector<std::string> SplitFields(const std::string& value) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (auto colon = value.find(':'); colon != std::string::npos; colon = value.find(':', start)) {
    fields.push_back(value.substr(start, colon - start));
    start = colon + 1;
  }
  fields.push_back(value.substr(start));
  return fields;
}

// USER:NAME; the name may hold ':' and any UTF-8.
Setter Share(bool usb) {
  return [usb](DeviceState& d, const std::string& v) {
    const auto pair = SplitPair(v);
    if (!pair || pair->second.empty()) return false;
    d.shares.push_back(DeviceShare{pair->first, pair->second, usb});
    return true;
  };
}

// NAME:SIZE_GIB. Names may not hold ',' (the volume plan's separator).
bool AddDisk(DeviceState& device, const std::string& value) {
  const auto pair = SplitPair(value);
  if (!pair || pair->first.find(',') != std::string::npos) return false;
  const auto size = ReadCount(pair->second);
  if (!size || *size < 1) return false;
  device.disks.push_back(DeviceDisk{pair->first, *size});
  return true;
}

// NUMBER:TOTAL_GIB:USED_GIB[:LEVEL]
bool AddVolume(DeviceState& device, const std::string& value) {
  const std::vector<std::string> fields = SplitFields(value);
  if (fields.size() != 3 && fields.size() != 4) return false;
  const auto number = ReadCount(fields[0]), total = ReadCount(fields[1]);
  const auto used = ReadCount(fields[2]);
  if (!number || *number < 1 || !total || !used || *used > *total) return false;
  DeviceVolume volume{*number, *total, *used, fields.size() == 4 ? fields[3] : "standard"};
  if (!IsVolumeLevel(volume.level)) return false;
  device.volumes.push_back(std::move(volume));
  return true;
}

bool SetFormatFailure(DeviceState& device, const std::string& value) {
  const auto percent = ReadCount(value, 99);
  if (!percent) return false;
  device.format.failAtPercent = *percent;
  return true;
}

// fault.<command>=<fault>, repeatable: the faults add up.
bool AddAnswerFault(DeviceState& device, const std::string& command, const std::string& value) {
  const auto fault = ParseAnswerFault(value);
  if (command.empty() || !fault) return false;
  device.answerFaults[command].push_back(*fault);
  return true;
}

// NAME:PASSWORD[:ACCESS]; the name may not be empty, the password may.
bool AddUser(DeviceState& device, const std::string& value) {
  const auto pair = SplitPair(value);
  if (!pair) return false;
  const std::string& rest = pair->second;
  const auto colon = rest.find(':');
  device.users.push_back(DeviceUser{pair->first, rest.substr(0, colon),
                                    colon == std::string::npos ? "" : rest.substr(colon + 1)});
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

// What a value should look like, for the keys whose rules are not plain from their name.
std::string ExpectedForm(const std::string& key) {
  if (key == "mac") return " (six octets of one or two hex digits, as in 00:11:22:33:44:0a)";
  if (key == "search.answers") return " (a count from 0 to " + std::to_string(kMaxSearchAnswers) + ")";
  return "";
}

const std::map<std::string, Setter>& Keys() {
  static const std::map<std::string, Setter> keys{
      {"name", Text(&DeviceState::name)},
      {"mac", [](DeviceState& d, const std::string& v) { return ParseMac(v, d.mac); }},
      {"address", Dotted(&DeviceState::address)},
      {"mask", Dotted(&DeviceState::mask)},
      {"gateway", Dotted(&DeviceState::gateway)},
      {"dhcp", Flag([](DeviceState& d) -> bool& { return d.dhcp; })},
      {"dhcp_address", Dotted(&DeviceState::dhcpAddress)},
      {"text", Text(&DeviceState::text)},
      {"dns1", Dotted(&DeviceState::dns1)},
      {"dns2", Dotted(&DeviceState::dns2)},
      {"workgroup", Text(&DeviceState::workgroup)},
      {"description", Text(&DeviceState::description)},
      {"timezone", Number([](DeviceState& d) -> int& { return d.timeZone; }, 1, kTimeZoneCount)},
      {"user", AddUser},
      {"share", Share(false)},
      {"usb_share", Share(true)},
      {"disk", AddDisk},
      {"volume", AddVolume},
      {"search.silent", Flag([](DeviceState& d) -> bool& { return d.search.silent; })},
      {"search.foreign_model", Flag([](DeviceState& d) -> bool& { return d.search.foreignModel; })},
      {"search.wrong_id", Flag([](DeviceState& d) -> bool& { return d.search.wrongId; })},
      {"search.delay_ms", Number([](DeviceState& d) -> int& { return d.search.delayMs; })},
      {"search.answers", Number([](DeviceState& d) -> int& { return d.search.answers; }, 0,
                                kMaxSearchAnswers)},
      {"search.truncated", Flag([](DeviceState& d) -> bool& { return d.search.truncated; })},
      {"count", Number([](DeviceState& d) -> int& { return d.count; }, 1, kMaxNumberedDevices)},
      {"login.silent", Flag([](DeviceState& d) -> bool& { return d.login.silent; })},
      {"login.delay_ms", Number([](DeviceState& d) -> int& { return d.login.delayMs; })},
      {"login.answer_any", Flag([](DeviceState& d) -> bool& { return d.login.answerAny; })},
      {"setip.silent", Flag([](DeviceState& d) -> bool& { return d.setIp.silent; })},
      {"setip.delay_ms", Number([](DeviceState& d) -> int& { return d.setIp.delayMs; })},
      {"setip.readdress", Flag([](DeviceState& d) -> bool& { return d.setIp.readdress; })},
      {"http.fault", SetHttpFault},
      {"http.split_ms", Number([](DeviceState& d) -> int& { return d.http.splitMs; })},
      {"http.oversize", Flag([](DeviceState& d) -> bool& { return d.http.oversize; })},
      {"http.pad_bytes", Number([](DeviceState& d) -> int& { return d.http.padBytes; }, 0,
                                kMaxPadBytes)},
      {"network.readdress", Flag([](DeviceState& d) -> bool& { return d.network.readdress; })},
      {"network.release_ms", Number([](DeviceState& d) -> int& { return d.network.releaseMs; })},
      {"format.seconds", Number([](DeviceState& d) -> int& { return d.format.seconds; }, 0,
                                kMaxFormatSeconds)},
      {"format.fail_at", SetFormatFailure},
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
    const std::string value = Trim(line.substr(equals + 1));
    DeviceState& device = result.devices.back();
    bool understood = false;
    if (key.rfind(kFaultPrefix, 0) == 0) {
      understood = AddAnswerFault(device, key.substr(sizeof kFaultPrefix - 1), value);
    } else {
      const auto setter = Keys().find(key);
      if (setter == Keys().end()) return {{}, where + "unknown key '" + key + "'"};
      understood = setter->second(device, value);
    }
    if (!understood) return {{}, where + "bad value for '" + key + "'" + ExpectedForm(key)};
  }
  for (DeviceState& device : result.devices) {
    if (device.address.empty()) return {{}, "a device has no address"};
    if (device.users.empty()) device.users.push_back(DeviceUser{"admin", "admin", ""});
  }
  if (const auto error = NumberDevices(result.devices)) return {{}, *error};
  return result;
}
