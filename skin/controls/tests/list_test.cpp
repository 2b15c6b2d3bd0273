// The skinned report list in a real dialog: row and header sizes, in-place editing of a cell (only
// on the second click of a selected row), Escape, the focus leaving, Shift and Control clicks,
// a long choice list dropping down a few entries tall, the scroll message, and the header that cannot be clicked or resized.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "controls_test_dialog.h"
#include "skin/controls/gdip_list_combo_box.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
class SkinnedList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    CGdipListCtrl& list = dialog.list;
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 200);
    list.InsertColumn(1, L"Location", LVCFMT_CENTER, 100);
    const wchar_t* rows[][2] = {{L"Public", L"select"}, {L"Music", L"X:"}, {L"Video", L"Y:"}};
    for (int row = 0; row < 3; ++row) {
      list.InsertItem(row, rows[row][0]);
      list.SetItemText(row, 1, rows[row][1]);
    }
    list.AddListColumn();
    dialog.choices = {L"X:", L"Y:", L"Z:"};
    PumpMessages(20ms);
  }

  // A press and release of the left button in `column` of `row`, with `keys` held.
  void Click(int row, int column, WPARAM keys = 0) const {
    RECT bounds = dialog.list.GetItemRect(row, LVIR_BOUNDS);
    int x = bounds.left + (column == 0 ? 100 : 250);
    LPARAM point = MAKELPARAM(x, (bounds.top + bounds.bottom) / 2);
    dialog.list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    dialog.list.SendMessage(WM_LBUTTONUP, keys, point);
  }
  bool Selected(int row) const { return dialog.list.GetItemState(row, LVIS_SELECTED) != 0; }
  static CGdipListComboBox& Editor() { return CGdipListComboBox::Shared(); }
  bool WaitForEdited() {
    return PumpUntil([&] { return dialog.Count(WM_CELL_EDITED) > 0 && !IsWindow(Editor().GetSafeHwnd()); }, 2000ms);
  }
  const Received* Last(UINT message) const {
    for (auto entry = dialog.received.rbegin(); entry != dialog.received.rend(); ++entry) {
      if (entry->message == message) return &*entry;
    }
    return nullptr;
  }

  CControlsTestDialog dialog;
};
}  // namespace

TEST_F(SkinnedList, RowsAre30PixelsAndTheHeader22) {
  RECT row = dialog.list.GetItemRect(0, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, CGdipListCtrl::kRowHeight);
  EXPECT_EQ(row.top, CGdipHeaderCtrl::kHeight);
  RECT header = dialog.list.Header().GetWindowRect();
  EXPECT_EQ(header.bottom - header.top, 22);
}

TEST_F(SkinnedList, OnlyTheSecondClickOnASelectedRowOpensTheEditor) {
  Click(0, 1);
  EXPECT_TRUE(Selected(0));
  EXPECT_EQ(dialog.Count(WM_CELL_CHOICES), 0);
  EXPECT_FALSE(Editor().IsEditing());

  Click(0, 1);
  ASSERT_EQ(dialog.Count(WM_CELL_CHOICES), 1);
  EXPECT_EQ(Last(WM_CELL_CHOICES)->wParam, 0u);
  ASSERT_TRUE(Editor().IsEditing());
  EXPECT_EQ(Editor().GetParent(), dialog.list.GetSafeHwnd());
  EXPECT_EQ(Editor().GetCount(), 3);
  EXPECT_EQ(Editor().GetCurSel(), -1);  // "select" is not among the choices
  EXPECT_EQ(GetFocus(), Editor().GetSafeHwnd());

  Editor().SetCurSel(1);
  Editor().SendMessage(WM_KEYDOWN, VK_RETURN);
  ASSERT_TRUE(WaitForEdited());
  EXPECT_EQ(dialog.list.GetItemText(0, 1), L"Y:");
  EXPECT_EQ(Last(WM_CELL_EDITED)->wParam, 0u);
  EXPECT_EQ(Last(WM_CELL_EDITED)->lParam, 1);
}

