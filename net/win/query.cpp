#include "net/win/query.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <cwchar>

#include "net/datagram.h"
#include "net/mailbox.h"

namespace {

// Tokens are unique for the whole run, so an overtaken request can never match a newer one.
int NextRequestToken() {
  static std::atomic<int> last{0};
  int token = ++last;
  if (token == 0) token = ++last;
  return token;
}

}  // namespace

CQuery::CQuery(HWND target) : targetWindow(target) {}

CQuery::~CQuery() = default;

int CQuery::StartOperation() {
  RequestToken = NextRequestToken();
  const int token = RequestToken;
  if (!Start()) {
    RequestToken = 0;
    return 0;
  }
  return token;  // the worker may own (or have deleted) the object by now
}

bool CQuery::CreateReceiveBuffer() {
  if (!receiveBuffer.empty()) return false;
  receiveBuffer.assign(kDatagramCapacity + 1, 0);
  receiveBufferSize = static_cast<int>(kDatagramCapacity);
  return true;
}

void CQuery::Run() {
  if (httpMode) RunHttp();
  else RunUdp();
}

void CQuery::TakeDevice(const ChosenDevice& device) {
  deviceMac = device.macText;
  std::memset(deviceAddress, 0, sizeof deviceAddress);
  device.address.copy(deviceAddress, sizeof deviceAddress - 1);
  adapterIndex = device.adapterIndex;
}

void CQuery::SetDatagram(const std::vector<std::uint8_t>& datagram) {
  httpMode = 0;
  request.assign(std::max(kDatagramCapacity, datagram.size()), 0);
  std::copy(datagram.begin(), datagram.end(), request.begin());
  requestLength = static_cast<int>(datagram.size());
}

void CQuery::RunUdp() {
  const unsigned type = request.empty() ? 0u : request[0];
  wchar_t text[16];
  std::swprintf(text, 16, L"%u\n", type);
  OutputDebugStringW(text);
  switch (type) {
    case kSearchRequestType: RunSearch(); break;
    case kLoginRequestType: RunLoginCheck(); break;
    case kSetIpRequestType: RunSetIp(); break;
    default: EndWithoutResult(); break;
  }
}

void CQuery::ReportThroughMailbox() {
  const HWND target = targetWindow;
  ReleaseThreadHandle();
  const std::uint64_t id = CMsg::Instance().Put(this);
  PostMessageW(target, WM_QUERY_RESULT, 0, CMsg::ParamFromId(id));
}

void CQuery::ReportByValue(unsigned message, WPARAM wParam, LPARAM lParam) {
  if (!notices.empty()) {
    PostResult(message, wParam, lParam);
    EndWithoutResult();
    return;
  }
  const HWND target = targetWindow;
  Dispose();
  PostMessageW(target, message, wParam, lParam);
}

void CQuery::PostResult(unsigned message, WPARAM wParam, LPARAM lParam) {
  if (notices.empty()) {
    PostMessageW(targetWindow, message, wParam, lParam);
    return;
  }
  resultsBehindNotices.push_back({message, wParam, lParam});
}

void CQuery::EndWithoutResult() {
  if (notices.empty()) {
    Dispose();
    return;
  }
  carrierOnly = true;
  const HWND target = targetWindow;
  ReleaseThreadHandle();
  const std::uint64_t id = CMsg::Instance().Put(this);
  PostMessageW(target, WM_QUERY_RESULT, kCarrierParam, CMsg::ParamFromId(id));
}

void TellThroughUserMessages(HWND, const std::vector<std::wstring>& notices) {
  for (const std::wstring& notice : notices) ShowUserMessage(notice);
}

void CQuery::Dispose() {
  ReleaseThreadHandle();
  delete this;
}
