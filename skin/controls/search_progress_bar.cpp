#include "skin/controls/search_progress_bar.h"

#include <algorithm>

#include "skin/controls/control_buffer.h"

namespace {
constexpr UINT_PTR kMoveTimer = 1;  // the bar's own window's timer
constexpr UINT kMoveEveryMs = 40;
// The segment crosses the track in kStepsPerCrossing moves (a little over a second), then starts
// again from the left.
constexpr int kStepsPerCrossing = 30;
constexpr COLORREF kTrackColour = RGB(72, 72, 72);
constexpr COLORREF kSegmentColour = RGB(128, 10, 227);  // the lists' selection colour, opaque
}  // namespace

void CSearchProgressBar::Start() {
  running_ = true;
  step_ = 0;
  SetTimer(kMoveTimer, kMoveEveryMs);
  ShowWindow(SW_SHOWNA);
  Invalidate(false);
}

void CSearchProgressBar::Stop() {
  running_ = false;
  KillTimer(kMoveTimer);
  ShowWindow(SW_HIDE);
}

LRESULT CSearchProgressBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kMoveTimer) {
    step_ = (step_ + 1) % kStepsPerCrossing;
    Invalidate(false);
    return 0;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

void CSearchProgressBar::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  const RECT& client = buffer.Client();
  CDC dc(buffer.GetSafeHdc());
  dc.FillSolidRect(client, kTrackColour);
  // A segment a quarter of the track long enters at the left and leaves at the right.
  const int width = RectWidth(client);
  const int segment = std::max(1, width / 4);
  const LONG left = client.left - segment + (width + segment) * step_ / kStepsPerCrossing;
  const RECT moving{std::max(client.left, left), client.top, std::min<LONG>(client.right, left + segment),
                    client.bottom};
  if (moving.right > moving.left) dc.FillSolidRect(moving, kSegmentColour);
}
