#include "sim/basic_auth.h"

#include <strings.h>

#include <algorithm>
#include <string_view>

#include "settings/base64.h"

bool IsAuthorised(const std::string* authorization, const std::vector<DeviceUser>& users) {
  constexpr std::string_view kScheme = "Basic ";
  if (!authorization) return false;
  std::string_view value(*authorization);
  if (value.size() < kScheme.size() ||
      strncasecmp(value.data(), kScheme.data(), kScheme.size()) != 0)
    return false;
  value.remove_prefix(kScheme.size());
  value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
  const auto credentials = DecodeBase64(value);
  return credentials && std::any_of(users.begin(), users.end(), [&](const DeviceUser& user) {
           return *credentials == "admin:" + user.password;
         });
}
