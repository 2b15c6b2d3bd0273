// What one simulated device is and knows. Each exchange's responder reads and changes it.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Ways a device can misbehave in answering a search.
struct SearchFaults {
  bool silent = false;        // never answers
  int delayMs = 0;            // answers this long after the request
  bool foreignModel = false;  // answers as another product (other bytes at 56-58)
  bool wrongId = false;       // answers as if to another computer's search
  int answers = 1;            // how many copies of its answer it sends
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
};

struct DeviceUser {
  std::string name;
  std::string password;
  std::string access;  // the user's access flags, as the device reports them
};

struct DeviceState {
  std::string name;
  std::array<std::uint8_t, 6> mac{};
  std::string address;  // dotted IPv4
  std::string mask;
  std::string gateway;
  bool dhcp = false;
  std::string dhcpAddress;  // what a switch to DHCP gives the device; empty: it keeps its address
  std::string text;         // the search reply's free text (bytes 68-99)
  std::vector<DeviceUser> users;
  SearchFaults search;
  LoginFaults login;
  SetIpFaults setIp;
  HttpFaults http;
};

// The dotted address as 4 bytes in network order; nothing for text that is not an address.
std::optional<std::array<std::uint8_t, 4>> Ipv4Bytes(const std::string& dotted);

// The prefix length of a contiguous dotted mask ("255.255.255.0" gives 24); nothing otherwise.
std::optional<int> PrefixLength(const std::string& mask);

// The 10 bytes that name the device in requests: its MAC, then its current address.
std::array<std::uint8_t, 10> DeviceIdOf(const DeviceState& device);
