// The PNG holder and the off-screen buffer.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "res/resource.h"
#include "skin/geometry/fine_detail.h"
#include "skin/gdiplus_bitmap.h"
#include "skin/my_mem_dc.h"
#include "skin/skin_draw.h"
#include "skin_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

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

TEST(PngHolder, APngThatDoesNotDecodeDrawsNothing) {
  CGdiPlusBitmapResource image;
  // Its header is sound, so the load succeeds and the size is known; the pixels are missing.
  ASSERT_TRUE(image.Load(9008));
  EXPECT_EQ(image.Width(), 40);
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_EQ(image.Get(), nullptr);
  EXPECT_EQ(image.Get(), nullptr);  // a failed decode is not retried into something else
  PixelCanvas canvas(40, 40, RGB(1, 2, 3));
  DrawSkinImage(canvas.Dc(), image, 0, 0, 40, 40);
  EXPECT_EQ(canvas.Pixel(20, 20), RGB(1, 2, 3));
}

TEST(PngHolder, HoldersOfOneImageShareItsBitmapAndKeepItAlone) {
  auto first = std::make_unique<CGdiPlusBitmapResource>();
  CGdiPlusBitmapResource second;
  CGdiPlusBitmapResource other;
  ASSERT_TRUE(first->Load(skin_test::kRed));
  ASSERT_TRUE(second.Load(skin_test::kRed));
  ASSERT_TRUE(other.Load(skin_test::kBlue));
  ASSERT_NE(first->Get(), nullptr);
  EXPECT_EQ(first->Get(), second.Get());
  EXPECT_NE(first->Get(), other.Get());

  // The image stays whole for the holder left, and emptying one holder leaves the other drawn.
  first.reset();
  other.Empty();
  EXPECT_FALSE(other.IsLoaded());
  ASSERT_TRUE(second.IsLoaded());
  PixelCanvas canvas(40, 40, RGB(0, 0, 0));
  DrawSkinImage(canvas.Dc(), second, 0, 0, 40, 40);
  EXPECT_EQ(canvas.Pixel(20, 20), RGB(255, 0, 0));

  // Loading another image into a holder leaves the image its former sharers see unchanged.
  CGdiPlusBitmapResource third;
  ASSERT_TRUE(third.Load(skin_test::kRed));
  ASSERT_TRUE(third.Load(skin_test::kSmallGreen));
  EXPECT_EQ(second.Width(), 40);
  EXPECT_EQ(third.Width(), 100);
}

TEST(PngHolder, ThreadsDecodingOneImageTogetherGetOneBitmap) {
  std::vector<Gdiplus::Bitmap*> seen(6, nullptr);
  {
    const UINT grey[] = {skin_test::kGrey};
    const UINT missing[] = {4242};
    CPngPreload preload(grey);
    CPngPreload nothing(missing);  // nothing to decode, nothing to wait for
    std::vector<std::jthread> threads;
    for (Gdiplus::Bitmap*& bitmap : seen) {
      threads.emplace_back([&bitmap] {
        CGdiPlusBitmapResource image;
        if (image.Load(skin_test::kGrey)) bitmap = image.Get();
        // The holder goes here; the preload keeps the image for the others.
      });
    }
  }
  ASSERT_NE(seen[0], nullptr);
  for (Gdiplus::Bitmap* bitmap : seen) EXPECT_EQ(bitmap, seen[0]);
}

