// The HTTP exchange of a device command: open, connect, send, receive, check the status line,
// close, report. Every wait is a poll of at most 70 ms followed by a 10 ms pause, 101 at most for
// the connection and the request; the answer has the same time (kAnswerTimeMs) however many
// pieces it arrives in.
#include <ws2tcpip.h>

#include <cstring>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_parsers.h"
#include "net/cgi_request.h"
#include "net/login_credentials.h"
#include "net/win/query.h"

namespace {

constexpr int kPolls = 101;
constexpr int kPollMs = 70;
constexpr DWORD kPauseMs = 10;
constexpr std::size_t kReceiveChunk = 4096;

enum class Ready { kYes, kNo, kError, kWaitFailed };

// Waits up to one poll for the socket to become writable (or to report a failed connection) or
// readable.
Ready WaitFor(SOCKET s, bool writable) {
  fd_set wanted, failed;
  FD_ZERO(&wanted);
  FD_ZERO(&failed);
  FD_SET(s, &wanted);
  FD_SET(s, &failed);
  timeval timeout{0, kPollMs * 1000};
  const int n = select(0, writable ? nullptr : &wanted, writable ? &wanted : nullptr, &failed,
                       &timeout);
  if (n < 0) return Ready::kWaitFailed;
  if (n == 0) return Ready::kNo;
  return FD_ISSET(s, &failed) ? Ready::kError : Ready::kYes;
}

bool SetBlocking(SOCKET s, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  return ioctlsocket(s, FIONBIO, &nonBlocking) == 0;
}

}  // namespace

bool CQuery::BuildCgiRequest(const std::string& body, int opKind, int cmdIndex) {
  OpKind = opKind;
  CmdIndex = cmdIndex;
  const char* path = CgiPath(cmdIndex);
  if (!path || deviceAddress[0] == '\0') return false;
  const auto text = FormatCgiRequest(path, deviceAddress, body, BasicToken(LoginCredentials().password));
  if (!text) return false;  // would not stay below the request size
  request.assign(text->begin(), text->end());
  request.push_back(0);
  requestLength = static_cast<int>(text->size());
  std::memcpy(peerAddress, deviceAddress, sizeof peerAddress);
  peerPort = 80;
  return true;
}

int CQuery::StartCgiCommand(const ChosenDevice& device, int opKind, int cmdIndex,
                            const std::optional<std::string>& body) {
  TakeDevice(device);
  if (!body || !BuildCgiRequest(*body, opKind, cmdIndex)) {
    notices.push_back(L"make_send buff error");
    return 0;
  }
  return StartOperation();
}

void CQuery::RunHttp() {
  const bool passed = OpenTcp() && ConnectTcp() && SendRequest() && ReceiveAnswer() &&
                      StatusLineAccepted(receiveBuffer.data(), static_cast<std::size_t>(receiveBufferSize));
  CloseTcp();
  if (passed && ReportAnswer()) return;
  if (OpKind == kOpCgiCommand) {
    ReportByValue(WM_CGI_DONE, passed ? 0 : 1, CmdIndex);
    return;
  }
  if (OpKind == kOpShareList || OpKind == kOpVolumeStatus) {
    // Refused, cut short, too large, unreadable or never answered: a failure, not an empty list.
    readFailed = true;
    const auto status = AnswerStatusCode(std::string_view(
        reinterpret_cast<const char*>(receiveBuffer.data()), static_cast<std::size_t>(receiveBufferSize)));
    deviceStatus = passed ? 0 : status.value_or(0);  // an unreadable 200 answer has no status to tell
    ReportThroughMailbox();
    return;
  }
  EndWithoutResult();  // the other kinds report through their answers only
}

