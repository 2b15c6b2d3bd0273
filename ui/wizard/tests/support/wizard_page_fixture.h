// What the wizard tests share: the fake network door, an answerer of the boxes, and a frame (an
// administrator's unless told; owned by the owner the test hands in, none: no main window)
// holding the pages the test adds in SetUp.
//
//   class VolumePage : public WizardPageFixture {
//     void SetUp() override { OpenFrame({{&volumes, L"RAID", IDD_WIZARD_RAID}}); }
//     CRaidPage volumes;
//   };
//
// A test that needs a frame of its own (one per language, one per round) opens it with
// OpenWizardFrame.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "res/resource.h"
#include "ui/network/tests/support/fake_network_door.h"
#include "ui/wizard/wizard_dialog.h"

// A page of a frame: the page, the name the frame knows it by, and its template.
struct WizardPageEntry {
  CWizardPage* page;
  std::wstring name;
  UINT templateId;
};

// Adds the pages to `frame` in order and creates it, then shows it as `show` says (SW_HIDE: not
// at all); false when the frame cannot be created.
inline bool OpenWizardFrame(CWizardDialog& frame, const std::vector<WizardPageEntry>& pages,
                            int show = SW_SHOWNOACTIVATE) {
  for (const WizardPageEntry& entry : pages) frame.AddPage(entry.page, entry.name, entry.templateId);
  if (!frame.Create()) return false;
  if (show != SW_HIDE) frame.ShowWindow(show);
  return true;
}

class WizardPageFixture : public ::testing::Test {
 protected:
  explicit WizardPageFixture(bool administrator = true, HWND owner = nullptr)
      : owner(owner), frame{owner, administrator} {}

  // Adds the pages in order and creates the frame, shown without taking the activation when
  // `show`; the test fails when the frame cannot be created.
  void OpenFrame(const std::vector<WizardPageEntry>& pages, bool show = true) {
    ASSERT_TRUE(OpenWizardFrame(frame, pages, show ? SW_SHOWNOACTIVATE : SW_HIDE));
  }
  // The pages are members of the derived fixture and go first: the frame lets go of them while
  // they are still there.
  void TearDown() override { frame.DestroyWindow(); }

  void Next() { frame.SendMessage(WM_COMMAND, IDC_WIZARD_NEXT); }

  const HWND owner;  // the test's, which destroys it after the frame
  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  CWizardDialog frame;
};
