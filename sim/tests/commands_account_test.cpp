// The password change, the share lists and the access rights, read by the program's parsers.
#include "sim/commands_account.h"

#include <cstdio>

#include "net/device_commands.h"
#include "sim/tests/sim_test_nas.h"

namespace {

LoginCredentialsRecord Login(const char* user, const char* password) {
  LoginCredentialsRecord login{};
  std::snprintf(login.userName, sizeof login.userName, "%s", user);
  std::snprintf(login.password, sizeof login.password, "%s", password);
  return login;
}

}  // namespace

TEST(AccountCommands, APasswordChangeNeedsTheOldPasswordAndThenAuthorises) {
  TestNas nas;
  ProgramRecords program;
  const auto change = [&](const char* user, const char* old, const char* fresh) {
    program.credentials = Login(user, old);
    program.newPassword = fresh;
    program.Read(1, nas.Exchange(1, ChangePasswordBody(program.credentials, fresh).value(),
                                 &nas.device.users[0].password));
    return std::string(program.credentials.password);
  };
  // Every character the form escapes arrives as it was.
  EXPECT_EQ(change("admin", "secret", "n3w&pw=+%"), "n3w&pw=+%");
  EXPECT_EQ(nas.device.users[0].password, "n3w&pw=+%");
  const std::string before = "secret";
  EXPECT_EQ(nas.Exchange(2, GetWizardInfoBody(), &before), "");  // 401 now

  // A wrong old password or an unknown user: status 0, nothing changes on either side.
  EXPECT_EQ(change("admin", "secret", "other"), "secret");
  EXPECT_EQ(change("carol", "pw", "other"), "pw");
  EXPECT_EQ(nas.device.users[0].password, "n3w&pw=+%");

  // Another user changes only their own.
  EXPECT_EQ(change("bob", "pw", "bob2"), "bob2");
  EXPECT_EQ(nas.device.users[1].password, "bob2");
  EXPECT_EQ(nas.device.users[0].password, "n3w&pw=+%");
}

TEST(AccountCommands, SharesPerUserWithTheUsbOnesOnlyWhenAskedFor) {
  TestNas nas;
  nas.device.shares = {{"admin", "Public", false},
                       {"bob", "Bob", false},
                       {"admin", "Fotos f\xC3\xBCr Oma", false},
                       {"admin", "Stick", true}};
  ProgramRecords program;
  program.credentials = Login("admin", "secret");
  const AnswerReport report =
      program.Read(8, nas.Exchange(8, GetShareInfoBody(program.credentials, 0).value()));
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kNothing);
  ASSERT_EQ(program.shares.size(), 2u);
  EXPECT_EQ(program.shares[0].name, u"Public");
  EXPECT_EQ(program.shares[1].name, u"Fotos f\u00FCr Oma");
  EXPECT_EQ(program.shares[1].label, u"select");

  program.shares.clear();
  const AnswerReport usb = program.Read(
      8, nas.Exchange(8, GetShareInfoBody(program.credentials, 1).value()), kOpShareList);
  EXPECT_EQ(usb.delivery, AnswerReport::Delivery::kMailbox);
  ASSERT_EQ(program.shares.size(), 3u);
  EXPECT_EQ(program.shares[2].name, u"Stick");

  program.shares.clear();
  program.Read(8, nas.Exchange(8, GetShareInfoBody(Login("bob", "pw"), 0).value()));
  ASSERT_EQ(program.shares.size(), 1u);
  EXPECT_EQ(program.shares[0].name, u"Bob");
  program.shares.clear();
  program.Read(8, nas.Exchange(8, GetShareInfoBody(Login("nobody", ""), 1).value()));
  EXPECT_TRUE(program.shares.empty());

  // A 4-byte UTF-8 character in one name: the program lists none of them and reports nothing.
  nas.device.shares.push_back({"admin", "\xF0\x9F\x98\x80music", false});
  const AnswerReport spoilt = program.Read(
      8, nas.Exchange(8, GetShareInfoBody(program.credentials, 1).value()), kOpShareList);
  EXPECT_EQ(spoilt.delivery, AnswerReport::Delivery::kNothing);
  EXPECT_TRUE(program.shares.empty());
}

TEST(AccountCommands, AccessFlagsOfEachUser) {
  TestNas nas;
  ProgramRecords program;
  const auto accessOf = [&](const char* user) {
    const AnswerReport report =
        program.Read(18, nas.Exchange(18, GetUserAccessBody(Login(user, "")).value()));
    EXPECT_EQ(report.delivery, AnswerReport::Delivery::kMailbox);
    return program.access;
  };
  EXPECT_EQ(accessOf("admin"), u"1111");
  EXPECT_EQ(accessOf("bob"), u"0100");
  EXPECT_EQ(accessOf("nobody"), u"");
}
