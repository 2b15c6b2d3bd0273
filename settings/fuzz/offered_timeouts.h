// The fuzz targets' own list of the logout times the program offers, kept apart from the
// product's reading of them so that it can check that reading.
#pragma once
#include <cstdint>

inline bool OfferedTimeout(std::uint32_t ms) {
  for (const std::uint32_t minutes : {0u, 1u, 3u, 5u, 15u, 30u, 60u})
    if (ms == minutes * 60000u) return true;
  return false;
}
