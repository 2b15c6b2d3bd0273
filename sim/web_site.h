// The device's web applications: the CGI programs and XML files it serves, who may use them, and
// the handler behind each command ("cmd" of the form) of each path.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "sim/device_state.h"
#include "sim/form_data.h"
#include "sim/http_request.h"
#include "sim/http_response.h"

// The XML body a command answers with.
using CommandHandler = std::function<std::string(DeviceState& device, const FormData& form)>;

// What every command answers until it has a handler of its own: a plain success.
inline constexpr char kDefaultAnswer[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root><res>1</res></root>";

class WebSite {
public:
  // Serves the device's CGI and XML paths, every command with the default answer.
  WebSite();

  // `cmd` may be empty: the handler of requests without a command (the XML files).
  void AddCommand(const std::string& path, const std::string& cmd, CommandHandler handler);

  // 404 for a path the device does not serve, 405 for anything but POST, 401 without the
  // authorisation of one of the device's users (or always, with the unauthorized fault), else 200
  // with the handler's answer.
  WebAnswer Answer(const HttpRequest& request, DeviceState& device) const;

  // The request's form: its body, unless the Content-Type names something other than a form.
  static FormData FormOf(const HttpRequest& request);

private:
  std::set<std::string> paths_;
  std::map<std::pair<std::string, std::string>, CommandHandler> commands_;
};
