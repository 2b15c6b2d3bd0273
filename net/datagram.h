// Byte layouts of the UDP device protocol (port 13579, group 224.0.0.1): both directions, so that
// the program and the simulated device share one definition. Integers are little-endian.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/nas_device.h"

constexpr std::uint16_t kDevicePort = 13579;
constexpr char kDeviceGroup[] = "224.0.0.1";
// Receive buffers hold one datagram of this size and, after it, the zero byte readers rely on.
constexpr std::size_t kDatagramCapacity = 4096;

enum DatagramType : std::uint8_t {
  kSearchRequestType = 1,
  kLoginRequestType = 3,
  kLoginReplyType = 4,
  kSetIpRequestType = 5,
  kSetIpReplyType = 6,
  kSearchReplyType = 8,
};

// Identifier of the last search: six random bytes and four zeros. Login and set-IP reuse it.
struct DiscoveryId {
  std::array<std::uint8_t, 10> bytes{};
};
DiscoveryId& CurrentDiscoveryId();
// A fresh identifier from the C library's generator seeded with `seconds` (the time of day).
DiscoveryId MakeDiscoveryId(unsigned seconds);

// Bytes 56-58 of a search reply name the product; a device of another kind answers with others.
constexpr std::array<std::uint8_t, 3> kProductBytes{0, 11, 0};

std::vector<std::uint8_t> EncodeSearchRequest(const DiscoveryId& id);

// What a search makes of one datagram heard while it listens.
enum class SearchReplyVerdict {
  kAccepted,
  kNotAReply,     // another kind of datagram, such as another computer's search
  kTooShort,      // a search reply that ends before the bytes its refusal rests on
  kOtherSearch,   // the answer to another computer's search (bytes 1-6 are not our identifier)
  kOtherProduct,  // a device of another kind (bytes 56-58)
};
// Checks a received datagram: type 8, the id's bytes 0-5 at 1-6, the product bytes at 56-58.
SearchReplyVerdict ClassifySearchReply(const std::uint8_t* data, std::size_t length,
                                       const DiscoveryId& id,
                                       const std::array<std::uint8_t, 3>& expected);

// Copies the fields of a datagram that ClassifySearchReply accepts bounded into `out`; false for
// any other. Bytes beyond `length` count as zero; nothing is read past it, whatever the name length
// says.
bool DecodeSearchReply(const std::uint8_t* data, std::size_t length, const DiscoveryId& id,
                       const std::array<std::uint8_t, 3>& expected, SearchReplyFields& out);

// A device's answer to a search, as the device side builds it.
struct SearchReplyContent {
  std::array<std::uint8_t, 6> mac{};
  std::array<std::uint8_t, 4> ipv4{};  // network order
  char dhcpFlag = '0';
  std::string mask;
  std::string gateway;
  std::string text;  // bytes 68-99
  std::string name;
};
// `requestId` is the 10 identifier bytes of the search being answered. Texts longer than their
// slots are cut to leave the terminating zero.
std::vector<std::uint8_t> EncodeSearchReply(const SearchReplyContent& content,
                                            const std::uint8_t* requestId);

// Reads and writes a little-endian 32-bit value.
std::uint32_t ReadLe32(const std::uint8_t* p);
void WriteLe32(std::uint8_t* p, std::uint32_t value);
