// The login dialog run modally, filled in from a script: what it shows at start, what it accepts,
// what it refuses before any network work, Cancel, its look, and 200 runs without a leak.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "skin/skin_button.h"
#include "ui/dialogs/login_dialog.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"

namespace {
std::wstring TextOf(HWND dialog, int id) {
  wchar_t text[256] = {};
  GetWindowTextW(GetDlgItem(dialog, id), text, 256);
  return text;
}

bool Checked(HWND dialog, int id) { return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// What the dialog showed when it opened.
struct Shown {
  std::wstring userName, password;
  bool remembered = false;
  bool passwordHidden = false;
  bool changeGroupHidden = false;
  RECT window{};
};

class LoginDialog : public ::testing::Test {
 protected:
  // Runs the dialog; `script` fills it in and ends it.
  INT_PTR Run(std::function<void(HWND)> script) {
    answerer.OnDialog(IDC_LOGIN_REMEMBER, std::move(script));
    return dialog.DoModal();
  }
  std::vector<std::wstring> Boxes() const {
    std::vector<std::wstring> texts;
    for (const AnsweredBox& box : answerer.Boxes()) texts.push_back(box.caption + L": " + box.text);
    return texts;
  }
  // Fills in and presses OK.
  static std::function<void(HWND)> Confirm(std::wstring userName, std::wstring password, bool remember) {
    return [=](HWND window) {
      SetControlText(window, IDC_LOGIN_USER_NAME, userName);
      SetControlText(window, IDC_LOGIN_PASSWORD, password);
      SetControlCheck(window, IDC_LOGIN_REMEMBER, remember);
      ClickControl(window, IDC_LOGIN_OK);
    };
  }
  // Fills in, presses OK, waits for the refusal, then cancels.
  std::function<void(HWND)> RefusedThenCancelled(std::wstring userName, std::wstring password) {
    return [=, this](HWND window) {
      SetControlText(window, IDC_LOGIN_USER_NAME, userName);
      SetControlText(window, IDC_LOGIN_PASSWORD, password);
      ClickControl(window, IDC_LOGIN_OK);
      stayedOpen = answerer.WaitForBoxes(1) && IsWindow(window);
      ClickControl(window, IDC_LOGIN_CANCEL);
    };
  }

  CModalAnswerer answerer;
  CLoginDialog dialog{nullptr};
  bool stayedOpen = false;
};
}  // namespace

TEST_F(LoginDialog, RememberedValuesAreShownWithTheBoxTickedAndThePasswordHidden) {
  dialog.SetValues(L"alice", L"secret", true);
  Shown shown;
  Run([&shown](HWND window) {
    shown.userName = TextOf(window, IDC_LOGIN_USER_NAME);
    shown.password = TextOf(window, IDC_LOGIN_PASSWORD);
    shown.remembered = Checked(window, IDC_LOGIN_REMEMBER);
    shown.passwordHidden = (GetWindowLongW(GetDlgItem(window, IDC_LOGIN_PASSWORD), GWL_STYLE) & ES_PASSWORD) != 0;
    shown.changeGroupHidden = !IsWindowVisible(GetDlgItem(window, IDC_LOGIN_MODIFY_PASSWORD)) &&
                              !IsWindowVisible(GetDlgItem(window, IDC_LOGIN_NEW_PASSWORD));
    GetWindowRect(window, &shown.window);
    ClickControl(window, IDC_LOGIN_CANCEL);
  });
  EXPECT_EQ(shown.userName, L"alice");
  EXPECT_EQ(shown.password, L"secret");
  EXPECT_TRUE(shown.remembered);
  EXPECT_TRUE(shown.passwordHidden);
  EXPECT_TRUE(shown.changeGroupHidden);
  EXPECT_EQ(shown.window.right - shown.window.left, 605);
  EXPECT_EQ(shown.window.bottom - shown.window.top, 397);
}

TEST_F(LoginDialog, ButtonsShowTheirCaptionsAndTipsAndModifyPasswordOnlyItsImage) {
  struct Look {
    std::wstring caption, tip;
    bool drawsText = true;
    bool operator==(const Look&) const = default;
  };
  std::vector<Look> looks;
  Run([&looks](HWND window) {
    for (int id : {IDC_LOGIN_REMEMBER, IDC_LOGIN_OK, IDC_LOGIN_CANCEL, IDC_LOGIN_MODIFY_PASSWORD}) {
      const auto* button = dynamic_cast<const CSkinButton*>(CWnd::FromHandle(GetDlgItem(window, id)));
      if (!button) continue;
      looks.push_back({TextOf(window, id), button->ToolTipText(), button->DrawsText()});
    }
    ClickControl(window, IDC_LOGIN_CANCEL);
  });
  ASSERT_EQ(looks.size(), 4u);
  const std::vector<Look> expected = {{L"Remember Me", L"Remember Me", true},
                                      {L"OK", L"OK", true},
                                      {L"Cancel", L"Cancel", true},
                                      {looks[3].caption, L"Modify Password", false}};  // its caption is not drawn
  EXPECT_TRUE(looks == expected);
}

TEST_F(LoginDialog, WithoutRememberedValuesTheFieldsAreEmptyAndTheBoxUnticked) {
  Shown shown;
  Run([&shown](HWND window) {
    shown.userName = TextOf(window, IDC_LOGIN_USER_NAME);
    shown.remembered = Checked(window, IDC_LOGIN_REMEMBER);
    ClickControl(window, IDC_LOGIN_CANCEL);
  });
  EXPECT_EQ(shown.userName, L"");
  EXPECT_FALSE(shown.remembered);
}

TEST_F(LoginDialog, OkReturnsTheThreeValues) {
  EXPECT_EQ(Run(Confirm(L"  ", L"", true)), IDOK);  // spaces are a name; the password may be empty
  EXPECT_EQ(dialog.UserName(), L"  ");
  EXPECT_EQ(dialog.Password(), L"");
  EXPECT_TRUE(dialog.Remember());

  dialog.SetValues(L"alice", L"old", true);
  EXPECT_EQ(Run(Confirm(L"bob", L"fifteen-bytes-1", false)), IDOK);
  EXPECT_EQ(dialog.UserName(), L"bob");
  EXPECT_EQ(dialog.Password(), L"fifteen-bytes-1");
  EXPECT_FALSE(dialog.Remember());
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(LoginDialog, AnEmptyUserNameIsRefusedAndTheDialogStaysOpen) {
  dialog.SetValues(L"alice", L"old", true);
  EXPECT_EQ(Run(RefusedThenCancelled(L"", L"pw")), IDCANCEL);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Error: User name couldn't be empty."});
  // Cancel keeps what the caller set.
  EXPECT_EQ(dialog.UserName(), L"alice");
  EXPECT_EQ(dialog.Password(), L"old");
  EXPECT_TRUE(dialog.Remember());
}

TEST_F(LoginDialog, AUserNameOverFifteenBytesIsRefused) {
  EXPECT_EQ(Run(RefusedThenCancelled(L"sixteen-bytes-12", L"pw")), IDCANCEL);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Error");
  EXPECT_NE(answerer.Boxes()[0].text.find(L"user name is too long"), std::wstring::npos);
}

TEST_F(LoginDialog, APasswordOverFifteenBytesIsRefused) {
  EXPECT_EQ(Run(RefusedThenCancelled(L"admin", L"sixteen-bytes-12")), IDCANCEL);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_NE(answerer.Boxes()[0].text.find(L"password is too long"), std::wstring::npos);
}

TEST(LoginDialogLeaks, TwoHundredRunsLeaveTheObjectCountsWhereTheyBegan) {
  // A pointer resting over the dialog would bring up tooltips whose objects come and go on their
  // own time.
  SetCursorPos(0, 0);
  CModalAnswerer answerer;
  auto runOnce = [&answerer] {
    CLoginDialog dialog(nullptr);
    dialog.SetValues(L"alice", L"secret", true);
    answerer.OnDialog(IDC_LOGIN_REMEMBER, [](HWND window) { ClickControl(window, IDC_LOGIN_CANCEL); });
    dialog.DoModal();
  };
  for (int round = 0; round < 3; ++round) runOnce();
  PumpMessages(std::chrono::milliseconds(50));
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 200; ++round) runOnce();
  PumpMessages(std::chrono::milliseconds(50));
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}
