// The settings commands: the wizard's settings, the name and workgroup, the time zone, the network
// and the LAN address after a network change. A document that is not well-formed is still
// searched as far as it was indexed.
#include <algorithm>
#include <cstring>
#include <optional>

#include "net/commands/answer_reading.h"
#include "net/commands/form_body.h"
#include "net/device_commands.h"

namespace {

// Stores the next child's text into a field; a missing child leaves the field as it was.
template <std::size_t N>
void StoreNextChild(XmlNavigator& reader, const AnsiCodePage& codePage, std::u16string_view name,
                    char (&field)[N]) {
  if (const auto text = NextChildText(reader, name)) StoreInField(codePage, *text, field);
}

// A DNS server of "0.0.0.0" means none: the field stays empty.
template <std::size_t N>
void StoreDnsServer(XmlNavigator& reader, const AnsiCodePage& codePage, std::u16string_view name,
                    char (&field)[N]) {
  const auto text = NextChildText(reader, name);
  if (text && *text != u"0.0.0.0") StoreInField(codePage, *text, field);
}

// The text of the next element named `name` at the main level; nothing when there is none.
std::optional<std::u16string> NextElementText(XmlNavigator& reader, std::u16string_view name) {
  if (!reader.FindElement(name)) return std::nullopt;
  return reader.GetElementText();
}

// What a LAN answer reports; a missing mask or gateway leaves the field it would fill as it was.
struct LanTexts {
  std::u16string address;
  std::optional<std::u16string> mask;
  std::optional<std::u16string> gateway;
};

// For the process-wide LAN record and the device record alike.
template <class Record>
void StoreLanTexts(const AnsiCodePage& codePage, const LanTexts& texts, Record& record) {
  StoreInField(codePage, texts.address, record.address);
  if (texts.mask) StoreInField(codePage, *texts.mask, record.mask);
  if (texts.gateway) StoreInField(codePage, *texts.gateway, record.gateway);
}

}  // namespace

std::string GetWizardInfoBody() { return "cmd=cgi_get_wizard"; }

AnswerReport ParseWizardAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               WizardInfoRecord& info) {
  info = WizardInfoRecord{};
  XmlNavigator reader;
  LoadAnswer(reader, answer, codePage);
  if (reader.FindChildElement(u"lan")) {
    reader.EnterElement();
    info.dhcpFlag = NextChildNumber(reader, u"dhcp_enable");
    StoreNextChild(reader, codePage, u"ip", info.lan.address);
    StoreNextChild(reader, codePage, u"netmask", info.lan.mask);
    StoreNextChild(reader, codePage, u"gateway", info.lan.gateway);
    StoreDnsServer(reader, codePage, u"dns1", info.dns1);
    StoreDnsServer(reader, codePage, u"dns2", info.dns2);
    reader.LeaveElement();
  }
  if (reader.FindChildElement(u"system")) {
    reader.EnterElement();
    StoreNextChild(reader, codePage, u"name", info.hostName);
    StoreNextChild(reader, codePage, u"workgroup", info.workgroup);
    StoreNextChild(reader, codePage, u"description", info.description);
    info.timeZoneIndex = NextChildNumber(reader, u"timezone");
    reader.LeaveElement();
  }
  return {};
}

std::optional<std::string> SetDeviceInfoBody(const DeviceIdentity& identity) {
  return FormBody("cgi_device")
      .Field("description", identity.description)
      .Field("hostname", identity.hostName)
      .Field("workgroup", identity.workgroup)
      .Finish();
}

std::string SetTimeZoneBody(int timeZoneIndex) {
  return "cmd=cgi_timezone&f_timezone=" + std::to_string(timeZoneIndex);
}

std::optional<std::string> SetNetworkBody(const NetworkSettings& settings) {
  return FormBody("cgi_ip")
      .Number("f_dhcp_enable", settings.dhcpFlag)
      .Field("f_ip", settings.address)
      .Field("f_gateway", settings.gateway)
      .Field("f_netmask", settings.mask)
      .Field("f_dns1", settings.dns1)
      .Field("f_dns2", settings.dns2)
      .Number("vlan_enable", 0)
      .Number("vlan_id", 0)
      .Number("lan", 0)
      .Finish();
}

std::string GetLanInfoBody() { return "cmd=cgi_get_lan_xml2&lan=0"; }

AnswerReport ParseLanAnswer(std::string_view answer, const AnsiCodePage& codePage,
                            CurrentLanInfoRecord& current, NasDeviceList& devices,
                            const std::string& deviceMac, std::string_view requestedAddress) {
  XmlNavigator reader;
  LoadAnswer(reader, answer, codePage);
  if (!reader.FindElement(u"info")) return {};
  reader.EnterElement();
  const auto address = NextElementText(reader, u"ip1");
  if (!address || *address == u"0.0.0.0") return {};
  const LanTexts texts{*address, NextElementText(reader, u"netmask1"),
                       NextElementText(reader, u"gateway1")};
  StoreLanTexts(codePage, texts, current);
  devices.UpdateByMac(deviceMac, [&](NasDeviceInfo& record) {
    if (std::string_view(record.address, strnlen(record.address, sizeof record.address)) !=
        requestedAddress)
      return;
    StoreLanTexts(codePage, texts, record);
    // The device names itself by its MAC and its address: the login check and the IP change that
    // follow must carry the new address, or the moved device takes them for another's.
    StampAddressInDeviceId(record.deviceId, DottedToAddress(record.address));
  });
  return {};
}

std::string LockSetIpBody() { return "cmd=cgi_setip_lock&lan=0"; }
