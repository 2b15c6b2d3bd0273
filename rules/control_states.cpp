#include "rules/control_states.h"

#include <algorithm>

namespace {
constexpr bool E = true;
constexpr bool _ = false;

// Rows of the login states 0-3, columns as kStateControls.
constexpr ControlStates kStateTable[] = {
    {_, _, _, _, _, _, _, _, _, _, _, _, _, _, _, _, _},
    {_, _, _, _, _, _, _, _, _, _, _, _, E, E, _, _, E},
    {E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E},
    {E, E, E, E, _, _, _, _, _, E, E, _, E, E, E, E, E},
};

// The access text's position of each web shortcut.
struct AccessPosition {
  int control;
  size_t position;
};
constexpr AccessPosition kAccessPositions[] = {
    {IDC_SHORTCUT_DOWNLOAD_CENTER, 2},   {IDC_SHORTCUT_FILE_CENTER, 4},
    {IDC_SHORTCUT_BACKUP_CENTER, 6},     {IDC_SHORTCUT_MANAGEMENT_CENTER, 8},
    {IDC_SHORTCUT_SURVEILLANCE_CENTER, 10},
};

size_t ColumnOf(int control) {
  return static_cast<size_t>(std::find(kStateControls.begin(), kStateControls.end(), control) - kStateControls.begin());
}
}  // namespace

ControlStates StateControls(int state) {
  if (state < kLoggedOut || state > kUserWithoutAccessList) return kStateTable[kSearching];
  return kStateTable[state];
}

ControlStates AccessControls(std::u16string_view accessText) {
  if (accessText.empty()) return StateControls(kUserWithoutAccessList);
  ControlStates states = StateControls(kAdministrator);
  for (const AccessPosition& access : kAccessPositions) {
    states[ColumnOf(access.control)] = access.position < accessText.size() && accessText[access.position] != u'0';
  }
  return states;
}
