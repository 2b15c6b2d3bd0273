// drovik.exe: the program's entry.
#include <windows.h>

#include "app/tamsel_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return theApp.Run(); }
