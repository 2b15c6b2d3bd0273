// What the flooder sends: the datagrams a busy or hostile LAN puts on the group, for the tests
// that show the program's waits and work stay bounded under them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FloodKind {
  kSearches,       // other computers searching, one search request after another
  kLarge,          // datagrams too large for the program's receive buffer
  kSpoofedReplies  // answers to each search heard, as from ever new devices
};

// The search request of another computer, with an identifier of its own.
std::vector<std::uint8_t> ForeignSearch(unsigned serial);
// `size` bytes that are no datagram of the protocol (type byte 0xFF).
std::vector<std::uint8_t> LargeDatagram(std::size_t size);
// A well-formed answer to the search `request` from a made-up device: its MAC (02:f1:...) and
// name carry `serial`, so every serial is a device of its own.
std::vector<std::uint8_t> SpoofedReply(const std::vector<std::uint8_t>& request, unsigned serial);

// The flooder only runs on an interface of the documentation networks the test LAN uses.
bool IsTestLanAddress(const std::string& dotted);
