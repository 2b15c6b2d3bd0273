// One program at a time: two copies would search and log in side by side on the same port. The
// first start claims a named mutex of the user's session; a later start finds the running main
// window, brings it to the front (restored if minimised) and ends.
#pragma once
#include <windows.h>

class CSingleInstance {
 public:
  CSingleInstance();
  ~CSingleInstance();
  CSingleInstance(const CSingleInstance&) = delete;
  CSingleInstance& operator=(const CSingleInstance&) = delete;

  // False when another copy of the program runs in this session.
  bool IsFirst() const { return first_; }
  // Brings the other copy's main window to the front; false when it showed none within a few
  // seconds (it may still be starting, or have just ended).
  static bool ActivateRunningWindow();

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};
