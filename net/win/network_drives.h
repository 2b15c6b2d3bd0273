// The computer's network drive connections through the system's network provider functions, with
// the flags the mapping needs: mappings are kept in the user's profile, and a removal goes through
// even with files open on the drive.
#pragma once
#include "rules/drive_mapping_rules.h"

class CSystemDriveConnections : public IDriveConnections {
 public:
  std::optional<std::u16string> RemoteNameOf(std::u16string_view letterText) override;
  bool Add(std::u16string_view letterText, std::u16string_view remoteName, std::u16string_view user,
           std::u16string_view password) override;
  bool Cancel(std::u16string_view letterText) override;
  std::u16string UsedDriveLetters() override;
};

// The logged-in user (LoginCredentials), whose name and password a mapping uses.
DriveUser LoggedInDriveUser();

// The connections the page and drovikctl use: the system's unless a test replaced them.
IDriveConnections& DriveConnections();
// Replaces the connections (not owned); nullptr brings the system's back.
void SetDriveConnections(IDriveConnections* connections);
