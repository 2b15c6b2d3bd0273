// The mark that a search is running: a thin track with a segment sliding along it. It is shown
// only while it runs, so that what is visible says whether a search goes on.
#pragma once
#include "skin/controls/skinned_window.h"
#include "framework/controls.h"

class CSearchProgressBar : public CSkinnedWindow<CStatic> {
 public:
  CSearchProgressBar() : CSkinnedWindow(Erase::kNothing) {}

  // Shows the bar and starts its movement from the left.
  void Start();
  // Stops the movement and hides the bar.
  void Stop();
  bool Running() const { return running_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;

 private:
  bool running_ = false;
  int step_ = 0;
};
