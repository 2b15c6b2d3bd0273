// Which controls of the main window a login state leaves usable, as pure tables.
#pragma once
#include <array>
#include <string_view>

#include "res/resource.h"

// The controls the login state switches, in the order of the tables below.
inline constexpr std::array<int, 17> kStateControls = {
    IDC_SELECT_SHORTCUT,         IDC_AUTO_SORTING,         IDC_SHORTCUT_WIZARD,
    IDC_SHORTCUT_FOLDER,         IDC_SHORTCUT_PLAY_CENTER, IDC_SHORTCUT_FILE_CENTER,
    IDC_SHORTCUT_MANAGEMENT_CENTER, IDC_SHORTCUT_DOWNLOAD_CENTER, IDC_SHORTCUT_BACKUP_CENTER,
    IDC_MAIN_NETWORK,            IDC_MAIN_DRIVE_MAPPING,   IDC_SHORTCUT_SURVEILLANCE_CENTER,
    IDC_CONNECT,                 IDC_REFRESH,              IDC_LOGOUT,
    IDC_SETTINGS,                IDC_DEVICE_LIST,
};
using ControlStates = std::array<bool, kStateControls.size()>;

enum LoginState : int {
  kSearching = 0,
  kLoggedOut = 1,
  kAdministrator = 2,
  kUserWithoutAccessList = 3,
};

// The enabled flags of `state`; any value but 1, 2 and 3 disables everything, as a search does.
ControlStates StateControls(int state);

// A user's controls from the device's access text: the characters at 2, 4, 6, 8 and 10 enable
// Download, File, Backup, Management and Surveillance Center unless they are "0"; a position past
// the end of a short text grants nothing. Everything else a user may use is enabled. An empty text
// is the state without an access list.
ControlStates AccessControls(std::u16string_view accessText);
