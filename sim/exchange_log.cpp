#include "sim/exchange_log.h"

#include <cstdio>

void LogExchange(const DeviceState& device, const std::string& what) {
  std::fprintf(stderr, "%s %s\n", device.name.c_str(), what.c_str());
}

std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c < 0x20 || c > 0x7E) c = '?';
  return out;
}
