// Owners of GDI objects and global memory release exactly what they own.
#include <gtest/gtest.h>

#include "framework/gdi.h"
#include "framework/tests/support/ui_test_support.h"

TEST(GdiOwners, ObjectsAreDeletedOnceAlsoAfterMoves) {
  DWORD before = CountGuiObjects().gdi;
  {
    BrushHandle first(CreateSolidBrush(RGB(1, 2, 3)));
    BrushHandle second(std::move(first));
    EXPECT_FALSE(first);
    BrushHandle third;
    third = std::move(second);
    third.Reset(CreateSolidBrush(RGB(4, 5, 6)));  // the first brush goes here
    EXPECT_EQ(CountGuiObjects().gdi, before + 1);
  }
  EXPECT_EQ(CountGuiObjects().gdi, before);
  HBRUSH released = BrushHandle(CreateSolidBrush(0)).Release();
  EXPECT_EQ(GetObjectType(released), static_cast<DWORD>(OBJ_BRUSH));
  DeleteObject(released);
}

TEST(GdiOwners, SelectionsAreUndone) {
  PixelCanvas canvas(4, 4);
  HGDIOBJ original = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  BrushHandle brush(CreateSolidBrush(RGB(9, 9, 9)));
  {
    SelectGuard selected(canvas.Dc(), brush.Get());
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush.Get());
  }
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), original);
}

TEST(GdiOwners, MemoryContextsGoWithTheirBitmapDeselected) {
  DWORD before = CountGuiObjects().gdi;
  BitmapHandle bitmap;
  {
    WindowDC screen(nullptr);
    bitmap.Reset(CreateCompatibleBitmap(screen.GetSafeHdc(), 8, 8));
    MemoryDC memory(screen.GetSafeHdc());
    memory.Select(bitmap.Get());
    memory.FillSolidRect(RECT{0, 0, 8, 8}, RGB(200, 10, 10));
  }
  bitmap.Reset();  // deleting fails while the bitmap is still selected somewhere
  EXPECT_EQ(CountGuiObjects().gdi, before);
}

TEST(GdiOwners, GlobalBlockIsLockedWhileOwned) {
  GlobalBlock block;
  ASSERT_TRUE(block.Allocate(64));
  ASSERT_NE(block.Data(), nullptr);
  EXPECT_EQ(GlobalFlags(block.Handle()) & GMEM_LOCKCOUNT, 1u);
  static_cast<char*>(block.Data())[63] = 'x';
  block.Free();
  EXPECT_EQ(block.Handle(), nullptr);
  EXPECT_EQ(block.Data(), nullptr);
}

TEST(GdiOwners, DrawTextLeavesTheContextAsItWas) {
  PixelCanvas canvas(60, 20, RGB(0, 0, 0));
  SetTextColor(canvas.Dc(), RGB(1, 1, 1));
  SetBkMode(canvas.Dc(), OPAQUE);
  RECT rect{0, 0, 60, 20};
  EXPECT_GT(CDC(canvas.Dc()).DrawText(L"MMM", rect, DT_SINGLELINE, RGB(255, 255, 255)), 0);
  EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(1, 1, 1));
  EXPECT_EQ(GetBkMode(canvas.Dc()), OPAQUE);
  bool inked = false;
  for (int x = 0; x < 60 && !inked; ++x) inked = canvas.Pixel(x, 8) != RGB(0, 0, 0);
  EXPECT_TRUE(inked);
}
