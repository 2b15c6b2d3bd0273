#include "net/win/result_window.h"

#include <memory>

#include "net/mailbox.h"
#include "net/win/query.h"

namespace {

// Tells a carrier's notices and posts the results behind them again; false for a mailbox result.
bool OpenCarrier(const MSG& msg) {
  if (msg.message != WM_QUERY_RESULT || msg.wParam != kCarrierParam) return false;
  void* stored = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), stored, reserved)) return true;
  const std::unique_ptr<CQuery> carrier(static_cast<CQuery*>(stored));
  TellThroughUserMessages(msg.hwnd, carrier->notices);
  for (const CQuery::PostedResult& result : carrier->resultsBehindNotices)
    PostMessageW(msg.hwnd, result.message, result.wParam, result.lParam);
  return true;
}

}  // namespace

ResultWindow::ResultWindow()
    : hwnd_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr)) {}

ResultWindow::~ResultWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool ResultWindow::WaitFor(UINT message, DWORD timeoutMs, MSG& out) {
  return WaitFor({message}, timeoutMs, out);
}

bool ResultWindow::WaitFor(std::initializer_list<UINT> messages, DWORD timeoutMs, MSG& out) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    while (PeekMessageW(&out, hwnd_, 0, 0, PM_REMOVE)) {
      if (OpenCarrier(out)) continue;
      for (UINT message : messages)
        if (out.message == message) return true;
      DispatchMessageW(&out);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}