TEST(PngHolder, EveryImageOfTheSkinLoads) {
  // Every image the resource header names.
  const UINT ids[] = {
      IDB_HELP_PRESSED, IDB_HELP_HOVER, IDB_HELP_NORMAL, IDB_BUTTON_ACTIVE, IDB_SETTINGS_NORMAL,
      IDB_SETTINGS_HOVER, IDB_SETTINGS_PRESSED, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_PRESSED,
      IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED, IDB_BUTTON, IDB_ADDRESS_FRAME,
      IDB_LOGIN_BACKGROUND, IDB_LOGIN_LOGO, IDB_MODIFY_PASSWORD_PRESSED, IDB_MODIFY_PASSWORD_HOVER,
      IDB_MODIFY_PASSWORD_NORMAL, IDB_CHECK_BOX, IDB_CHECK_MARK, IDB_RADIO, IDB_RADIO_CHECKED,
      IDB_WIZARD_BACKGROUND, IDB_WIZARD_LOGO, IDB_FORMAT_BAR, IDB_FORMAT_BAR_LEFT, IDB_FORMAT_BAR_MIDDLE,
      IDB_FORMAT_BAR_RIGHT, IDB_COMBO, IDB_SETTINGS_LOGO, IDB_UNDERLINE, IDB_SHORTCUT_BACKUP_ACTIVE,
      IDB_SHORTCUT_WIZARD, IDB_SHORTCUT_WIZARD_ACTIVE, IDB_SHORTCUT_SURVEILLANCE,
      IDB_SHORTCUT_SURVEILLANCE_ACTIVE, IDB_SHORTCUT_PLAY, IDB_SHORTCUT_PLAY_ACTIVE, IDB_SHORTCUT_MANAGEMENT,
      IDB_SHORTCUT_MANAGEMENT_ACTIVE, IDB_SHORTCUT_FILE, IDB_SHORTCUT_FILE_ACTIVE, IDB_SHORTCUT_DOWNLOAD,
      IDB_SHORTCUT_DOWNLOAD_ACTIVE, IDB_SHORTCUT, IDB_SHORTCUT_SELECTED, IDB_SHORTCUT_HOVER,
      IDB_SHORTCUT_BACKUP, IDB_STEP_DONE, IDB_STEP_CURRENT, IDB_STEP_TODO, IDB_ARROW_DOWN, IDB_ARROW_UP,
      IDB_RAID_STANDARD, IDB_RAID_LINEAR, IDB_RAID_RAID0, IDB_RAID_RAID1, IDB_RAID_FOCUS,
      IDB_VOLUME_BAR_RIGHT, IDB_VOLUME_BAR, IDB_VOLUME_BAR_LEFT, IDB_VOLUME_BAR_MIDDLE, IDB_GAUGE,
      IDB_GAUGE_MIDDLE, IDB_GAUGE_TOP, IDB_GAUGE_BOTTOM, IDB_FOLDER_SELECTION, IDB_CELL_COMBO, IDB_FOLDER,
      IDB_SHORTCUT_FOLDER, IDB_SHORTCUT_FOLDER_ACTIVE, IDB_MAIN_BACKGROUND, IDB_MAIN_LOGO, IDB_SUCCESS,
      IDB_LOGOUT_PRESSED, IDB_LOGOUT_HOVER, IDB_LOGOUT_NORMAL};
  for (UINT id : ids) {
    CGdiPlusBitmapResource image;
    EXPECT_TRUE(image.Load(id)) << "PNG " << id;
    // The header's size is the decoded one; a load only reads the header.
    ASSERT_TRUE(image.IsLoaded()) << "PNG " << id;
    EXPECT_EQ(image.Width(), static_cast<int>(image.Get()->GetWidth())) << "PNG " << id;
    EXPECT_EQ(image.Height(), static_cast<int>(image.Get()->GetHeight())) << "PNG " << id;
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

TEST(SkinImage, DrawsUnscaledIntoExactlyItsRectangleScaledWithinItAndFadedOnRequest) {
  CGdiPlusBitmapResource red;
  ASSERT_TRUE(red.Load(skin_test::kRed));  // 40 x 40
  PixelCanvas unscaled(70, 70, RGB(0, 0, 0));
  DrawSkinImage(unscaled.Dc(), red, 5, 6, 40, 40);
  EXPECT_EQ(unscaled.Pixel(5, 6), RGB(255, 0, 0));
  EXPECT_EQ(unscaled.Pixel(44, 45), RGB(255, 0, 0));
  for (const POINT outside : {POINT{4, 6}, POINT{5, 5}, POINT{45, 45}, POINT{44, 46}})
    EXPECT_EQ(unscaled.Pixel(outside.x, outside.y), RGB(0, 0, 0)) << outside.x << "," << outside.y;

  PixelCanvas scaled(70, 70, RGB(0, 0, 0));
  DrawSkinImage(scaled.Dc(), red, 5, 6, 50, 50);
  EXPECT_EQ(scaled.Pixel(30, 30), RGB(255, 0, 0));
  EXPECT_EQ(scaled.Pixel(53, 54), RGB(255, 0, 0));
  EXPECT_EQ(scaled.Pixel(56, 57), RGB(0, 0, 0));

  PixelCanvas faded(40, 40, RGB(0, 0, 0));
  DrawSkinImage(faded.Dc(), red, 0, 0, 40, 40, 0.5f);
  EXPECT_NEAR(GetRValue(faded.Pixel(20, 20)), 128, 2);
  EXPECT_EQ(GetGValue(faded.Pixel(20, 20)), 0);
}

namespace {
std::vector<std::uint32_t> Pixels(const PixelCanvas& canvas) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y));
  return pixels;
}
}  // namespace

