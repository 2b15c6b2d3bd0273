// A whole simulated device as the program meets it: every command family on its web site, a clock
// the test moves, requests made by the program's own request builder, and the program's own
// readers of the answers with the records they fill.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "net/device_commands.h"
#include "net/cgi_request.h"
#include "sim/commands_account.h"
#include "sim/commands_disk.h"
#include "sim/commands_network.h"
#include "sim/commands_system.h"
#include "sim/tests/sim_test_devices.h"

// What the simulator writes: UTF-8, taken here as the program's code page.
class Utf8CodePage : public AnsiCodePage {
public:
  std::u16string ToText(std::string_view bytes) const override;
  std::string ToBytes(std::u16string_view text) const override;
};

inline std::u16string Utf8CodePage::ToText(std::string_view bytes) const {
  std::u16string text;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length && at + i < bytes.size(); ++i)
      c = (c << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    at += static_cast<std::size_t>(length);
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
  }
  return text;
}

inline std::string Utf8CodePage::ToBytes(std::u16string_view text) const {
  std::string bytes;
  for (std::size_t at = 0; at < text.size(); ++at) {
    char32_t c = text[at];
    if (c >= 0xD800 && c < 0xDC00 && at + 1 < text.size())
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++at] - 0xDC00);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | (c >> 12));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (c >> 18));
      bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

// The operation kind the program reads a command index's answer with.
inline int OpKindOf(int cmdIndex) {
  if (cmdIndex >= 10 && cmdIndex <= 15) return kOpDiskStep;
  if (cmdIndex == 16) return kOpVolumeStatus;
  if (cmdIndex == 18) return kOpUserAccess;
  return kOpCgiCommand;
}

class TestNas {
public:
  explicit TestNas(DeviceState state = TestDevice("192.0.2.21", 1)) : device(std::move(state)) {
    AddAccountCommands(site);
    AddSystemCommands(site);
    network.AddTo(site);
    disks.AddTo(site);
  }

  // The whole answer to the program's request of `cmdIndex` with `body` ("" when the device did not
  // answer with 200). `password` authorises it; by default the first user's.
  std::string Exchange(int cmdIndex, const std::string& body,
                       const std::string* password = nullptr) {
    const std::string& authorisation = password ? *password : device.users[0].password;
    const auto request =
        FormatCgiRequest(CgiPath(cmdIndex), device.address, body, BasicToken(authorisation));
    EXPECT_TRUE(request);
    HttpRequestReader reader;
    EXPECT_EQ(reader.Feed(request.value_or("")), HttpRequestReader::Status::kComplete);
    const WebAnswer answer = site.Answer(reader.Request(), device);
    lastDelayMs = answer.delayMs;
    const std::string whole = RenderResponse(answer, device.http);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(whole.data());
    return StatusLineAccepted(bytes, whole.size()) ? whole : std::string();
  }

  void Advance(std::chrono::milliseconds by) { now += by; }

  DeviceState device;
  EventLoop loop;
  FormatJob::Clock::time_point now{};
  int lastDelayMs = 0;
  // What the interface was told, in order: "add HOLDER ADDRESS/PREFIX" and "release ADDRESS".
  std::vector<std::string> interfaceChanges;
  NetworkCommands network{
      loop, InterfaceFollower{[this](const std::string& holder, const std::string& added,
                                     int prefix) {
                                interfaceChanges.push_back("add " + holder + " " + added + "/" +
                                                           std::to_string(prefix));
                              },
                              [this](const std::string& address) {
                                interfaceChanges.push_back("release " + address);
                              }}};
  DiskCommands disks{[this] { return now; }};
  WebSite site;
};

// The program's records, filled by its real parsers.
struct ProgramRecords {
  ProgramRecords() = default;
  ProgramRecords(const ProgramRecords&) = delete;
  ~ProgramRecords() { FreeVolumeInfoTail(firstVolume); }

  AnswerReport Read(int cmdIndex, const std::string& answer, int opKind = 0) {
    const AnswerTargets targets{codePage, credentials, newPassword, wizard,     devices, deviceMac,
                                requestedAddress, shares, &firstVolume, access};
    return ParseAnswer(opKind ? opKind : OpKindOf(cmdIndex), cmdIndex, answer, targets);
  }

  Utf8CodePage codePage;
  LoginCredentialsRecord credentials{};
  std::string newPassword;
  WizardInfoRecord wizard{};
  NasDeviceList devices;
  std::string deviceMac;
  std::string requestedAddress;
  ShareListRecord shares;
  VolumeInfoList firstVolume{};
  std::u16string access;
};
