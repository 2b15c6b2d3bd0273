#include "skin/controls/gdip_slider.h"

#include "res/resource.h"
#include "skin/controls/control_buffer.h"
#include "skin/controls/fill_drawing.h"
#include "skin/geometry/gauge_math.h"
#include "skin/controls/mouse_point.h"
#include "skin/skin_draw.h"

namespace {
constexpr UINT kChannelImage = IDB_GAUGE;
constexpr UINT kMiddleImage = IDB_GAUGE_MIDDLE;
constexpr UINT kTopImage = IDB_GAUGE_TOP;
constexpr UINT kBottomImage = IDB_GAUGE_BOTTOM;

// The channel's extent along the slider. Windows reports a vertical channel as if it lay on its
// side (its length in left and right), Wine reports it upright: the longer side is the length.
std::pair<int, int> ChannelExtent(const RECT& channel, bool vertical) {
  bool upright = RectHeight(channel) > RectWidth(channel);
  if (vertical && upright) return {channel.top, channel.bottom};
  return {channel.left, channel.right};
}
}  // namespace

bool CGdipSlider::LoadImages(UINT channelId, UINT topId, UINT middleId, UINT bottomId) {
  bool loaded = channel_.Load(channelId);
  loaded = top_.Load(topId) && loaded;
  loaded = middle_.Load(middleId) && loaded;
  loaded = bottom_.Load(bottomId) && loaded;
  if (GetSafeHwnd()) Invalidate(false);
  return loaded;
}

void CGdipSlider::OnAttached() {
  CSkinnedWindow::OnAttached();
  LoadImages(kChannelImage, kTopImage, kMiddleImage, kBottomImage);
}

LRESULT CGdipSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point = MousePoint(lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(GetSafeHwnd());
      SetFocus(GetSafeHwnd());
      dragging_ = true;
      changedDuringDrag_ = false;
      if (MoveTo(point)) PostScroll(SB_THUMBTRACK);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && MoveTo(point)) {
        changedDuringDrag_ = true;
        PostScroll(SB_THUMBTRACK);
      }
      return 0;
    case WM_LBUTTONUP:
      if (!dragging_) return 0;
      dragging_ = false;
      if (GetCapture() == GetSafeHwnd()) ReleaseCapture();
      if (MoveTo(point)) {
        changedDuringDrag_ = true;
        PostScroll(SB_THUMBTRACK);
      }
      if (changedDuringDrag_) PostScroll(SB_THUMBPOSITION);
      return 0;
    case WM_CAPTURECHANGED:
      // The mouse is handled here alone: the platform slider would report an end of its own drag.
      dragging_ = false;
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    default:
      break;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

bool CGdipSlider::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.code != NM_CUSTOMDRAW) return false;
  result = OnCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
  return true;
}

LRESULT CGdipSlider::OnCustomDraw(const NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      paintedThisRound_ = false;
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_PREERASE:
      return CDRF_SKIPDEFAULT;  // the gauge covers the whole control
    case CDDS_ITEMPREPAINT:
      // The channel, tics and thumb each ask; the whole gauge is drawn at the first of them.
      if (!paintedThisRound_) PaintGauge(draw.hdc);
      paintedThisRound_ = true;
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void CGdipSlider::PaintGauge(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  HDC dc = buffer.GetSafeHdc();
  int width = RectWidth(buffer.Client());
  int height = RectHeight(buffer.Client());
  DrawSkinImage(dc, channel_, 0, 0, width, height);
  const UINT dpi = WindowDpi(GetSafeHwnd());
  int filled = FillLength(GetPos(), GetRangeMin(), GetRangeMax(), UnscaleFromDpi(height, dpi));
  DrawFill(dc, dpi, FillPieces(filled, kGaugeEndCapAt), {top_, middle_, bottom_}, FillDirection::kDown, width);
}

bool CGdipSlider::MoveTo(POINT point) {
  bool vertical = (GetStyle() & TBS_VERT) != 0;
  auto [start, end] = ChannelExtent(GetChannelRect(), vertical);
  int position = SliderPositionAt(vertical ? point.y : point.x, start, end, GetRangeMin(), GetRangeMax());
  if (position == GetPos()) return false;
  SetPos(position);
  return true;
}

void CGdipSlider::PostScroll(int code) const {
  ::PostMessageW(GetParent(), WM_VSCROLL, MAKEWPARAM(code, GetPos()), reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGdipSlider::OnWheel(short delta) {
  if (delta == 0) return;
  int code = delta < 0 ? SB_LINEDOWN : SB_LINEUP;  // a turn towards the user moves down
  int position = GetPos();
  position = delta < 0 ? std::min(position + 1, GetRangeMax()) : std::max(position - 1, GetRangeMin());
  SetPos(position);
  Invalidate(false);
  ::SendMessageW(GetParent(), WM_VSCROLL, MAKEWPARAM(code, GetPos()), reinterpret_cast<LPARAM>(GetSafeHwnd()));
}
