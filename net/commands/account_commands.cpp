// The account commands: the password change, the shares offered to the logged-in user and its
// access rights.
#include <algorithm>
#include <cstring>

#include "i18n/current_language.h"
#include "net/commands/answer_reading.h"
#include "net/commands/form_body.h"
#include "net/device_commands.h"

namespace {

std::optional<std::string_view> NewPasswordText(std::string_view password) {
  if (password.size() > kMaxNewPasswordSize) return std::nullopt;
  return password;
}

}  // namespace

std::optional<std::string> ChangePasswordBody(const LoginCredentialsRecord& login,
                                              std::string_view newPassword) {
  return FormBody("cgi_chg_user_pw")
      .Field("uname", login.userName)
      .Field("opw", login.password)
      .Text("pw", NewPasswordText(newPassword))
      .Finish();
}

AnswerReport ParseStatusAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::string_view newPassword, LoginCredentialsRecord& credentials) {
  XmlNavigator reader;
  LoadAnswer(reader, answer, codePage);
  if (NextChildText(reader, u"status") == u"1") {
    const std::size_t kept = std::min(newPassword.size(), sizeof credentials.password - 1);
    std::memset(credentials.password, 0, sizeof credentials.password);
    std::memcpy(credentials.password, newPassword.data(), kept);
  }
  return {};
}

std::optional<std::string> GetShareInfoBody(const LoginCredentialsRecord& login, int usbFlag) {
  return FormBody("cgi_get_share_info2")
      .Field("name", login.userName)
      .Number("usb", usbFlag)
      .Finish();
}

AnswerReport ParseShareAnswer(std::string_view answer, int opKind, ShareListRecord& shares) {
  XmlNavigator reader;
  if (!reader.SetDocument(DecodeShareText(answer))) return {};
  while (const auto name = NextChildText(reader, u"item"))
    shares.push_back({*name, Translate(u"select")});
  return opKind == kOpShareList ? AnswerReport::ThroughMailbox() : AnswerReport{};
}

std::optional<std::string> GetUserAccessBody(const LoginCredentialsRecord& login) {
  return FormBody("cgi_get_user_access").Field("name", login.userName).Finish();
}

AnswerReport ParseAccessAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::u16string& accessText) {
  accessText.clear();
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return {};
  accessText = NextChildText(reader, u"authority").value_or(u"");
  return AnswerReport::ThroughMailbox();
}
