// What one simulated device is and knows. Each exchange's responder reads and changes it.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/answer_faults.h"
#include "sim/format_job.h"

// Ways a device can misbehave in answering a search.
struct SearchFaults {
  bool silent = false;        // never answers
  int delayMs = 0;            // answers this long after the request
  bool foreignModel = false;  // answers as another product (other bytes at 56-58)
  bool wrongId = false;       // answers as if to another computer's search
  int answers = 1;            // how many copies of its answer it sends
  bool truncated = false;     // its answer ends before the product bytes
};

struct LoginFaults {
  bool silent = false;     // never answers
  int delayMs = 0;         // answers this long after the request
  bool answerAny = false;  // also accepts logins meant for other devices, answering as itself
};

struct SetIpFaults {
  bool silent = false;     // ignores the request: no change, no answer
  int delayMs = 0;         // changes and answers this long after the request
  bool readdress = false;  // also moves the interface that holds the old address
};

// How the web server misbehaves towards requests for this device.
enum class HttpFault {
  kNone,
  kRefused,       // no listener on the port at all
  kSilent,        // reads the request, never answers, keeps the connection open
  kUnauthorized,  // answers 401 whatever the authorisation
  kHttp10,        // answers with an "HTTP/1.0" status line
};
struct HttpFaults {
  HttpFault fault = HttpFault::kNone;
  int splitMs = 0;        // sends each answer in pieces, this long apart
  bool oversize = false;  // pads each XML body beyond what one 4096-byte read can hold
  int padBytes = 0;       // pads each XML body to this many bytes (0: as it is)
};

// How a change of the network settings over the web moves the simulator's own interface.
struct NetworkChange {
  bool readdress = false;  // the interface takes the new address too, shortly after the answer
  int releaseMs = 5000;    // and gives up the old one this long after the change
};

// How long the disk manager's format runs take, and whether they fail.
struct FormatSettings {
  int seconds = 4;
  std::optional<int> failAtPercent;  // the run stops failed when it gets there
};

struct DeviceUser {
  std::string name;
  std::string password;
  std::string access;  // the user's access flags, as the device reports them
};

struct DeviceShare {
  std::string user;  // whose share list it is on
  std::string name;  // UTF-8
  bool usb = false;  // on a USB disk: listed only when the USB shares are asked for
};

struct DeviceDisk {
  std::string name;  // the device name, such as "sda"
  int sizeGiB = 0;
};

struct DeviceVolume {
  int number = 0;
  int totalGiB = 0;
  int usedGiB = 0;
  std::string level = "standard";  // "standard", "linear", "raid0" or "raid1"
};

// What the disk manager is doing: its last format run, and whether the disks were remounted since.
struct DiskManagerState {
  FormatJob format;
  bool remounted = false;
};

// Time zones are numbered from 1 to this.
constexpr int kTimeZoneCount = 96;

struct DeviceState {
  int count = 1;  // how many numbered devices the configuration's section stands for
  std::string name;
  std::array<std::uint8_t, 6> mac{};
  std::string address;  // dotted IPv4
  std::string mask;
  std::string gateway;
  bool dhcp = false;
  std::string dhcpAddress;  // what a switch to DHCP gives the device; empty: it keeps its address
  std::string text;         // the search reply's free text (bytes 68-99)
  // The address the device had before its last change: requests naming it still reach the device
  // while the interface holds it. Empty before any change.
  std::string formerAddress;
  std::string dns1;  // dotted, or empty for none
  std::string dns2;
  std::string workgroup = "WORKGROUP";
  std::string description;
  int timeZone = 1;  // 1 to kTimeZoneCount
  std::vector<DeviceUser> users;
  std::vector<DeviceShare> shares;  // in the order they are listed
  std::vector<DeviceDisk> disks;
  std::vector<DeviceVolume> volumes;
  DiskManagerState diskManager;
  SearchFaults search;
  LoginFaults login;
  SetIpFaults setIp;
  HttpFaults http;
  NetworkChange network;
  FormatSettings format;
  // By command (the form's cmd, or the XML file's name), the faults of its answer.
  std::map<std::string, std::vector<AnswerFault>> answerFaults;
};

// The dotted address as 4 bytes in network order; nothing for text that is not an address.
std::optional<std::array<std::uint8_t, 4>> Ipv4Bytes(const std::string& dotted);

// The prefix length of a contiguous dotted mask ("255.255.255.0" gives 24); nothing otherwise.
std::optional<int> PrefixLength(const std::string& mask);

// Whether the text names a volume level the disk manager builds ("standard", "linear", "raid0",
// "raid1").
bool IsVolumeLevel(std::string_view level);

// The 10 bytes that name the device in requests: its MAC, then its current address.
std::array<std::uint8_t, 10> DeviceIdOf(const DeviceState& device);
