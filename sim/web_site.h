// The device's web applications: the CGI programs and XML files it serves, who may use them, and
// the handler behind each command ("cmd" of the form) of each path. Each command family adds its
// handlers (commands_*.h); the faults the device has for a command are applied to its answer.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "sim/answer_document.h"
#include "sim/device_state.h"
#include "sim/form_data.h"
#include "sim/http_request.h"
#include "sim/http_response.h"

// The answer a command gives, from the device's state, which it may change.
using CommandHandler = std::function<AnswerElement(DeviceState& device, const FormData& form)>;

class WebSite {
public:
  // Serves the device's CGI and XML paths; a command without a handler answers a plain success.
  WebSite();

  // `cmd` may be empty: the handler of requests without a command (the XML files).
  void AddCommand(const std::string& path, const std::string& cmd, CommandHandler handler);

  // The redirect page of the web applications (redirect_page.h) to anyone; otherwise
  // 404 for a path the device does not serve, 405 for anything but POST, 401 without the
  // authorisation of one of the device's users (or always, with the unauthorized fault), else 200
  // with the handler's answer, spoilt by the device's faults for that command.
  WebAnswer Answer(const HttpRequest& request, DeviceState& device) const;

  // The request's form: its body, unless the Content-Type names something other than a form.
  static FormData FormOf(const HttpRequest& request);

  // The name under which a command's faults are configured: the form's cmd, or, for a request
  // without one, the file name of the path ("dm_read_state.xml").
  static std::string CommandName(const std::string& path, const std::string& cmd);
  // Whether some handler answers to that name.
  bool HasCommand(const std::string& name) const;

private:
  std::set<std::string> paths_;
  std::map<std::pair<std::string, std::string>, CommandHandler> commands_;
};
