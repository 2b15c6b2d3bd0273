#include "sim/web_site.h"

#include <strings.h>

#include <algorithm>

#include "sim/basic_auth.h"
#include "sim/redirect_page.h"

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

std::string WebSite::CommandName(const std::string& path, const std::string& cmd) {
  return cmd.empty() ? path.substr(path.rfind('/') + 1) : cmd;
}

bool WebSite::HasCommand(const std::string& name) const {
  return std::any_of(commands_.begin(), commands_.end(), [&name](const auto& command) {
    return CommandName(command.first.first, command.first.second) == name;
  });
}

WebAnswer WebSite::Answer(const HttpRequest& request, DeviceState& device) const {
  if (request.path == kRedirectPagePath) return RedirectPageAnswer(request);
  if (!paths_.count(request.path)) return {404, {}};
  if (request.method != "POST") return {405, {}};
  if (device.http.fault == HttpFault::kUnauthorized ||
      !IsAuthorised(request.Header("authorization"), device.users))
    return {401, {}};
  const FormData form = FormOf(request);
  const std::string cmd = form.Value("cmd");
  const auto handler = commands_.find({request.path, cmd});
  AnswerElement answer = handler == commands_.end() ? ResultAnswer(1)
                                                    : handler->second(device, form);
  const auto faults = device.answerFaults.find(CommandName(request.path, cmd));
  if (faults == device.answerFaults.end()) return {200, RenderAnswer(answer)};
  SpoiledAnswer spoilt = ApplyAnswerFaults(std::move(answer), faults->second);
  return {200, std::move(spoilt.body), spoilt.delayMs};
}
