// Pure rules of the login flow: which device a search selects, whether a device shares the
// computer's subnet, and what fits the device protocol's credential fields.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The entry a finished search selects: the last name equal to `remembered` without regard to the
// case of ASCII letters; else entry 0; -1 for an empty list.
int ChooseDevice(const std::vector<std::u16string>& names, std::u16string_view remembered);

// Whether the device's network (address AND mask) is the adapter's. Text that is not an address
// counts as another subnet.
bool OnSameSubnet(std::string_view adapterAddress, std::string_view adapterMask, std::string_view deviceAddress,
                  std::string_view deviceMask);

// User names and passwords travel in fields of 15 bytes of the ANSI code page and a zero.
inline constexpr std::size_t kMaxCredentialLength = 15;
inline bool FitsCredentialField(std::string_view ansiText) { return ansiText.size() <= kMaxCredentialLength; }
