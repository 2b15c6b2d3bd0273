// The rules of mapping the device's shares to drive letters, apart from the system calls: which
// letter holds which share of which server, the label each share shows, the letters a row may
// choose, and the steps of a mapping change with the message each outcome gives.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/answer_records.h"

// The computer's network drive connections, as the mapping needs them. The program's own is the
// system's (network_drives.h); tests put a recording one in its place.
class IDriveConnections {
 public:
  virtual ~IDriveConnections() = default;
  // The remote name ("\\server\share") connected to `letterText` ("Z:"); nothing when none.
  virtual std::optional<std::u16string> RemoteNameOf(std::u16string_view letterText) = 0;
  // Connects `letterText` to `remoteName` with the user's name and password, kept in the user's
  // profile; true on success.
  virtual bool Add(std::u16string_view letterText, std::u16string_view remoteName, std::u16string_view user,
                   std::u16string_view password) = 0;
  // Removes the connection of `letterText` from the computer and the profile, even with files open.
  virtual bool Cancel(std::u16string_view letterText) = 0;
  // The first characters of the computer's drive roots ("CDZ" for C:\, D:\ and Z:\).
  virtual std::u16string UsedDriveLetters() = 0;
};

inline constexpr int kDriveLetterCount = 26;
// The longest server and share texts a drive entry holds; a longer remote name is not a share of a
// device (whose address is at most 15 characters and whose share names fit a path).
inline constexpr std::size_t kDriveServerLimit = 48;
inline constexpr std::size_t kDriveShareLimit = 254;
// A connection's local name is a drive letter text, never longer than this.
inline constexpr std::size_t kLocalNameLimit = 8;

// "Z:" for 'Z'.
std::u16string LetterText(char16_t letter);

// What one drive letter is connected to; empty server and letter when nothing (of note).
struct DriveEntry {
  std::u16string server;
  std::u16string share;
  std::u16string letter;  // "Z:"
};

// The 26 drive letters from Z: down to A:, each with its current network connection.
class DriveTable {
 public:
  static char16_t LetterAt(int index) { return static_cast<char16_t>(u'Z' - index); }

  // Reads every letter's connection afresh, Z: first.
  void Scan(IDriveConnections& connections);
  // Records what `index` is connected to: nothing empties the entry's server and letter; a remote
  // name "\\server\share" is split into server and share; a name without a backslash after its
  // first two characters leaves the entry as it was; one whose server or share is longer than the
  // entry holds is not a device's share and empties the entry.
  void Record(int index, const std::optional<std::u16string>& remoteName);
  // Gives each share connected from `deviceAddress` the letter of the first entry (from Z: down)
  // holding it, compared exactly; the other shares keep their labels.
  void LabelShares(std::u16string_view deviceAddress, ShareListRecord& shares) const;

  const DriveEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

 private:
  std::array<DriveEntry, kDriveLetterCount> entries_;
};

// The letter a row's label names, or nothing when it is the prompt `selectText`.
std::optional<char16_t> RowLetter(std::u16string_view label, std::u16string_view selectText);

// The choices for row `row`'s location: the prompt first, then the free letters from Z: down as
// "X:". Taken are the letters of `usedDrives` and the letters of the other rows; the row's own
// letter stays offered.
std::vector<std::u16string> LocationChoices(std::u16string_view usedDrives, const ShareListRecord& rows, int row,
                                            std::u16string_view selectText);

// "\\address\share".
std::u16string RemoteNameFor(std::u16string_view deviceAddress, std::u16string_view share);

// What choosing `newLabel` in a row whose label is `oldLabel` does.
enum class LocationChange {
  kNothing,  // the same label again
  kMount,    // a letter for a share that had none
  kRemap,    // another letter for a share that had one: the old mapping goes first
  kUnmount,  // the prompt for a share that had a letter
};
LocationChange ChangeFor(std::u16string_view oldLabel, std::u16string_view newLabel, std::u16string_view selectText);

// The user whose name and password a mapping uses.
struct DriveUser {
  std::u16string name;
  std::u16string password;
};

// The outcome of a location change: the English message to show (empty: none) and whether the
// change was made.
struct LocationOutcome {
  std::u16string_view message;
  bool succeeded = false;
};

// Makes the change from `share`'s label to `newLabel` on `connections` and updates the label as
// it goes: a removed old mapping leaves "select" (`selectText`) even when the new one then fails.
LocationOutcome ChangeLocation(IDriveConnections& connections, ShareEntry& share, std::u16string_view newLabel,
                               std::u16string_view deviceAddress, const DriveUser& user,
                               std::u16string_view selectText);
