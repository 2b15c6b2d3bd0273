// The general skinned button: a push button, check box or radio button drawn from three images.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "skin/skin_button.h"

class CGdipButton : public CSkinButton {
 public:
  CGdipButton() : CSkinButton(ButtonKind::kPush) {}
  ~CGdipButton() override;

  // Frees the previous images; true only when all three loaded.
  virtual bool LoadImages(UINT normalId, UINT hoverId, UINT pressedId, const wchar_t* type = L"PNG");
  // Hiding a repeating push button also ends the repeat.
  void ShowButton(bool show) override;
  virtual void DrawButtonText(HDC dc, UINT itemState);
  virtual void FreeImages();

  // While held down, a push button with auto-repeat sends its command every 100 ms.
  void SetAutoRepeat(bool autoRepeat) { autoRepeat_ = autoRepeat; }
  bool ImagesLoaded() const { return imagesLoaded_; }

 protected:
  // The kind comes from the template's style, before the control is made owner-drawn.
  void OnAttached() override;
  LRESULT ButtonProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;

 private:
  void StopRepeat();
  void PostClick() const;

  bool imagesLoaded_ = false;
  CGdiPlusBitmapResource normalImage_;
  CGdiPlusBitmapResource hoverImage_;
  CGdiPlusBitmapResource pressedImage_;
  bool autoRepeat_ = false;
  bool repeating_ = false;
};
