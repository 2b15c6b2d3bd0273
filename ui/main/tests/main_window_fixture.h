// A main window driven against the fake network door, with a settings file, a device list, an
// adapter table and a shell of the test's own; its modal boxes and dialogs are answered by the
// test (CModalAnswerer).
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/answer_records.h"
#include "settings/win/tests/temp_app_data.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/main/tamsel_dlg.h"
#include "ui/network/tests/support/fake_network_door.h"

struct FakeDevice {
  const char* name;
  const char* address;
  const char* mask = "255.255.255.0";
};

// The computer's one adapter in the tests: 192.0.2.5/24.
inline constexpr char kAdapterAddress[] = "192.0.2.5";
inline constexpr char kAdapterMask[] = "255.255.255.0";

// Where the main window asked the shell to open something.
struct ShellCall {
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
};

class MainWindowTest : public ::testing::Test {
 public:
  // What the window handed to the shell, in order.
  static std::vector<ShellCall> shellCalls;

 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window, which starts its search at once.
  void Open();
  // The search finds `devices`, in this order, through the adapter.
  void FinishSearch(const std::vector<FakeDevice>& devices);
  // Connect, with the login dialog filled in and confirmed (the login check starts).
  void ConnectAs(const std::wstring& userName, const std::wstring& password, bool remember = true);
  // The device accepts the login.
  void AcceptLogin();
  // The volume status answers with `volumes` (volume number, total and used bytes >> 20 are GB).
  void FinishVolumeStatus(const std::vector<VolumeInfoList>& volumes);
  // Search with one device at 192.0.2.10, then Connect as "admin" and the login accepted.
  void LogInAsAdministrator();
  void Deliver() const;

  bool Enabled(int id) const { return IsWindowEnabled(window.GetDlgItem(id)) != FALSE; }
  bool Visible(int id) const { return IsWindowVisible(window.GetDlgItem(id)) != FALSE; }
  std::wstring Text(int id) const;
  std::wstring Setting(const std::wstring& section, const std::wstring& key) const;
  std::vector<std::wstring> BoxTexts() const;

  TempAppData appData;
  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  CTamselDlg window;
};
