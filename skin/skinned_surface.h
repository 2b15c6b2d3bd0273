// The window side of the skin's background protocol, once for every skinned window.
//
// CSkinMarked: the mark every skinned window carries (property "###restoreparentdc_tag###" holding
// its own handle), set when the object is bound to its window and taken off before the window goes.
//
// CSkinnedParent: a window that holds skinned children - the dialogs, the wizard pages, the
// information popup. It paints itself from its rendered background, never erases (its painting
// covers the client area, and erasing would paint grey over what a child has just been lent) and
// answers a child's WM_DRAW_PARENT_BG with the part of that background that lies under the child.
// A derived window only says where its background is (LentBackground); it adds no copy of the
// protocol or of the painting.
#pragma once
#include <windows.h>

#include "base/messages.h"
#include "skin/skin_draw.h"
#include "framework/gdi.h"

template <typename Base>
class CSkinMarked : public Base {
 public:
  using Base::Base;
  ~CSkinMarked() override {
    if (this->GetSafeHwnd()) UnmarkSkinnedWindow(this->GetSafeHwnd());
  }

 protected:
  void OnAttached() override {
    Base::OnAttached();
    MarkSkinnedWindow(this->GetSafeHwnd());
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCDESTROY) UnmarkSkinnedWindow(this->GetSafeHwnd());
    return Base::WindowProc(message, wParam, lParam);
  }
};

template <typename Base>
class CSkinnedParent : public CSkinMarked<Base> {
 public:
  using CSkinMarked<Base>::CSkinMarked;

 protected:
  // The rendered background of the whole client area, in client coordinates; null while there is
  // none (a child then gets nothing from this window and keeps what it has).
  virtual HDC LentBackground() = 0;
  // Paints the client area from the rendered background; derived windows may draw more over it.
  virtual void OnPaint(HDC dc) {
    HDC background = LentBackground();
    if (!background) return;
    RECT client{};
    GetClientRect(this->GetSafeHwnd(), &client);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, background, 0, 0, SRCCOPY);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT: {
        PaintDC paint(this->GetSafeHwnd());
        OnPaint(paint.GetSafeHdc());
        return 0;
      }
      case WM_ERASEBKGND:
        return TRUE;
      case WM_DRAW_PARENT_BG:
        if (HDC background = LentBackground()) {
          LendBackground(this->GetSafeHwnd(), background, reinterpret_cast<HWND>(lParam),
                         reinterpret_cast<HDC>(wParam));
        }
        return 0;
      default:
        break;
    }
    return CSkinMarked<Base>::WindowProc(message, wParam, lParam);
  }
};
