// Drive connections for tests: a map of letters to remote names that Add and Cancel change, every
// call written down, and switches that make either call fail.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "rules/drive_mapping_rules.h"

class RecordedDriveConnections : public IDriveConnections {
 public:
  std::optional<std::u16string> RemoteNameOf(std::u16string_view letterText) override {
    const auto found = remote.find(std::u16string(letterText));
    if (found == remote.end()) return std::nullopt;
    return found->second;
  }
  bool Add(std::u16string_view letterText, std::u16string_view remoteName, std::u16string_view user,
           std::u16string_view password) override {
    calls.push_back(u"add " + std::u16string(letterText) + u" " + std::u16string(remoteName) + u" " +
                    std::u16string(user) + u"/" + std::u16string(password));
    if (!addSucceeds) return false;
    remote[std::u16string(letterText)] = remoteName;
    return true;
  }
  bool Cancel(std::u16string_view letterText) override {
    calls.push_back(u"cancel " + std::u16string(letterText));
    if (!cancelSucceeds) return false;
    remote.erase(std::u16string(letterText));
    return true;
  }
  std::u16string UsedDriveLetters() override { return localDrives; }

  std::map<std::u16string, std::u16string> remote;  // "Y:" -> "\\server\share"
  std::u16string localDrives = u"C";
  std::vector<std::u16string> calls;
  bool addSucceeds = true;
  bool cancelSucceeds = true;
};
