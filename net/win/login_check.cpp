// The login check and the IP change: one datagram to a device found by the last search, through
// the adapter it was found on, and a wait for its answer.
#include <algorithm>
#include <cstring>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/login_credentials.h"
#include "net/win/query.h"
#include "net/win/udp_sockets.h"
#include "settings/setting_names.h"
#include "settings/win/remembered_login.h"
#include "settings/win/settings_file.h"

namespace {

constexpr int kLoginPolls = 11;
constexpr int kLoginPollMs = 70;
constexpr int kSetIpPolls = 300;  // the answer is given up after the 301st counted poll
constexpr int kSetIpPollMs = 10;
constexpr int kPollPauseMs = 100;

// Both waits are also bounded by the time their polls take when nothing arrives: anything that
// reaches the group's socket (other computers' searches, floods of datagrams too large to
// receive) ends a poll early or is not counted at all, and would otherwise stretch the wait
// without end.
constexpr int kLoginWaitMs = kLoginPolls * kLoginPollMs + (kLoginPolls - 1) * kPollPauseMs;
constexpr int kSetIpWaitMs = (kSetIpPolls + 1) * (kSetIpPollMs + kPollPauseMs);

// The end of a wait, fixed when the wait starts.
class Deadline {
public:
  explicit Deadline(int ms) : end_(GetTickCount64() + static_cast<ULONGLONG>(ms)) {}
  // What is left of the wait, at most `limit` ms; 0 once it is over.
  int RemainingMs(int limit) const {
    const ULONGLONG now = GetTickCount64();
    return now >= end_ ? 0 : static_cast<int>(std::min<ULONGLONG>(end_ - now, limit));
  }

private:
  ULONGLONG end_;
};

bool RowUsable(int row) { return row >= 0 && row < Adapters().count; }

// Requests are built when an operation starts; the identifier is the one of the search last run
// when it is sent.
void StampDiscoveryId(std::vector<std::uint8_t>& request) {
  const DiscoveryId& id = CurrentDiscoveryId();
  std::copy(id.bytes.begin(), id.bytes.end(), request.begin() + 1);
}

// A rejected login forgets the user name remembered for the device used last, unless it was
// remembered for another device of that name.
void ForgetRejectedUser(const std::string& mac) {
  std::wstring device;
  if (ReadSetting(kServNameSetting.section, kServNameSetting.key, device)) ForgetRememberedUser(device, FromAnsi(mac));
}

}  // namespace

int CQuery::CheckLogin(const std::wstring& userName, const std::wstring& password, const ChosenDevice& device) {
  OpKind = kOpLoginCheck;
  TakeDevice(device);
  ClearLoginCredentials();
  LoginCredentialsRecord& credentials = LoginCredentials();
  // A name or password that does not fit its 15 bytes would be sent cut: refuse it instead.
  if (!CopyAnsiToSlot(userName, credentials.userName, sizeof credentials.userName) ||
      !CopyAnsiToSlot(password, credentials.password, sizeof credentials.password)) {
    ClearLoginCredentials();
    notices.push_back(Tr(L"The user name and the password may have at most 15 characters."));
    return 0;
  }
  SetDatagram(EncodeLoginRequest(CurrentDiscoveryId(), device.deviceId.data(), credentials.userName,
                                 credentials.password));
  return StartOperation();
}

int CQuery::SetDeviceIp(const ChosenDevice& device, const SetIpRequest* settings) {
  OpKind = kOpSetIp;
  CmdIndex = 0;
  TakeDevice(device);
  setIpRequest = settings;
  if (!settings) {
    notices.push_back(L"make_send buff error");
    return 0;
  }
  SetDatagram(EncodeSetIpRequest(CurrentDiscoveryId(), device.deviceId.data(), *settings));
  setIpRequest = nullptr;  // the caller's record is not needed any longer
  return StartOperation();
}

void CQuery::RunLoginCheck() {
  std::int8_t answer = 0;
  bool sendFailed = false;
  {
    UdpExchange udp(/*enumerateAdapters=*/false);
    StampDiscoveryId(request);
    const int row = adapterIndex;
    sendFailed = !RowUsable(row) ||
                 !udp.SendToGroup(row, request.data(), static_cast<std::size_t>(requestLength));
    if (RowUsable(row) && CreateReceiveBuffer()) {
      const DiscoveryId id = CurrentDiscoveryId();
      const Deadline deadline(kLoginWaitMs);
      for (int polls = 0; polls < kLoginPolls && !StopRequested();) {
        const int wait = deadline.RemainingMs(kLoginPollMs);
        if (wait == 0) break;
        if (udp.WaitReadable(row, wait) == UdpExchange::Wait::kReadable) {
          const int length = udp.Receive(row, receiveBuffer.data());
          if (length < 0) continue;
          const auto reply = ReadLoginReply(receiveBuffer.data(), static_cast<std::size_t>(length),
                                            id, deviceAddress);
          if (reply) {
            answer = *reply;
            break;
          }
        }
        if (++polls < kLoginPolls) Sleep(static_cast<DWORD>(deadline.RemainingMs(kPollPauseMs)));
      }
    }
  }
  if (sendFailed) notices.push_back(Tr(L"result_sendto failed."));
  if (answer != 0) {
    ReportThroughMailbox();
    return;
  }
  ClearLoginCredentials();
  ForgetRejectedUser(deviceMac);
  notices.push_back(Tr(L"Username or password error."));
  EndWithoutResult();
}

void CQuery::RunSetIp() {
  bool answered = false;
  {
    UdpExchange udp(/*enumerateAdapters=*/false);
    if (!CreateReceiveBuffer()) return;  // ran before: does nothing again
    StampDiscoveryId(request);
    const int row = adapterIndex;
    if (RowUsable(row)) {
      udp.SendToGroup(row, request.data(), static_cast<std::size_t>(requestLength));
      const DiscoveryId id = CurrentDiscoveryId();
      const Deadline deadline(kSetIpWaitMs);
      for (int polls = 0; !StopRequested();) {
        const int wait = deadline.RemainingMs(kSetIpPollMs);
        if (wait == 0) break;
        std::fill(receiveBuffer.begin(), receiveBuffer.end(), 0);
        if (udp.WaitReadable(row, wait) == UdpExchange::Wait::kReadable) {
          const int length = udp.Receive(row, receiveBuffer.data());
          if (length < 0 || receiveBuffer[0] != kSetIpReplyType) continue;
          if (IsSetIpReply(receiveBuffer.data(), static_cast<std::size_t>(length), id)) {
            answered = true;
            break;
          }
        }
        if (++polls > kSetIpPolls) break;
        Sleep(static_cast<DWORD>(deadline.RemainingMs(kPollPauseMs)));
      }
    }
  }
  ReportByValue(WM_SETIP_DONE, answered ? 0 : 1, OpKind);
}
