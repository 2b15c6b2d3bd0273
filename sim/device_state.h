// What one simulated device is and knows. Each exchange's responder reads and changes it.
#pragma once
#include <array>
#include <cstdint>
#include <string>

// Ways a device can misbehave in answering a search.
struct SearchFaults {
  bool silent = false;        // never answers
  int delayMs = 0;            // answers this long after the request
  bool foreignModel = false;  // answers as another product (other bytes at 56-58)
  bool wrongId = false;       // answers as if to another computer's search
  int answers = 1;            // how many copies of its answer it sends
};

struct DeviceState {
  std::string name;
  std::array<std::uint8_t, 6> mac{};
  std::string address;  // dotted IPv4
  std::string mask;
  std::string gateway;
  bool dhcp = false;
  std::string text;  // the reply's free text (bytes 68-99)
  SearchFaults search;
};
