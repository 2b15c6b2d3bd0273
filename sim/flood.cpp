#include "sim/flood.h"

#include <arpa/inet.h>

#include "net/datagram.h"

std::vector<std::uint8_t> ForeignSearch(unsigned serial) {
  return EncodeSearchRequest(MakeDiscoveryId(serial));
}

std::vector<std::uint8_t> LargeDatagram(std::size_t size) {
  std::vector<std::uint8_t> datagram(size, 'x');
  if (!datagram.empty()) datagram[0] = 0xFF;
  return datagram;
}

std::vector<std::uint8_t> SpoofedReply(const std::vector<std::uint8_t>& request, unsigned serial) {
  SearchReplyContent content;
  content.mac = {0x02, 0xf1, 0x00, static_cast<std::uint8_t>(serial >> 16),
                 static_cast<std::uint8_t>(serial >> 8), static_cast<std::uint8_t>(serial)};
  content.ipv4 = {203, 0, 113, static_cast<std::uint8_t>(1 + serial % 254)};
  content.mask = "255.255.255.0";
  content.gateway = "203.0.113.254";
  content.name = "SPOOF-" + std::to_string(serial);
  return EncodeSearchReply(content, request.data() + 1);
}

bool IsTestLanAddress(const std::string& dotted) {
  in_addr parsed{};
  if (inet_pton(AF_INET, dotted.c_str(), &parsed) != 1) return false;
  const std::uint32_t network = ntohl(parsed.s_addr) & 0xFFFFFF00u;
  return network == 0xC0000200u || network == 0xC6336400u || network == 0xCB007100u;
}