bool CQuery::ReportAnswer() {
  const ThreadAnsiCodePage codePage;
  std::u16string access = ToU16(accessText);
  const AnswerTargets targets{codePage,        LoginCredentials(),
                              std::string_view(newPassword, strnlen(newPassword, sizeof newPassword)),
                              WizardInfo(),    NasDeviceList::Instance(),
                              deviceMac,       peerAddress,
                              ShareList(),     outputList,
                              access};
  AnswerReport report = ParseAnswer(
      OpKind, CmdIndex,
      std::string_view(reinterpret_cast<const char*>(receiveBuffer.data()),
                       static_cast<std::size_t>(receiveBufferSize)),
      targets);
  accessText = ToWide(access);

  if (report.notice)
    notices.push_back(report.translateNotice ? Tr(reinterpret_cast<const wchar_t*>(report.notice))
                                             : ToWide(report.notice));
  if (report.delayMs) Sleep(report.delayMs);
  switch (report.delivery) {
    case AnswerReport::Delivery::kNothing: return false;
    case AnswerReport::Delivery::kMailbox: ReportThroughMailbox(); return true;
    case AnswerReport::Delivery::kPost: break;
  }
  WPARAM wParam = report.wParam;
  DiskInfoResult* disks = report.diskInfo.release();
  if (disks) wParam = reinterpret_cast<WPARAM>(disks);
  if (notices.empty()) {
    if (!PostMessageW(targetWindow, report.message, wParam, report.lParam)) delete disks;
  } else {
    PostResult(report.message, wParam, report.lParam);  // no parser gives disks and a notice
  }
  return false;
}

bool CQuery::OpenTcp() {
  httpMode = 1;
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  if (data.wVersion != MAKEWORD(2, 2)) {
    WSACleanup();
    return false;
  }
  tcpSocket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (tcpSocket == INVALID_SOCKET) return false;
  const int reuse = 1;
  if (setsockopt(tcpSocket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
                 sizeof reuse) != 0) {
    closesocket(tcpSocket);
    tcpSocket = INVALID_SOCKET;
    return false;
  }
  return true;
}

bool CQuery::ConnectTcp() {
  if (peerAddress[0] == 0 || peerPort == 0 || tcpSocket == INVALID_SOCKET) return false;
  if (!SetBlocking(tcpSocket, false)) return false;
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(peerPort);
  peer.sin_addr.s_addr = inet_addr(peerAddress);
  bool connected = connect(tcpSocket, reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0;
  for (int polls = 0; !connected && polls < kPolls && !StopRequested(); ++polls) {
    const Ready ready = WaitFor(tcpSocket, /*writable=*/true);
    if (ready == Ready::kWaitFailed) break;
    if (ready == Ready::kYes) connected = true;
    else Sleep(kPauseMs);
  }
  SetBlocking(tcpSocket, true);
  return connected;
}

bool CQuery::SendRequest() {
  for (int polls = 0; polls < kPolls && !StopRequested(); ++polls) {
    const Ready ready = WaitFor(tcpSocket, /*writable=*/true);
    if (ready == Ready::kWaitFailed || ready == Ready::kError) return false;
    if (ready == Ready::kYes)
      return send(tcpSocket, reinterpret_cast<const char*>(request.data()), requestLength, 0) ==
             requestLength;
    Sleep(kPauseMs);
  }
  return false;
}

// Reads until the answer is whole (its Content-Length arrived, or the device closed), within
// kAnswerTimeMs; a short or malformed answer fails the exchange. The buffer keeps a zero after
// the answer for the status check and the parsers.
bool CQuery::ReceiveAnswer() {
  AnswerReader reader;
  char chunk[kReceiveChunk];
  const ULONGLONG deadline = GetTickCount64() + kAnswerTimeMs;
  while (reader.Current() == AnswerReader::State::kReading) {
    if (GetTickCount64() >= deadline || StopRequested()) {
      reader.TakeEnd();
      break;
    }
    const Ready ready = WaitFor(tcpSocket, /*writable=*/false);
    if (ready == Ready::kWaitFailed) return false;
    if (ready == Ready::kNo) {
      Sleep(kPauseMs);
      continue;
    }
    const int n = recv(tcpSocket, chunk, sizeof chunk, 0);
    if (n < 0) return false;
    if (n == 0) reader.TakeEnd();
    else reader.Take(std::string_view(chunk, static_cast<std::size_t>(n)));
  }
  if (reader.Current() != AnswerReader::State::kWhole) return false;
  const std::string_view answer = reader.Answer();
  receiveBuffer.assign(answer.begin(), answer.end());
  receiveBuffer.push_back(0);
  receiveBufferSize = static_cast<int>(answer.size());
  return true;
}

void CQuery::CloseTcp() {
  if (tcpSocket == INVALID_SOCKET) return;
  shutdown(tcpSocket, SD_BOTH);
  closesocket(tcpSocket);
  tcpSocket = INVALID_SOCKET;
  WSACleanup();
}
