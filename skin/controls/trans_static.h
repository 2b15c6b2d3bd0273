// A text over the parent's background: the window text in the skin's font, in one colour, with
// DrawText format flags.
#pragma once
#include "skin/controls/skinned_window.h"
#include "framework/controls.h"

class CTransStatic : public CSkinnedWindow<CStatic> {
 public:
  static constexpr UINT kDefaultFormat = DT_WORDBREAK | DT_EDITCONTROL;
  static constexpr int kDefaultFontHeight = 17;

  CTransStatic() : CSkinnedWindow(Erase::kNothing) {}

  // Sets the window text and repaints without erasing.
  void SetText(const std::wstring& text);
  void SetFormat(UINT format);
  void SetFontHeight(int height);
  void SetFontWeight(int weight);
  void SetTextColour(COLORREF colour);
  // Whether the text, drawn in the label's font at its window's DPI, fits the label: on one line
  // within its width, or wrapped (DT_WORDBREAK) within its height.
  bool TextFits() const;
  // Static text named by what it shows.
  bool Describe(AccessibleDescription& description) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;

 private:
  void Repaint() const;

  UINT format_ = kDefaultFormat;
  int fontHeight_ = kDefaultFontHeight;
  int fontWeight_ = FW_THIN;
  COLORREF colour_ = 0xFFFFFF;
};
