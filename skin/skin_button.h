// What every skinned button shares: owner drawing over the background lent by the parent, hover
// tracking, the skinned tooltip, the check state of check boxes and radio buttons (with the
// unchecking of the other buttons of a radio group), and the cache of the disabled look.
#pragma once
#include <memory>
#include <string>

#include "skin/skin_tooltip.h"
#include "skin/skinned_surface.h"
#include "framework/controls.h"
#include "framework/gdi.h"

enum class ButtonKind { kPush = 0, kCheckBox = 2, kRadio = 4 };

// The disabled rendering of a button, built once and copied on later disabled paints.
class DisabledCache {
 public:
  bool IsBuilt() const { return dc_ != nullptr; }
  // Copies the cached rendering into `dc`; false when there is none of that size.
  bool CopyTo(HDC dc, int width, int height) const;
  void Store(HDC dc, int width, int height);
  void Reset();

 private:
  BitmapHandle bitmap_;
  std::unique_ptr<MemoryDC> dc_;  // declared after the bitmap: deselects it before it is deleted
  SIZE size_{};
};

class CSkinButton : public CSkinMarked<CButton> {
 public:
  ~CSkinButton() override;

  // Tooltip text from the string table.
  virtual void SetToolTipText(UINT stringId, bool activate = true);
  // Keeps `text` for the tooltip that the pointer resting on the button brings up, and shows it in
  // a tooltip already up; an empty text is ignored.
  virtual void SetToolTipText(const std::wstring& text, bool activate = true);
  virtual void DeleteToolTip();
  virtual void SetDrawText(bool draw);
  // Shows or hides the button.
  virtual void ShowButton(bool show);
  // A push button, check box or radio button named by its caption, else its tooltip text.
  bool Describe(AccessibleDescription& description) const override;

  bool IsHovered() const { return hover_; }
  bool IsChecked() const { return checked_; }
  bool DrawsText() const { return drawText_; }
  ButtonKind Kind() const { return kind_; }
  const std::wstring& ToolTipText() const { return tipText_; }
  // The tooltip window; none before the pointer first rested on the button.
  CSkinToolTip* ToolTip() const { return toolTip_.get(); }

 protected:
  explicit CSkinButton(ButtonKind kind, bool drawText = true) : kind_(kind), drawText_(drawText) {}

  // Makes the control owner-drawn (and marked).
  void OnAttached() override;
  // Turns a double click into a press and relays mouse messages to the tooltip, then ButtonProc.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final;
  // The button's messages; variants handle theirs and pass the rest on.
  virtual LRESULT ButtonProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Buffer over the client area, background from the parent, DrawFace, one copy to the screen.
  void DrawItem(const DRAWITEMSTRUCT& item) final;
  // Draws the button's images and text into `dc` (the background is there already).
  virtual void DrawFace(HDC dc, const RECT& client, UINT itemState) = 0;
  virtual void CreateToolTip();

  // Draws the disabled look through the cache: `render` draws it the first time.
  template <typename Render>
  void DrawDisabledCached(HDC dc, const RECT& client, Render render) {
    if (disabledCache_.CopyTo(dc, RectWidth(client), RectHeight(client))) return;
    render();
    disabledCache_.Store(dc, RectWidth(client), RectHeight(client));
  }
  void ResetDisabledCache() { disabledCache_.Reset(); }
  void SetKind(ButtonKind kind) { kind_ = kind; }

 private:
  void TrackMouse();
  void OnHover();
  // Gives the tooltip its one tool, the button, with the kept text.
  void FillToolTip(bool activate);
  // BM_SETCHECK: push buttons stay unchecked; a checked radio button clears its group.
  void SetCheckState(bool checked);
  void UncheckGroup() const;
  // Toggles a check box or checks a radio button, as a click or Space does.
  void PressCheck();

  ButtonKind kind_;
  bool checked_ = false;
  bool default_ = false;  // the push button Enter presses while the focus is on no push button
  bool drawText_;
  bool hover_ = false;
  bool tracking_ = false;
  std::wstring tipText_;
  std::unique_ptr<CSkinToolTip> toolTip_;
  DisabledCache disabledCache_;
};