TEST_F(SkinnedList, ALongChoiceListDropsDownSixEntriesTallAndScrolls) {
  dialog.choices.clear();
  for (wchar_t letter = L'Z'; letter >= L'A'; --letter) dialog.choices.push_back(std::wstring(1, letter) + L":");
  Click(0, 1);
  Click(0, 1);
  ASSERT_TRUE(Editor().IsEditing());
  Editor().SendMessage(CB_SHOWDROPDOWN, TRUE);
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ASSERT_TRUE(::GetComboBoxInfo(Editor().GetSafeHwnd(), &combo));
  RECT dropped{};
  ::GetClientRect(combo.hwndList, &dropped);
  const int itemHeight = static_cast<int>(Editor().SendMessage(CB_GETITEMHEIGHT, 0));
  EXPECT_LE(dropped.bottom - dropped.top, 6 * itemHeight);
  EXPECT_GE(dropped.bottom - dropped.top, 5 * itemHeight);
  Editor().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  ASSERT_TRUE(WaitForEdited());
}

TEST_F(SkinnedList, TheEditorStartsOnTheCellsTextAndEscapeKeepsIt) {
  Click(1, 1);
  Click(1, 1);
  ASSERT_TRUE(Editor().IsEditing());
  EXPECT_EQ(Editor().GetCurSel(), 0);  // "X:"
  Editor().SetCurSel(2);
  Editor().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  ASSERT_TRUE(WaitForEdited());
  EXPECT_TRUE(Editor().WasCancelled());
  EXPECT_EQ(dialog.list.GetItemText(1, 1), L"X:");
  EXPECT_EQ(Last(WM_CELL_EDITED)->wParam, 1u);
}

TEST_F(SkinnedList, LosingTheFocusEndsTheEditAndAPromptWithoutAChoiceStays) {
  Click(0, 1);
  Click(0, 1);
  ASSERT_TRUE(Editor().IsEditing());
  SetFocus(dialog.list.GetSafeHwnd());
  ASSERT_TRUE(WaitForEdited());
  EXPECT_FALSE(Editor().WasCancelled());
  EXPECT_EQ(dialog.list.GetItemText(0, 1), L"select");
}

TEST_F(SkinnedList, ShiftAndControlClicksAndClicksBesideTheRowsChangeNothing) {
  Click(0, 1);
  for (WPARAM keys : {static_cast<WPARAM>(MK_SHIFT), static_cast<WPARAM>(MK_CONTROL)}) {
    Click(1, 0, keys);
    EXPECT_TRUE(Selected(0));
    EXPECT_FALSE(Selected(1));
    Click(0, 1, keys);  // not even the editor of the selected row
    EXPECT_FALSE(Editor().IsEditing());
  }
  dialog.list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 180));  // below the last row
  dialog.list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 180));
  EXPECT_TRUE(Selected(0));
  // A selected row clicked in a column that is not edited opens nothing either.
  Click(0, 0);
  EXPECT_FALSE(Editor().IsEditing());
  EXPECT_EQ(dialog.Count(WM_CELL_CHOICES), 0);
}

TEST_F(SkinnedList, ScrollingWheelAndKeysTellTheParent) {
  dialog.list.SendMessage(WM_KEYDOWN, VK_DOWN);
  dialog.list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  dialog.list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_TRUE(PumpUntil([&] { return dialog.Count(WM_LIST_SCROLLED) == 3; }, 1000ms));
}

TEST_F(SkinnedList, TheHeaderCannotBeClickedOrResized) {
  HWND header = dialog.list.Header().GetSafeHwnd();
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(199, 10));  // on the divider
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(260, 10));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(260, 10));
  SendMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(199, 10));
  EXPECT_EQ(dialog.list.GetColumnWidth(0), 200);
  EXPECT_NE(GetCapture(), header);
}
