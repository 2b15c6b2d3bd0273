// What the page tests share: the fake network door, an answerer of the boxes, and a frame (no
// main window; an administrator's unless told) holding the pages the test adds in SetUp.
//
//   class VolumePage : public WizardPageFixture {
//     void SetUp() override { OpenFrame({{&volumes, L"RAID", IDD_WIZARD_RAID}}); }
//     CRaidPage volumes;
//   };
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>

#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "res/resource.h"
#include "ui/network/tests/support/fake_network_door.h"
#include "ui/wizard/wizard_dialog.h"

class WizardPageFixture : public ::testing::Test {
 protected:
  explicit WizardPageFixture(bool administrator = true) : frame{nullptr, administrator} {}

  struct PageEntry {
    CWizardPage* page;
    const wchar_t* name;
    UINT templateId;
  };

  // Adds the pages in order and creates the frame, shown without taking the activation when
  // `show`; the test fails when the frame cannot be created.
  void OpenFrame(std::initializer_list<PageEntry> pages, bool show = true) {
    for (const PageEntry& entry : pages) frame.AddPage(entry.page, entry.name, entry.templateId);
    ASSERT_TRUE(frame.Create());
    if (show) frame.ShowWindow(SW_SHOWNOACTIVATE);
  }
  // The pages are members of the derived fixture and go first: the frame lets go of them while
  // they are still there.
  void TearDown() override { frame.DestroyWindow(); }

  void Next() { frame.SendMessage(WM_COMMAND, IDC_WIZARD_NEXT); }

  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  CWizardDialog frame;
};
