#include "sim/commands_network.h"

#include "sim/exchange_log.h"

namespace {

constexpr char kNetworkPath[] = "/cgi-bin/network_mgr.cgi";

std::string DnsServerText(const std::string& dotted) { return dotted.empty() ? "0.0.0.0" : dotted; }

// The address part the wizard frame polls after a change.
AnswerElement LanInfo(DeviceState& device, const FormData&) {
  AnswerElement answer{"info", {}, {}};
  AddNetworkSettings(answer, device, {"dhcp1", "ip1", "netmask1", "gateway1", "dns1", "dns2"});
  return answer;
}

AnswerElement LockChange(DeviceState& device, const FormData&) {
  LogExchange(device, "network locked");
  return ResultAnswer(1);
}

// A DNS server field: empty or "0.0.0.0" for none, else an address; nothing for anything else.
std::optional<std::string> DnsServer(const std::string& text) {
  if (text.empty() || text == "0.0.0.0") return std::string();
  if (!Ipv4Bytes(text)) return std::nullopt;
  return text;
}

}  // namespace

void AddNetworkSettings(AnswerElement& parent, const DeviceState& device,
                        const NetworkElementNames& names) {
  parent.Add(names.dhcp, device.dhcp ? 1 : 0);
  parent.Add(names.address, device.address);
  parent.Add(names.mask, device.mask);
  parent.Add(names.gateway, device.gateway);
  parent.Add(names.dns1, DnsServerText(device.dns1));
  parent.Add(names.dns2, DnsServerText(device.dns2));
}

void NetworkCommands::AddTo(WebSite& site) {
  site.AddCommand(kNetworkPath, "cgi_get_lan_xml2", LanInfo);
  site.AddCommand(kNetworkPath, "cgi_setip_lock", LockChange);
  site.AddCommand(kNetworkPath, "cgi_ip", [this](DeviceState& device, const FormData& form) {
    return ChangeNetwork(device, form);
  });
}

// f_dhcp_enable (1 DHCP, 0 static), f_ip, f_netmask, f_gateway, f_dns1, f_dns2; the vlan fields
// and lan are not used. Settings the device cannot use change nothing and answer 0.
AnswerElement NetworkCommands::ChangeNetwork(DeviceState& device, const FormData& form) {
  const std::string dhcp = form.Value("f_dhcp_enable");
  const auto dns1 = DnsServer(form.Value("f_dns1")), dns2 = DnsServer(form.Value("f_dns2"));
  const auto next =
      dhcp == "0" || dhcp == "1"
          ? AddressingAfter(device, dhcp == "1", form.Value("f_ip"), form.Value("f_netmask"),
                            form.Value("f_gateway"))
          : std::nullopt;
  if (!next || !dns1 || !dns2) {
    LogExchange(device, "network refused dhcp=" + Printable(dhcp) +
                            " address=" + Printable(form.Value("f_ip")) +
                            " mask=" + Printable(form.Value("f_netmask")));
    return ResultAnswer(0);
  }
  const std::string old = device.address;
  TakeAddressing(device, *next);
  device.dns1 = *dns1;
  device.dns2 = *dns2;
  LogExchange(device, "network " + DescribeAddressing(*next) + " dns1=" + device.dns1 +
                          " dns2=" + device.dns2);
  if (device.network.readdress && next->address != old) FollowWithInterface(device, old);
  return ResultAnswer(1);
}

void NetworkCommands::FollowWithInterface(DeviceState& device, const std::string& from) {
  const auto prefix = PrefixLength(device.mask);
  if (!prefix) return LogExchange(device, "network cannot move the interface: no usable mask");
  loop_.After(kFollowMs, [this, &device, from, to = device.address, prefix = *prefix] {
    LogExchange(device, "network interface adds " + to);
    follower_.add(from, to, prefix);
  });
  // The old address goes, unless the device has come back to it in the meantime.
  loop_.After(kFollowMs + device.network.releaseMs, [this, &device, from] {
    if (device.address == from) return;
    LogExchange(device, "network interface releases " + from);
    follower_.release(from);
    if (device.formerAddress == from) device.formerAddress.clear();
  });
}
