// The IP address field in a real dialog, driven by the characters and keys a user types: moving
// between fields, the 0-255 check, refused characters, Tab, Enter, Escape, pasting, and reading
// the address back with each kind of check.
#include <gtest/gtest.h>

#include "controls_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
class AddressField : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    SetFocus(dialog.GetDlgItem(kAddress));
    ASSERT_EQ(GetFocus(), Field(0));
  }

  HWND Field(int index, UINT control = kAddress) const {
    return GetDlgItem(dialog.GetDlgItem(static_cast<int>(control)), index + 1);
  }
  static std::wstring Text(HWND field) {
    wchar_t text[16] = {};
    GetWindowTextW(field, text, 16);
    return text;
  }
  // Each character goes to the window that has the focus, as typing does.
  static void Type(const std::wstring& characters) {
    for (wchar_t character : characters) SendMessageW(GetFocus(), WM_CHAR, character, 0);
  }
  static void Key(UINT key) { SendMessageW(GetFocus(), WM_KEYDOWN, key, 0); }
  void Fill(CGdipIpAddrCtl& control, const Octets& octets) { control.SetAddress(octets); }

  RecordedAlerts alerts;
  CControlsTestDialog dialog;
};
}  // namespace

TEST_F(AddressField, ThreeDigitsMoveOnToTheNextField) {
  Type(L"192");
  EXPECT_EQ(Text(Field(0)), L"192");
  EXPECT_EQ(GetFocus(), Field(1));
  Type(L"16");
  EXPECT_EQ(GetFocus(), Field(1));  // two digits stay
  EXPECT_TRUE(RecordedAlerts::Boxes().empty());
}

TEST_F(AddressField, AValueAbove255IsRefusedAndTheFieldEmptied) {
  Type(L"300");
  ASSERT_EQ(RecordedAlerts::Boxes().size(), 1u);
  EXPECT_EQ(RecordedAlerts::Boxes()[0],
            L"300 is not a valid entry.  Please specify a value between 0 and 255 for this field.");
  EXPECT_EQ(Text(Field(0)), L"");
  EXPECT_EQ(GetFocus(), Field(0));
}

TEST_F(AddressField, WithoutTheRangeCheckStyleA300IsKeptWhileTypingButRefusedWhenRead) {
  SetFocus(dialog.GetDlgItem(kLooseAddress));
  Type(L"300.1.1.1");
  EXPECT_TRUE(RecordedAlerts::Boxes().empty());
  EXPECT_EQ(Text(Field(0, kLooseAddress)), L"300");
  Octets octets{9, 9, 9, 9};
  EXPECT_EQ(dialog.LooseAddress().GetAddress(octets, AddressKind::kAny), 0);
  EXPECT_EQ(octets, (Octets{0, 0, 0, 0}));
  ASSERT_EQ(RecordedAlerts::Boxes().size(), 1u);
  EXPECT_EQ(RecordedAlerts::Boxes()[0],
            L"300 is not a valid entry.  Please specify a value between 0 and 255 for this field.");
  EXPECT_EQ(GetFocus(), Field(0, kLooseAddress));
}

TEST_F(AddressField, DotsFillTheFourFieldsInTurn) {
  Type(L"10.0.0.1");
  for (int index = 0; index < 3; ++index) EXPECT_EQ(Text(Field(index)), index == 0 ? L"10" : L"0");
  EXPECT_EQ(Text(Field(3)), L"1");
  Octets octets{};
  EXPECT_EQ(dialog.Address().GetAddress(octets, AddressKind::kIp), 4);
  EXPECT_EQ(octets, (Octets{10, 0, 0, 1}));
  DWORD value = 0;
  EXPECT_EQ(dialog.Address().GetAddressValue(value, AddressKind::kIp), 4);
  EXPECT_EQ(value, 0x0A000001u);
  // A space moves on as a dot does; a dot in the last field goes nowhere.
  dialog.Address().ClearAddress();
  SetFocus(dialog.GetDlgItem(kAddress));
  Type(L"1 2 3 4.5");
  EXPECT_EQ(Text(Field(3)), L"45");
}

