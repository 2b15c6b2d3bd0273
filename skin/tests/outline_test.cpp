// The rounded window outline.
#include <gtest/gtest.h>

#include "skin/window_outline.h"
#include "framework/gdi.h"

TEST(WindowOutline, CutsTheCornersAndKeepsTheEdges) {
  std::vector<POINT> points = RoundedOutline(605, 397, 14);
  RegionHandle region(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
  ASSERT_TRUE(region);
  EXPECT_TRUE(PtInRegion(region.Get(), 302, 198));
  EXPECT_TRUE(PtInRegion(region.Get(), 300, 1));    // top edge
  EXPECT_TRUE(PtInRegion(region.Get(), 1, 200));    // left edge
  EXPECT_TRUE(PtInRegion(region.Get(), 6, 6));      // inside the arc
  EXPECT_FALSE(PtInRegion(region.Get(), 1, 1));     // outside it, in each corner
  EXPECT_FALSE(PtInRegion(region.Get(), 603, 1));
  EXPECT_FALSE(PtInRegion(region.Get(), 603, 395));
  EXPECT_FALSE(PtInRegion(region.Get(), 1, 395));
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 605);
  EXPECT_EQ(box.bottom, 397);
}

TEST(WindowOutline, RadiusIsBoundedByTheSize) {
  std::vector<POINT> points = RoundedOutline(20, 10, 40);
  for (const POINT& point : points) {
    EXPECT_GE(point.x, 0);
    EXPECT_LE(point.x, 20);
    EXPECT_GE(point.y, 0);
    EXPECT_LE(point.y, 10);
  }
  EXPECT_EQ(RoundedOutline(30, 30, 0).size(), 8u);  // a plain rectangle
}

TEST(WindowOutline, AppliesToAWindow) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(ApplyRoundedOutline(window, 100, 80, 10));
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, copy.Get()), COMPLEXREGION);
  DestroyWindow(window);
}
