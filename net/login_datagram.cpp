#include "net/login_datagram.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kLoginPayloadOffset = 28;
constexpr std::size_t kSetIpRequestSize = 180;
constexpr std::size_t kSetIpRecordOffset = 60;
constexpr std::size_t kReplySize = 32;
constexpr std::uint8_t kSeparator[2] = {0x55, 0xAA};

std::vector<std::uint8_t> Header(std::uint8_t type, const std::uint8_t* id, const std::uint8_t* deviceId,
                                 std::size_t size) {
  std::vector<std::uint8_t> out(size, 0);
  out[0] = type;
  std::memcpy(out.data() + 1, id, 10);
  if (deviceId) std::memcpy(out.data() + 11, deviceId, 10);
  return out;
}

bool EchoesSearch(const std::uint8_t* data, std::size_t length, std::uint8_t type,
                  const DiscoveryId& id) {
  return length >= 7 && data[0] == type && std::equal(id.bytes.begin(), id.bytes.begin() + 6, data + 1);
}

}  // namespace

std::vector<std::uint8_t> EncodeLoginRequest(const DiscoveryId& id, const std::uint8_t* deviceId,
                                             const std::string& user, const std::string& password) {
  const std::size_t userBytes = std::min(user.size(), kMaxCredentialBytes);
  const std::size_t passwordBytes = std::min(password.size(), kMaxCredentialBytes);
  const std::size_t payload = userBytes + 2 + passwordBytes;
  std::vector<std::uint8_t> out =
      Header(kLoginRequestType, id.bytes.data(), deviceId, kLoginPayloadOffset + payload);
  out[21] = 4;
  WriteLe32(out.data() + 24, static_cast<std::uint32_t>(payload));
  std::uint8_t* p = out.data() + kLoginPayloadOffset;
  std::memcpy(p, user.data(), userBytes);
  std::memcpy(p + userBytes, kSeparator, 2);
  std::memcpy(p + userBytes + 2, password.data(), passwordBytes);
  return out;
}

std::optional<std::int8_t> ReadLoginReply(const std::uint8_t* data, std::size_t length,
                                          const DiscoveryId& id, const char* deviceAddress) {
  if (length < 29 || !EchoesSearch(data, length, kLoginReplyType, id)) return std::nullopt;
  char address[kDottedTextSize];
  std::snprintf(address, sizeof address, "%d.%d.%d.%d", data[17], data[18], data[19], data[20]);
  if (std::strcmp(address, deviceAddress) != 0) return std::nullopt;
  return static_cast<std::int8_t>(data[28]);
}

std::vector<std::uint8_t> EncodeSetIpRequest(const DiscoveryId& id, const std::uint8_t* deviceId,
                                             const SetIpRequest& settings) {
  std::vector<std::uint8_t> out = Header(kSetIpRequestType, id.bytes.data(), deviceId, kSetIpRequestSize);
  out[21] = 21;
  std::memcpy(out.data() + 24, settings.mask, strnlen(settings.mask, 16));
  std::memcpy(out.data() + 40, settings.gateway, strnlen(settings.gateway, 16));
  WriteLe32(out.data() + 56, sizeof(SetIpRequest));
  std::memcpy(out.data() + kSetIpRecordOffset, &settings, sizeof settings);
  return out;
}

bool IsSetIpReply(const std::uint8_t* data, std::size_t length, const DiscoveryId& id) {
  return EchoesSearch(data, length, kSetIpReplyType, id);
}

std::optional<LoginRequestContent> DecodeLoginRequest(const std::uint8_t* data, std::size_t length) {
  if (length < kLoginPayloadOffset || data[0] != kLoginRequestType) return std::nullopt;
  const std::uint32_t payload = ReadLe32(data + 24);
  if (payload > length - kLoginPayloadOffset) return std::nullopt;
  const std::uint8_t* p = data + kLoginPayloadOffset;
  const std::uint8_t* end = p + payload;
  const std::uint8_t* separator = std::search(p, end, kSeparator, kSeparator + 2);
  if (separator == end) return std::nullopt;
  LoginRequestContent content;
  std::memcpy(content.requestId, data + 1, 10);
  std::memcpy(content.deviceId, data + 11, 10);
  content.user.assign(p, separator);
  content.password.assign(separator + 2, end);
  return content;
}

std::vector<std::uint8_t> EncodeLoginReply(const std::uint8_t* requestId,
                                           const std::uint8_t* deviceIpv4, bool accepted) {
  std::vector<std::uint8_t> out = Header(kLoginReplyType, requestId, nullptr, kReplySize);
  std::memcpy(out.data() + 17, deviceIpv4, 4);
  out[28] = accepted ? 1 : 0;
  return out;
}

std::optional<SetIpRequestContent> DecodeSetIpRequest(const std::uint8_t* data, std::size_t length) {
  if (length < kSetIpRequestSize || data[0] != kSetIpRequestType) return std::nullopt;
  SetIpRequestContent content;
  std::memcpy(content.requestId, data + 1, 10);
  std::memcpy(content.deviceId, data + 11, 10);
  std::memcpy(&content.settings, data + kSetIpRecordOffset, sizeof content.settings);
  // Texts from the network end inside their fields.
  content.settings.address[15] = content.settings.mask[15] = content.settings.gateway[15] = 0;
  content.settings.interfaceName[9] = 0;
  return content;
}

std::vector<std::uint8_t> EncodeSetIpReply(const std::uint8_t* requestId) {
  return Header(kSetIpReplyType, requestId, nullptr, kReplySize);
}
