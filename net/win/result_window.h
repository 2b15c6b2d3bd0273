// A message-only window that receives what a network operation posts, so the console tool waits
// for results exactly as the program's windows do. A carrier of notices (2024 with wParam
// kCarrierParam) is opened on the way: its notices go to ShowUserMessage and the results behind
// them are posted again to the window, in order.
#pragma once
#include <windows.h>

#include <initializer_list>

class ResultWindow {
public:
  ResultWindow();
  ~ResultWindow();
  ResultWindow(const ResultWindow&) = delete;
  ResultWindow& operator=(const ResultWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // Pumps messages until `message` arrives (true, `out` holds it) or `timeoutMs` passes (false).
  bool WaitFor(UINT message, DWORD timeoutMs, MSG& out);
  // The same for whichever of `messages` comes first.
  bool WaitFor(std::initializer_list<UINT> messages, DWORD timeoutMs, MSG& out);

private:
  HWND hwnd_;
};
