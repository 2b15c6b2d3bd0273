// drovikctl commands over the computer's network drives: the device's shares with the letters they
// are mapped to, mapping one to a letter and removing a mapping. They follow the drive mapping
// page: the same letters are free, the same connections made, the same messages given.
#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "base/win/ansi_text.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/nas_device.h"
#include "net/device_commands.h"
#include "rules/drive_mapping_rules.h"
#include "net/win/network_drives.h"

namespace {

std::u16string SelectText() { return ToU16(Tr(L"select")); }

// The logged-in device's shares, labelled with the letters they are mapped to on this computer.
class MappedShares {
 public:
  // Logs in, reads the user's shares and the computer's connections; false after a message.
  bool Read(const DeviceLogin& login) {
    const auto device = LogIn(window_, login);
    if (!device) return false;
    address_ = ToU16(FromAnsi(device->address));
    ShareList().clear();
    const int token = LaunchQuery(window_.Handle(), [&](CQuery& q) { return q.GetShareInfo(*device, 0); });
    if (!WaitForCgiDone(window_, token, kGetShareInfo)) return false;
    DriveTable drives;
    drives.Scan(DriveConnections());
    drives.LabelShares(address_, ShareList());
    return true;
  }

  // The row of the share called `name`, or of the share mapped to `letterText`; -1 when none.
  int RowNamed(std::u16string_view name) const { return Find([&](const ShareEntry& s) { return s.name == name; }); }
  int RowMappedTo(std::u16string_view letterText) const {
    return Find([&](const ShareEntry& s) { return s.label == letterText; });
  }

  // Changes row `row` to `newLabel` as the page does; prints the message, 0 when it succeeded.
  int Change(int row, std::u16string_view newLabel) {
    const LocationOutcome outcome = ChangeLocation(DriveConnections(), ShareList().at(static_cast<size_t>(row)),
                                                   newLabel, address_, LoggedInDriveUser(), SelectText());
    if (outcome.message.empty()) return 0;
    const std::wstring message = Tr(ToWide(outcome.message).c_str());
    if (!outcome.succeeded) {
      PrintError(message);
      return 1;
    }
    PrintLine(ToUtf8(message));
    return 0;
  }

 private:
  template <class Matches>
  int Find(Matches matches) const {
    const ShareListRecord& shares = ShareList();
    for (size_t row = 0; row < shares.size(); ++row)
      if (matches(shares[row])) return static_cast<int>(row);
    return -1;
  }

  ResultWindow window_;
  std::u16string address_;
};

// "Y", "y" or "Y:" as "Y:"; nothing for anything else.
std::optional<std::u16string> LetterArgument(const std::wstring& text) {
  if (text.empty() || text.size() > 2 || (text.size() == 2 && text[1] != L':')) return std::nullopt;
  const wchar_t letter = static_cast<wchar_t>(std::towupper(text[0]));
  if (letter < L'A' || letter > L'Z') return std::nullopt;
  return LetterText(static_cast<char16_t>(letter));
}

int Usage(const wchar_t* command) {
  PrintError(std::wstring(L"usage: drovikctl ") + command + L" --device NAME --user U --password P");
  return 2;
}

// Splits `count` positional values off the login options; nothing when the shape is wrong.
std::optional<DeviceLogin> PositionalAndLogin(const Arguments& args, std::size_t count, Arguments& values) {
  Arguments options;
  if (!SplitPositional(args, count, values, options) || !OnlyLoginOptions(options)) return std::nullopt;
  return LoginOptions(options);
}

// A command's `count` positional values, the last of them a drive letter, then the login options.
struct LetterRequest {
  Arguments values;
  std::u16string letter;
  DeviceLogin login;
};

std::optional<LetterRequest> ReadLetterRequest(const Arguments& args, std::size_t count) {
  LetterRequest request;
  const auto login = PositionalAndLogin(args, count, request.values);
  const auto letter = login ? LetterArgument(request.values.back()) : std::nullopt;
  if (!letter) return std::nullopt;
  request.letter = *letter;
  request.login = *login;
  return request;
}

}  // namespace

int RunMappingsCommand(const Arguments& args) {
  const auto login = OnlyLoginOptions(args) ? LoginOptions(args) : std::nullopt;
  if (!login) return Usage(L"mappings");
  MappedShares shares;
  if (!shares.Read(*login)) return 1;
  const std::u16string select = SelectText();
  std::vector<Record> mappings;
  for (const ShareEntry& share : ShareList()) {
    const std::u16string letter = share.label == select ? u"" : share.label;
    mappings.push_back({TextField("share", share.name), TextField("letter", letter)});
  }
  PrintRecords(mappings);
  return 0;
}

int RunMapCommand(const Arguments& args) {
  const auto request = ReadLetterRequest(args, 2);
  if (!request) return Usage(L"map SHARE LETTER");
  MappedShares shares;
  if (!shares.Read(request->login)) return 1;
  const std::wstring& name = request->values[0];
  const std::u16string& letter = request->letter;
  const int row = shares.RowNamed(ToU16(name));
  if (row < 0) {
    PrintError(L"the device has no share " + name + L" for this user");
    return 1;
  }
  const auto free = LocationChoices(DriveConnections().UsedDriveLetters(), ShareList(), row, SelectText());
  if (std::find(free.begin(), free.end(), letter) == free.end()) {
    PrintError(ToWide(letter) + L" is in use");
    return 1;
  }
  return shares.Change(row, letter);
}

int RunUnmapCommand(const Arguments& args) {
  const auto request = ReadLetterRequest(args, 1);
  if (!request) return Usage(L"unmap LETTER");
  MappedShares shares;
  if (!shares.Read(request->login)) return 1;
  const int row = shares.RowMappedTo(request->letter);
  if (row < 0) {
    PrintError(ToWide(request->letter) + L" holds no share of this device");
    return 1;
  }
  return shares.Change(row, SelectText());
}