TEST(PngHolder, DrawnLargerItUsesTheFormMadeForThatSize) {
  CGdiPlusBitmapResource image;
  ASSERT_TRUE(image.Load(IDB_LOGIN_LOGO));
  const int width = image.Width();
  const int height = image.Height();
  // 150 % has a form of its own; 140 % takes it too (scaled down); 100 % and smaller keep the own.
  EXPECT_EQ(image.SourceFor(width * 3 / 2, height * 3 / 2)->GetWidth(), static_cast<UINT>((width * 150 + 50) / 100));
  EXPECT_EQ(image.SourceFor(width * 14 / 10, height * 14 / 10)->GetWidth(),
            static_cast<UINT>((width * 150 + 50) / 100));
  EXPECT_EQ(image.SourceFor(width, height), image.Get());
  EXPECT_EQ(image.SourceFor(width / 2, height / 2), image.Get());
  // Beyond 200 % the largest form is scaled up.
  EXPECT_EQ(image.SourceFor(width * 3, height * 3)->GetWidth(), static_cast<UINT>(width * 2));
  // An image of another type has no larger forms.
  CGdiPlusBitmapResource test;
  ASSERT_TRUE(test.Load(skin_test::kRed, L"PNG"));
  EXPECT_EQ(test.SourceFor(test.Width() * 2, test.Height() * 2), test.Get());
}

TEST(PngHolder, AtOneAndAHalfTimesItHoldsMoreDetailThanTheSmallFormStretched) {
  // What a window at 144 DPI shows against what the system's stretching of a 96-DPI window would.
  CGdiPlusBitmapResource image;
  ASSERT_TRUE(image.Load(IDB_LOGIN_LOGO));
  const int width = image.Width();
  const int height = image.Height();
  const int scaledWidth = ScaleToDpi(width, 144);
  const int scaledHeight = ScaleToDpi(height, 144);
  PixelCanvas drawn(scaledWidth, scaledHeight);
  DrawSkinImage(drawn.Dc(), image, 0, 0, scaledWidth, scaledHeight);
  PixelCanvas small(width, height);
  DrawSkinImage(small.Dc(), image, 0, 0, width, height);
  PixelCanvas stretched(scaledWidth, scaledHeight);
  SetStretchBltMode(stretched.Dc(), HALFTONE);
  StretchBlt(stretched.Dc(), 0, 0, scaledWidth, scaledHeight, small.Dc(), 0, 0, width, height, SRCCOPY);
  const double own = FineDetail(Pixels(drawn), scaledWidth, scaledHeight);
  const double stretchedDetail = FineDetail(Pixels(stretched), scaledWidth, scaledHeight);
  ::testing::Test::RecordProperty("detail_own", std::to_string(own));
  ::testing::Test::RecordProperty("detail_stretched", std::to_string(stretchedDetail));
  // A fifth more is well clear of what rounding and the halftone filter move (a few per cent).
  EXPECT_GT(own, stretchedDetail * 1.2) << own << " against " << stretchedDetail;
}
