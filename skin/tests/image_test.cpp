// The PNG holder and the off-screen buffer.
#include <gtest/gtest.h>

#include "skin/gdiplus_bitmap.h"
#include "skin/my_mem_dc.h"
#include "skin_test_dialog.h"
#include "ui/framework/tests/support/ui_test_support.h"

TEST(PngHolder, LoadsAResourceAndReportsItsSize) {
  CGdiPlusBitmapResource image;
  ASSERT_TRUE(image.Load(skin_test::kSmallGreen, L"PNG"));
  EXPECT_TRUE(image.IsLoaded());
  EXPECT_EQ(image.Width(), 100);
  EXPECT_EQ(image.Height(), 100);
  // Loading again replaces the image.
  ASSERT_TRUE(image.Load(skin_test::kRed));
  EXPECT_EQ(image.Width(), 40);
}

TEST(PngHolder, MissingOrUndecodableResourcesLeaveItEmpty) {
  CGdiPlusBitmapResource image;
  ASSERT_TRUE(image.Load(skin_test::kRed));
  EXPECT_FALSE(image.Load(4242));
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_FALSE(image.Load(9007));  // bytes that are no PNG
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_FALSE(image.Load(skin_test::kRed, L"NOSUCHTYPE"));
}

TEST(PngHolder, EveryImageOfTheSkinLoads) {
  // The ids the windows name: backgrounds, buttons, marks, icons, bars, pictures.
  const UINT ids[] = {142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 155, 156, 157, 158, 159, 160,
                      161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 178,
                      179, 180, 181, 182, 183, 184, 185, 186, 189, 190, 191, 192, 193, 194, 197, 198,
                      199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 211, 214, 215, 216, 217,
                      218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 231, 234, 235, 236};
  for (UINT id : ids) {
    CGdiPlusBitmapResource image;
    EXPECT_TRUE(image.Load(id)) << "PNG " << id;
  }
}

TEST(MemoryBuffer, DrawsInTheTargetsCoordinatesAndCopiesBackOnce) {
  PixelCanvas canvas(50, 50, RGB(0, 0, 0));
  RECT area{10, 20, 30, 40};
  {
    CMyMemDC buffer(canvas.Dc(), &area);
    EXPECT_TRUE(buffer.IsMemory());
    buffer.FillSolidRect(RECT{10, 20, 20, 30}, RGB(255, 0, 0));  // top-left quarter of the area
    EXPECT_EQ(canvas.Pixel(15, 25), RGB(0, 0, 0));              // nothing reaches the target yet
  }
  EXPECT_EQ(canvas.Pixel(15, 25), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(9, 25), RGB(0, 0, 0));
}

TEST(MemoryBuffer, ADetachedBufferCopiesNothing) {
  PixelCanvas canvas(20, 20, RGB(0, 0, 0));
  {
    CMyMemDC buffer(canvas.Dc());  // the target's clip box
    EXPECT_EQ(buffer.Rect().right, 20);
    buffer.FillSolidRect(RECT{0, 0, 20, 20}, RGB(0, 255, 0));
    buffer.DetachTarget();
  }
  EXPECT_EQ(canvas.Pixel(5, 5), RGB(0, 0, 0));
}