TEST_F(AddressField, ADotAfterThreeDigitsDoesNotSkipAField) {
  Type(L"192.168.100.20");
  EXPECT_EQ(Text(Field(0)), L"192");
  EXPECT_EQ(Text(Field(1)), L"168");
  EXPECT_EQ(Text(Field(2)), L"100");
  EXPECT_EQ(Text(Field(3)), L"20");
}

TEST_F(AddressField, LettersBeepAndAreDropped) {
  Type(L"1a2-3");
  EXPECT_EQ(Text(Field(0)), L"123");
  EXPECT_EQ(RecordedAlerts::Beeps(), 2);
  // Backspace still edits.
  SetFocus(Field(0));
  SendMessageW(Field(0), EM_SETSEL, 3, 3);
  Type(L"\b");
  EXPECT_EQ(Text(Field(0)), L"12");
}

TEST_F(AddressField, PastedTextIsTypedUnderTheSameRules) {
  ASSERT_TRUE(OpenClipboard(dialog.GetSafeHwnd()));
  EmptyClipboard();
  const wchar_t pasted[] = L"10.0.x.300\r\n";
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(pasted));
  memcpy(GlobalLock(block), pasted, sizeof(pasted));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  SendMessageW(GetFocus(), WM_PASTE, 0, 0);
  EXPECT_EQ(Text(Field(0)), L"10");
  EXPECT_EQ(Text(Field(1)), L"0");
  EXPECT_EQ(RecordedAlerts::Beeps(), 1);          // the x
  ASSERT_EQ(RecordedAlerts::Boxes().size(), 1u);  // the 300, refused as if typed
  EXPECT_EQ(Text(Field(2)), L"");
  EXPECT_EQ(GetFocus(), Field(2));
}

