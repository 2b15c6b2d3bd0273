#include "rules/drive_mapping_rules.h"

#include <algorithm>

namespace {
constexpr std::u16string_view kMounted = u"Mount sucess.";
constexpr std::u16string_view kMountFailed = u"Mount error.";
constexpr std::u16string_view kRemapped = u"Mount sucess";
constexpr std::u16string_view kRemapFailed = u"Mount error";
constexpr std::u16string_view kUnmounted = u"umount sucess.";
constexpr std::u16string_view kUnmountFailed = u"umount error.";

char16_t UpperLetter(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool AddConnection(IDriveConnections& connections, const ShareEntry& share, std::u16string_view newLabel,
                   std::u16string_view deviceAddress, const DriveUser& user) {
  if (newLabel.size() > kLocalNameLimit) return false;
  return connections.Add(newLabel, RemoteNameFor(deviceAddress, share.name), user.name, user.password);
}
}  // namespace

std::u16string LetterText(char16_t letter) { return {letter, u':'}; }

void DriveTable::Scan(IDriveConnections& connections) {
  for (int index = 0; index < kDriveLetterCount; ++index) Record(index, connections.RemoteNameOf(LetterText(LetterAt(index))));
}

void DriveTable::Record(int index, const std::optional<std::u16string>& remoteName) {
  DriveEntry& entry = entries_.at(static_cast<std::size_t>(index));
  if (!remoteName) {
    entry.server.clear();
    entry.letter.clear();
    return;
  }
  const std::u16string_view name = *remoteName;
  if (name.size() < 2) return;
  const std::size_t separator = name.find(u'\\', 2);
  if (separator == std::u16string_view::npos) return;
  const std::u16string_view server = name.substr(2, separator - 2);
  const std::u16string_view share = name.substr(separator + 1);
  if (server.size() > kDriveServerLimit || share.size() > kDriveShareLimit) {
    entry = DriveEntry{};
    return;
  }
  entry = DriveEntry{std::u16string(server), std::u16string(share), LetterText(LetterAt(index))};
}

void DriveTable::LabelShares(std::u16string_view deviceAddress, ShareListRecord& shares) const {
  for (ShareEntry& share : shares) {
    const auto mapped = std::find_if(entries_.begin(), entries_.end(), [&](const DriveEntry& entry) {
      return !entry.letter.empty() && entry.server == deviceAddress && entry.share == share.name;
    });
    if (mapped != entries_.end()) share.label = mapped->letter;
  }
}

std::optional<char16_t> RowLetter(std::u16string_view label, std::u16string_view selectText) {
  if (label == selectText || label.empty()) return std::nullopt;
  return UpperLetter(label.front());
}

std::vector<std::u16string> LocationChoices(std::u16string_view usedDrives, const ShareListRecord& rows, int row,
                                            std::u16string_view selectText) {
  std::array<bool, kDriveLetterCount> taken{};
  const auto take = [&](char16_t letter) {
    letter = UpperLetter(letter);
    if (letter >= u'A' && letter <= u'Z') taken[static_cast<std::size_t>(u'Z' - letter)] = true;
  };
  for (const char16_t letter : usedDrives) take(letter);
  for (std::size_t other = 0; other < rows.size(); ++other) {
    if (static_cast<int>(other) == row) continue;
    if (const auto letter = RowLetter(rows[other].label, selectText)) take(*letter);
  }
  if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) {
    if (const auto own = RowLetter(rows[static_cast<std::size_t>(row)].label, selectText)) {
      const char16_t letter = UpperLetter(*own);
      if (letter >= u'A' && letter <= u'Z') taken[static_cast<std::size_t>(u'Z' - letter)] = false;
    }
  }
  std::vector<std::u16string> choices{std::u16string(selectText)};
  for (int index = 0; index < kDriveLetterCount; ++index) {
    if (!taken[static_cast<std::size_t>(index)]) choices.push_back(LetterText(DriveTable::LetterAt(index)));
  }
  return choices;
}

std::u16string RemoteNameFor(std::u16string_view deviceAddress, std::u16string_view share) {
  std::u16string name = u"\\\\";
  name.append(deviceAddress).append(u"\\").append(share);
  return name;
}

LocationChange ChangeFor(std::u16string_view oldLabel, std::u16string_view newLabel, std::u16string_view selectText) {
  if (newLabel == oldLabel) return LocationChange::kNothing;
  if (newLabel == selectText) return LocationChange::kUnmount;
  return oldLabel == selectText ? LocationChange::kMount : LocationChange::kRemap;
}

LocationOutcome ChangeLocation(IDriveConnections& connections, ShareEntry& share, std::u16string_view newLabel,
                               std::u16string_view deviceAddress, const DriveUser& user,
                               std::u16string_view selectText) {
  switch (ChangeFor(share.label, newLabel, selectText)) {
    case LocationChange::kNothing:
      return {{}, false};
    case LocationChange::kMount:
      if (!AddConnection(connections, share, newLabel, deviceAddress, user)) return {kMountFailed, false};
      share.label = newLabel;
      return {kMounted, true};
    case LocationChange::kRemap:
      if (!connections.Cancel(share.label)) return {kRemapFailed, false};
      share.label = selectText;
      if (!AddConnection(connections, share, newLabel, deviceAddress, user)) return {kRemapFailed, false};
      share.label = newLabel;
      return {kRemapped, true};
    case LocationChange::kUnmount:
      if (!connections.Cancel(share.label)) return {kUnmountFailed, false};
      share.label = selectText;
      return {kUnmounted, true};
  }
  return {{}, false};
}
