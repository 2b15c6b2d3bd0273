#include "net/datagram.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kReplyMacOffset = 11;
constexpr std::size_t kReplyAddressOffset = 17;
constexpr std::size_t kReplyDhcpOffset = 21;
constexpr std::size_t kReplyMaskOffset = 24;
constexpr std::size_t kReplyGatewayOffset = 40;
constexpr std::size_t kReplyProductOffset = 56;
constexpr std::size_t kReplyTextOffset = 68;
constexpr std::size_t kReplyNameLengthOffset = 100;
constexpr std::size_t kReplyNameOffset = 104;

// Byte `offset` of a datagram, zero beyond its end.
std::uint8_t ByteAt(const std::uint8_t* data, std::size_t length, std::size_t offset) {
  return offset < length ? data[offset] : 0;
}

// Copies the zero-terminated text of a slot into `out` (capacity `outSize`), stopping at the slot's
// end, the datagram's end and the output's last byte, whichever comes first.
void CopySlotText(const std::uint8_t* data, std::size_t length, std::size_t offset,
                  std::size_t slotSize, char* out, std::size_t outSize) {
  std::size_t n = 0;
  while (n < slotSize && n + 1 < outSize) {
    const std::uint8_t c = ByteAt(data, length, offset + n);
    if (c == 0) break;
    out[n++] = static_cast<char>(c);
  }
  out[n] = '\0';
}

void PutText(std::vector<std::uint8_t>& out, std::size_t offset, std::size_t slotSize,
             const std::string& text) {
  const std::size_t n = std::min(text.size(), slotSize - 1);
  std::memcpy(out.data() + offset, text.data(), n);
}

}  // namespace

DiscoveryId& CurrentDiscoveryId() {
  static DiscoveryId id;
  return id;
}

DiscoveryId MakeDiscoveryId(unsigned seconds) {
  DiscoveryId id;
  std::srand(seconds);
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<std::uint8_t>(std::rand() & 0xFF);
  return id;
}

std::uint32_t ReadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void WriteLe32(std::uint8_t* p, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::vector<std::uint8_t> EncodeSearchRequest(const DiscoveryId& id) {
  std::vector<std::uint8_t> out(11, 0);
  out[0] = kSearchRequestType;
  std::copy(id.bytes.begin(), id.bytes.end(), out.begin() + 1);
  return out;
}

SearchReplyVerdict ClassifySearchReply(const std::uint8_t* data, std::size_t length,
                                       const DiscoveryId& id,
                                       const std::array<std::uint8_t, 3>& expected) {
  // Acceptance reads missing bytes as zero; only the reason for a refusal looks at the length,
  // so that a cut answer is not mistaken for another search or another product.
  const auto refusedFor = [length](std::size_t checkedEnd, SearchReplyVerdict reason) {
    return length < checkedEnd ? SearchReplyVerdict::kTooShort : reason;
  };
  if (ByteAt(data, length, 0) != kSearchReplyType) return SearchReplyVerdict::kNotAReply;
  for (std::size_t i = 0; i < 6; ++i)
    if (ByteAt(data, length, 1 + i) != id.bytes[i])
      return refusedFor(1 + 6, SearchReplyVerdict::kOtherSearch);
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (ByteAt(data, length, kReplyProductOffset + i) != expected[i])
      return refusedFor(kReplyProductOffset + expected.size(), SearchReplyVerdict::kOtherProduct);
  return SearchReplyVerdict::kAccepted;
}

bool DecodeSearchReply(const std::uint8_t* data, std::size_t length, const DiscoveryId& id,
                       const std::array<std::uint8_t, 3>& expected, SearchReplyFields& out) {
  if (ClassifySearchReply(data, length, id, expected) != SearchReplyVerdict::kAccepted)
    return false;

  out = SearchReplyFields{};
  std::uint8_t mac[6];
  for (std::size_t i = 0; i < 6; ++i) mac[i] = ByteAt(data, length, kReplyMacOffset + i);
  std::snprintf(out.macText, sizeof out.macText, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1],
                mac[2], mac[3], mac[4], mac[5]);
  std::uint8_t ip[4];
  for (std::size_t i = 0; i < 4; ++i) ip[i] = ByteAt(data, length, kReplyAddressOffset + i);
  std::snprintf(out.address, sizeof out.address, "%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
  for (std::size_t i = 0; i < kDeviceIdSize; ++i)
    out.deviceId[i] = ByteAt(data, length, kReplyMacOffset + i);
  out.dhcpFlag[0] = static_cast<char>(ByteAt(data, length, kReplyDhcpOffset));
  CopySlotText(data, length, kReplyMaskOffset, 16, out.mask, sizeof out.mask);
  CopySlotText(data, length, kReplyGatewayOffset, 16, out.gateway, sizeof out.gateway);
  CopySlotText(data, length, kReplyTextOffset, 32, out.text, sizeof out.text);

  // The name is counted, not terminated: take at most what was received and what the field holds.
  std::uint32_t nameLength = 0;
  if (length >= kReplyNameOffset) nameLength = ReadLe32(data + kReplyNameLengthOffset);
  const std::size_t available = length > kReplyNameOffset ? length - kReplyNameOffset : 0;
  const std::size_t n =
      std::min<std::size_t>({nameLength, available, sizeof out.name - 1});
  std::memcpy(out.name, data + kReplyNameOffset, n);
  out.name[n] = '\0';
  return true;
}

std::vector<std::uint8_t> EncodeSearchReply(const SearchReplyContent& content,
                                            const std::uint8_t* requestId) {
  const std::size_t nameLength = std::min<std::size_t>(content.name.size(), 255);
  std::vector<std::uint8_t> out(kReplyNameOffset + nameLength, 0);
  out[0] = kSearchReplyType;
  std::memcpy(out.data() + 1, requestId, 10);
  std::copy(content.mac.begin(), content.mac.end(), out.begin() + kReplyMacOffset);
  std::copy(content.ipv4.begin(), content.ipv4.end(), out.begin() + kReplyAddressOffset);
  out[kReplyDhcpOffset] = static_cast<std::uint8_t>(content.dhcpFlag);
  PutText(out, kReplyMaskOffset, 16, content.mask);
  PutText(out, kReplyGatewayOffset, 16, content.gateway);
  std::copy(kProductBytes.begin(), kProductBytes.end(), out.begin() + kReplyProductOffset);
  PutText(out, kReplyTextOffset, 32, content.text);
  WriteLe32(out.data() + kReplyNameLengthOffset, static_cast<std::uint32_t>(nameLength));
  std::memcpy(out.data() + kReplyNameOffset, content.name.data(), nameLength);
  return out;
}