TEST_F(AddressField, ArrowsCrossFieldsOnlyAtTheirEdges) {
  Type(L"12.34");
  ASSERT_EQ(GetFocus(), Field(1));
  Key(VK_LEFT);  // the caret is after "34"
  EXPECT_EQ(GetFocus(), Field(1));
  SendMessageW(Field(1), EM_SETSEL, 0, 0);
  Key(VK_LEFT);
  EXPECT_EQ(GetFocus(), Field(0));
  DWORD start = 0, end = 0;
  SendMessageW(Field(0), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);  // at the end of "12"
  Key(VK_RIGHT);
  EXPECT_EQ(GetFocus(), Field(1));
  SendMessageW(Field(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);  // not selected
}

TEST_F(AddressField, TabEnterAndEscapeReachTheDialog) {
  Type(L"\t");
  EXPECT_EQ(GetFocus(), Field(0, kLooseAddress));  // the next tab stop takes the focus to its first field
  Type(L"\r");
  EXPECT_EQ(dialog.Commands(IDOK), 1);  // the dialog's OK: dialogs have no other default button
  Key(VK_ESCAPE);
  EXPECT_EQ(dialog.Commands(IDCANCEL), 1);
  EXPECT_TRUE(IsWindow(dialog.GetDlgItem(kLooseAddress)));
}

TEST_F(AddressField, AMissingFieldStopsTheReading) {
  Fill(dialog.Address(), {192, 168, 1, 1});
  SetWindowTextW(Field(2), L"");
  Octets octets{};
  EXPECT_EQ(dialog.Address().GetAddress(octets, AddressKind::kIp), 2);
  EXPECT_EQ(octets, (Octets{0, 0, 0, 0}));
  ASSERT_EQ(RecordedAlerts::Boxes().size(), 1u);
  EXPECT_EQ(RecordedAlerts::Boxes()[0], L"Missing value in address");
  dialog.Address().ClearAddress();
  EXPECT_TRUE(dialog.Address().IsBlank());
  EXPECT_EQ(dialog.Address().GetAddress(octets, AddressKind::kAny), 0);
}

TEST_F(AddressField, EachKindAcceptsAndRefusesWithItsMessage) {
  struct Case {
    Octets address;
    AddressKind kind;
    const wchar_t* message;  // null: accepted
  } cases[] = {
      {{192, 168, 1, 20}, AddressKind::kIp, nullptr},
      {{0, 1, 2, 3}, AddressKind::kIp,
       L"0 is not a valid entry in IP.  Please specify a value between 1 and 223 for this field."},
      {{224, 0, 0, 1}, AddressKind::kIp,
       L"224 is not a valid entry in IP.  Please specify a value between 1 and 223 for this field."},
      {{10, 0, 0, 0}, AddressKind::kIp,
       L"0 is not a valid entry in IP.  Please specify a value between 1 and 254 for this field."},
      {{10, 0, 0, 255}, AddressKind::kGateway,
       L"255 is not a valid entry in GateWay IP.  Please specify a value between 1 and 254 for this field."},
      {{230, 0, 0, 1}, AddressKind::kDns,
       L"230 is not a valid entry in DNS.  Please specify a value between 1 and 223 for this field."},
      {{255, 255, 255, 0}, AddressKind::kSubnetMask, nullptr},
      {{255, 255, 254, 0}, AddressKind::kSubnetMask, nullptr},
      {{0, 0, 0, 0}, AddressKind::kSubnetMask, nullptr},
      {{255, 255, 255, 255}, AddressKind::kSubnetMask, nullptr},
      {{255, 0, 255, 0}, AddressKind::kSubnetMask, L"Please enter a valid address in SubnetMask."},
      {{0, 255, 255, 255}, AddressKind::kSubnetMask, L"Please enter a valid address in SubnetMask."},
      {{0, 0, 0, 0}, AddressKind::kAny, nullptr},
  };
  for (const Case& entry : cases) {
    RecordedAlerts::Boxes().clear();
    Fill(dialog.Address(), entry.address);
    Octets octets{};
    int result = dialog.Address().GetAddress(octets, entry.kind);
    if (entry.message) {
      EXPECT_EQ(result, 0);
      EXPECT_EQ(octets, (Octets{0, 0, 0, 0}));
      ASSERT_EQ(RecordedAlerts::Boxes().size(), 1u);
      EXPECT_EQ(RecordedAlerts::Boxes()[0], entry.message);
    } else {
      EXPECT_EQ(result, 4);
      EXPECT_EQ(octets, entry.address);
      EXPECT_TRUE(RecordedAlerts::Boxes().empty());
    }
  }
}

TEST_F(AddressField, DisablingReachesTheFieldsAndTheFocusGoesToTheFirstField) {
  Fill(dialog.Address(), {1, 2, 3, 4});
  EXPECT_EQ(Text(Field(3)), L"4");
  EXPECT_FALSE(dialog.Address().IsBlank());
  dialog.Address().EnableControl(false);
  for (int index = 0; index < 4; ++index) EXPECT_FALSE(IsWindowEnabled(Field(index)));
  EXPECT_FALSE(IsWindowEnabled(dialog.GetDlgItem(kAddress)));
  dialog.Address().EnableControl(true);
  EXPECT_TRUE(IsWindowEnabled(Field(2)));
  SetFocus(dialog.GetDlgItem(kEdit));
  SetFocus(dialog.GetDlgItem(kAddress));
  EXPECT_EQ(GetFocus(), Field(0));
  DWORD start = 0, end = 0;
  SendMessageW(Field(0), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 1u);  // "1" selected
}

TEST(AddressFieldClass, IsRegisteredAtStartUpWithItsStyles) {
  WNDCLASSW info{};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"SkinIPAddress", &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS));
  EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_IBEAM));
  for (const wchar_t* name : {L"FolderListWnd", L"VolumeInfoWnd"}) EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), name, &info));
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"FolderListWnd", &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS));
}
