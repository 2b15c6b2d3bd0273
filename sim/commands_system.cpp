#include "sim/commands_system.h"

#include "sim/commands_network.h"
#include "sim/exchange_log.h"
#include "sim/text_numbers.h"

namespace {

constexpr char kSystemPath[] = "/cgi-bin/system_mgr.cgi";

// The settings the wizard shows, the children of lan and system in the order the program reads
// them.
AnswerElement WizardInfo(DeviceState& device, const FormData&) {
  AnswerElement answer{"config", {}, {}};
  AddNetworkSettings(answer.Add("lan"), device,
                     {"dhcp_enable", "ip", "netmask", "gateway", "dns1", "dns2"});
  AnswerElement& system = answer.Add("system");
  system.Add("name", device.name);
  system.Add("workgroup", device.workgroup);
  system.Add("description", device.description);
  system.Add("timezone", device.timeZone);
  return answer;
}

// description, hostname, workgroup. A device needs a name and a workgroup; without either nothing
// changes and the answer is 0.
AnswerElement DeviceIdentity(DeviceState& device, const FormData& form) {
  const std::string name = form.Value("hostname"), workgroup = form.Value("workgroup");
  if (name.empty() || workgroup.empty()) {
    LogExchange(device, "identity refused: no name or workgroup");
    return ResultAnswer(0);
  }
  device.name = name;
  device.workgroup = workgroup;
  device.description = form.Value("description");
  LogExchange(device, "identity name=" + Printable(name) + " workgroup=" + Printable(workgroup) +
                          " description=" + Printable(device.description));
  return ResultAnswer(1);
}

// f_timezone: the zone's number, 1 to kTimeZoneCount.
AnswerElement TimeZone(DeviceState& device, const FormData& form) {
  const auto zone = ReadCount(form.Value("f_timezone"), kTimeZoneCount);
  if (!zone || *zone < 1) {
    LogExchange(device, "timezone refused: " + Printable(form.Value("f_timezone")));
    return ResultAnswer(0);
  }
  device.timeZone = *zone;
  LogExchange(device, "timezone " + std::to_string(*zone));
  return ResultAnswer(1);
}

}  // namespace

void AddSystemCommands(WebSite& site) {
  site.AddCommand("/cgi-bin/wizard_mgr.cgi", "cgi_get_wizard", WizardInfo);
  site.AddCommand(kSystemPath, "cgi_device", DeviceIdentity);
  site.AddCommand(kSystemPath, "cgi_timezone", TimeZone);
}
