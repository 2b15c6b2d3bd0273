// The input checks of the wizard's pages as pure rules.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

// Characters the device refuses, in the order they are checked and shown to the user.
inline constexpr std::u16string_view kPasswordForbidden = u"/\\'\"$#@:%";
inline constexpr std::u16string_view kNameForbidden = u"*+=|/\\:';<>?,\"$%&[]{}#@!~()^.";

// The page's sentinel for "nothing typed": written into both password fields after a refusal.
inline constexpr std::u16string_view kPasswordPlaceholder = u"Please input password.";

// The first of `fields` (in the order given) that holds the first character of `forbidden` found
// in any non-empty field: the character list decides, not the field order. -1 when none does.
int FieldWithForbiddenCharacter(std::u16string_view forbidden, std::initializer_list<std::u16string_view> fields);

// The device's text fields: bytes of the ANSI code page and a terminating zero.
inline constexpr std::size_t kNameBytes = 15;
inline constexpr std::size_t kWorkgroupBytes = 15;
inline constexpr std::size_t kDescriptionBytes = 30;
inline bool FitsBytes(std::string_view ansiText, std::size_t limit) { return ansiText.size() <= limit; }

// Whether the gateway lies in the network of address and mask (all in host order).
inline bool GatewayInSubnet(std::uint32_t address, std::uint32_t mask, std::uint32_t gateway) {
  return (address & mask) == (gateway & mask);
}
