// Whether the user's last input that reached the program's windows was a key (through the dialog
// manager) rather than a click: a window opened from the keyboard shows its keyboard cues at once.
#pragma once

bool LastInputWasKeyboard();
