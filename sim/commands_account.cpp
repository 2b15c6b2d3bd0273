#include "sim/commands_account.h"

#include <algorithm>

#include "sim/exchange_log.h"

namespace {

constexpr char kAccountPath[] = "/cgi-bin/account_mgr.cgi";

DeviceUser* UserNamed(DeviceState& device, const std::string& name) {
  const auto found = std::find_if(device.users.begin(), device.users.end(),
                                  [&name](const DeviceUser& user) { return user.name == name; });
  return found == device.users.end() ? nullptr : &*found;
}

// uname, opw, pw: the user's name, the password the user has, the new one. Status 1 when the old
// password was right, 0 (and nothing changed) otherwise.
AnswerElement ChangePassword(DeviceState& device, const FormData& form) {
  DeviceUser* user = UserNamed(device, form.Value("uname"));
  const bool changed = user && user->password == form.Value("opw");
  if (changed) user->password = form.Value("pw");
  LogExchange(device, "password user=" + Printable(form.Value("uname")) +
                          (changed ? " changed" : " refused"));
  AnswerElement answer{"config", {}, {}};
  answer.Add("status", changed ? 1 : 0);
  return answer;
}

// name, usb: the user's shares in their order; those on USB disks only when usb is not 0.
AnswerElement ShareInfo(DeviceState& device, const FormData& form) {
  const std::string name = form.Value("name");
  const std::string usb = form.Value("usb");
  const bool withUsb = !usb.empty() && usb != "0";
  AnswerElement answer{"share", {}, {}};
  for (const DeviceShare& share : device.shares)
    if (share.user == name && (withUsb || !share.usb)) answer.Add("item", share.name);
  return answer;
}

// name: the user's access flags; empty for a user the device does not know.
AnswerElement UserAccess(DeviceState& device, const FormData& form) {
  const DeviceUser* user = UserNamed(device, form.Value("name"));
  AnswerElement answer{"config", {}, {}};
  answer.Add("authority", user ? user->access : std::string());
  return answer;
}

}  // namespace

void AddAccountCommands(WebSite& site) {
  site.AddCommand(kAccountPath, "cgi_chg_user_pw", ChangePassword);
  site.AddCommand(kAccountPath, "cgi_get_share_info2", ShareInfo);
  site.AddCommand(kAccountPath, "cgi_get_user_access", UserAccess);
}
