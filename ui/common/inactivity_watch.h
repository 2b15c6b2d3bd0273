// The inactivity watch of a login: timer 1 of the main window, restarted by every reported input,
// logs the user out when it fires. The watch is armed at an accepted login and taken down by
// Logout.
#pragma once
#include <windows.h>

#include <cstdint>

// The main window's timer that ends an idle login.
inline constexpr UINT_PTR kInactivityTimer = 1;

// Milliseconds without input before the logout; 0 = the user logs out by hand (no timer).
extern std::uint32_t InactivityTimeout;
// The settings dialog or wizard frame while one is open (the timeout closes it), else null.
extern HWND OpenDialogWindow;

// Arms the watch for `mainWindow`: input reporting, and timer 1 unless InactivityTimeout is 0.
void StartInactivityWatch(HWND mainWindow);
// Takes the watch down: no input reporting, no timer.
void StopInactivityWatch();
// Starts timer 1 afresh with the current InactivityTimeout (none when it is 0), for the window
// being watched; nothing while no watch is armed.
void RestartInactivityTimer();
