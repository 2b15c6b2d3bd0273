// A step marker of the setup wizard: one image per state (current, done, to come) and the step's
// name beside it.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "skin/skin_button.h"

class CProcessButton : public CSkinButton {
 public:
  // The states the wizard gives its markers.
  static constexpr int kCurrent = 0;
  static constexpr int kDone = 1;
  static constexpr int kToCome = 2;

  CProcessButton() : CSkinButton(ButtonKind::kPush) {}
  ~CProcessButton() override { FreeImages(); }

  // The images of the done, current and to-come states; true when all load. Without a call the
  // skin's step markers are loaded on the first paint.
  bool LoadImages(UINT doneId, UINT currentId, UINT toComeId, const wchar_t* type = L"PNG");
  void FreeImages();
  void SetState(int state);
  int State() const { return state_; }
  // The last marker shows only its first 15 pixels (no line to a next step).
  void SetNarrow(bool narrow);

 protected:
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;

 private:
  CGdiPlusBitmapResource images_[3];
  int state_ = kToCome;
  bool narrow_ = false;
};
