// The picture a skinned parent borrows from its own parent: what that parent shows under the
// window's client area, taken the first time it is needed and kept in a memory context. For
// windows that sit on another skinned window whose picture does not change beneath them (a wizard
// page on the wizard's frame, the information popup on the main window); they lend it on to their
// children and paint themselves from it.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/gdi.h"

class CBorrowedBackground {
 public:
  // What the holder draws over the borrowed picture once, in client coordinates.
  using Finish = void (*)(HDC dc, const RECT& client);

  explicit CBorrowedBackground(Finish finish = nullptr) : finish_(finish) {}

  // The kept picture of `window`'s client area, borrowed on the first call; null while the window
  // has no parent to borrow from (nothing is kept then, so a later call borrows).
  HDC Take(HWND window);
  // Lets the picture go, with the window it was taken for.
  void Release();

 private:
  Finish finish_;
  BitmapHandle bitmap_;
  std::unique_ptr<MemoryDC> picture_;  // after the bitmap: deselects it before it goes
};
