// Byte layouts of the login check (types 3 and 4) and the IP change (types 5 and 6). The header
// (type byte and the 10 identifier bytes) and the text rules are those of the search datagrams.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/datagram.h"

// The IPv4 settings handed to a device on another subnet: 120 bytes, zero-filled by whoever fills it.
struct SetIpRequest {
  char interfaceName[10];  // "LAN1"
  char address[16];
  char mask[16];
  char gateway[16];
  char dhcpFlag;  // '1' DHCP, '0' static
  char reserved[61];
};
static_assert(sizeof(SetIpRequest) == 120);

// User names and passwords travel as at most this many bytes (their slots hold a zero after them).
constexpr std::size_t kMaxCredentialBytes = 15;

// 28 + L bytes with L = user + password + 2; the two parts are separated by 0x55 0xAA.
std::vector<std::uint8_t> EncodeLoginRequest(const DiscoveryId& id, const std::uint8_t* deviceId,
                                             const std::string& user, const std::string& password);

// The answer byte of a login reply (read as a signed byte: non-zero accepted) when the datagram is
// a type-4 reply to this search from the device at `deviceAddress`; nothing otherwise.
std::optional<std::int8_t> ReadLoginReply(const std::uint8_t* data, std::size_t length,
                                          const DiscoveryId& id, const char* deviceAddress);

// 180 bytes: mask and gateway of the record at 24 and 40, its size (120) at 56, the record at 60.
std::vector<std::uint8_t> EncodeSetIpRequest(const DiscoveryId& id, const std::uint8_t* deviceId,
                                             const SetIpRequest& settings);

// Whether the datagram is a type-6 answer to this search.
bool IsSetIpReply(const std::uint8_t* data, std::size_t length, const DiscoveryId& id);

// The device side: what a request asks, and the answers.
struct LoginRequestContent {
  std::uint8_t requestId[10];
  std::uint8_t deviceId[10];
  std::string user;
  std::string password;
};
std::optional<LoginRequestContent> DecodeLoginRequest(const std::uint8_t* data, std::size_t length);
std::vector<std::uint8_t> EncodeLoginReply(const std::uint8_t* requestId,
                                           const std::uint8_t* deviceIpv4, bool accepted);

struct SetIpRequestContent {
  std::uint8_t requestId[10];
  std::uint8_t deviceId[10];
  SetIpRequest settings;
};
std::optional<SetIpRequestContent> DecodeSetIpRequest(const std::uint8_t* data, std::size_t length);
std::vector<std::uint8_t> EncodeSetIpReply(const std::uint8_t* requestId);
