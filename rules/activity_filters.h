// Which input counts as the user being active. The inactivity watch's hooks see every key and
// mouse message of the window thread; only deliberate input restarts the logout timer, so that a
// mouse resting on the window or a modifier key held down does not keep an idle login alive.
#pragma once
#include <cstdint>

// A keyboard hook notification: `virtualKey` as the hook's wParam, `keyState` as its lParam.
// Counts only once the key was already down (bit 30: auto-repeat or release), for Enter, Space
// and the keys from 0x2F up to 0x100 (digits, letters, numeric pad, function keys).
bool KeyReportsActivity(std::uintptr_t virtualKey, std::intptr_t keyState);

// A mouse hook notification of window message `message`: the end of a left click, or a left
// press or release on a window's frame.
bool MouseMessageReportsActivity(std::uintptr_t message);
