// A message-only window that receives what a network operation posts, so the console tool waits
// for results exactly as the program's windows do.
#pragma once
#include <windows.h>

class ResultWindow {
public:
  ResultWindow();
  ~ResultWindow();
  ResultWindow(const ResultWindow&) = delete;
  ResultWindow& operator=(const ResultWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // Pumps messages until `message` arrives (true, `out` holds it) or `timeoutMs` passes (false).
  bool WaitFor(UINT message, DWORD timeoutMs, MSG& out);

private:
  HWND hwnd_;
};
