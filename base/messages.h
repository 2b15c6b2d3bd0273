// The program's own window messages: the one table of their numbers. Below every module: the
// network layer posts them, the windows and the skinned controls receive them.
// Results of network operations (2024-2034) and the skinned controls' protocol (31024-31029).
// There is deliberately no 2028.
#pragma once

enum ProgramMessage : unsigned {
  WM_QUERY_RESULT = 2024,    // worker -> main window; lParam = low 32 bits of a mailbox id
  WM_CGI_DONE = 2025,        // OpKind 3 exchange ended; wParam 0 ok / 1 failed, lParam CmdIndex
  WM_USER_ACTIVITY = 2026,   // input hooks -> main window (sent): restart the inactivity timer
  WM_SETIP_DONE = 2027,      // set-IP worker; wParam 0 answered / 1 no answer, lParam OpKind (4)
  WM_DISK_INFO = 2029,       // wParam = DiskInfoResult* owned by the receiver, lParam CmdIndex (9)
  WM_DISK_STEP_DONE = 2030,  // wParam step result, lParam CmdIndex (10, 13, 14, 15)
  WM_VOLUME_CREATED = 2031,  // wParam answer value, lParam CmdIndex (11)
  WM_FORMAT_STATE = 2032,    // wParam 0 error / 1 running / 2 finished, lParam percent
  WM_SUBNET_CHANGED = 2033,  // wizard -> main window: device left the local subnet
  WM_SEARCH_ENTRY = 2034,    // search worker while it listens: wParam = SearchEntry* owned by the
                             // receiver, lParam = the search's request token
  WM_GROUP_UNCHECK = 31024,  // radio button -> the other buttons of its group
  WM_LIST_SCROLLED = 31025,  // skinned list -> parent: position may have changed
  WM_DRAW_PARENT_BG = 31026, // skinned control -> parent (sent): wParam HDC, lParam asking HWND
  WM_CELL_CHOICES = 31027,   // skinned list -> owner (sent): wParam row, lParam string list to fill
  WM_CELL_EDITED = 31028,    // skinned list -> parent: wParam row, lParam column
  WM_FOLDER_OPEN = 31029,    // folder list -> parent: wParam item index
};
