// Opening the format progress dialog, running it to its end and closing it 200 times leaves no GDI
// or USER object behind.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/network/tests/support/fake_network_door.h"
#include "ui/wizard/process_dialog.h"
#include "rules/volume_plan.h"

using namespace std::chrono_literals;

namespace {
void OpenRunAndClose(const VolumePlan& plan) {
  CProcessDialog dialog(plan.First(), nullptr, ChosenDevice{});
  ASSERT_TRUE(dialog.Create());
  dialog.SendMessage(WM_DISK_STEP_DONE, 1, 10);
  dialog.SendMessage(WM_VOLUME_CREATED, 1, 11);
  dialog.SendMessage(WM_FORMAT_STATE, 1, 50);
  // Drawn into a buffer half way and at the end rather than shown: mapping hundreds of windows on
  // the X server takes minutes.
  PixelCanvas canvas(dialog.GetClientRect().right, dialog.GetClientRect().bottom);
  const auto print = [&] {
    dialog.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  };
  print();
  dialog.SendMessage(WM_FORMAT_STATE, 2, 100);
  for (LPARAM step : {13, 14, 15}) dialog.SendMessage(WM_DISK_STEP_DONE, 1, step);
  print();
  dialog.DestroyWindow();
}
}  // namespace

TEST(ProcessDialogLeaks, TwoHundredRunsLeaveTheObjectCountsWhereTheyBegan) {
  CFakeNetworkDoor door;
  const DiskInfoResult disks{2, "sda", 500, "sdb", 1000};
  const PlanResult plan = BuildVolumePlan(disks, VolumeLevel::kRaid0);
  ASSERT_TRUE(plan.plan);
  SetCursorPos(0, 0);  // no tooltips coming and going on their own time
  for (int round = 0; round < 3; ++round) OpenRunAndClose(*plan.plan);
  PumpMessages(50ms);
  const GuiObjectCounts before = CountGuiObjects();
  ASSERT_GT(before.gdi, 0u);
  for (int round = 0; round < 200; ++round) OpenRunAndClose(*plan.plan);
  PumpMessages(50ms);
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  EXPECT_GE(door.Count(kFinishFormat), 200);
}
