#include "sim/web_site.h"

#include <strings.h>

#include "sim/basic_auth.h"

WebSite::WebSite()
    : paths_{"/cgi-bin/account_mgr.cgi", "/cgi-bin/wizard_mgr.cgi",  "/cgi-bin/system_mgr.cgi",
             "/cgi-bin/network_mgr.cgi", "/xml/current_hd_info.xml", "/cgi-bin/hd_config.cgi",
             "/xml/dm_read_state.xml",   "/cgi-bin/usb_device.cgi"} {}

void WebSite::AddCommand(const std::string& path, const std::string& cmd, CommandHandler handler) {
  paths_.insert(path);
  commands_[{path, cmd}] = std::move(handler);
}

FormData WebSite::FormOf(const HttpRequest& request) {
  constexpr char kForm[] = "application/x-www-form-urlencoded";
  const std::string* type = request.Header("content-type");
  if (type && strncasecmp(type->c_str(), kForm, sizeof kForm - 1) != 0) return {};
  return FormData::Parse(request.body);
}

WebAnswer WebSite::Answer(const HttpRequest& request, DeviceState& device) const {
  if (!paths_.count(request.path)) return {404, {}};
  if (request.method != "POST") return {405, {}};
  if (device.http.fault == HttpFault::kUnauthorized ||
      !IsAuthorised(request.Header("authorization"), device.users))
    return {401, {}};
  const FormData form = FormOf(request);
  const auto handler = commands_.find({request.path, form.Value("cmd")});
  if (handler == commands_.end()) return {200, kDefaultAnswer};
  return {200, handler->second(device, form)};
}
