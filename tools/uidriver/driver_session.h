// The driver's interpreter: runs a script against the windows of another process, one command a
// line, printing the answer of each query on a line of its own. The commands:
//
//   timeout MS                        how long the waiting commands below wait (10000 at first)
//   start PROGRAM [ARGS...]           start a program; its windows are the only ones looked at
//   window [title=T] [class=C] [has=ID]   wait for a visible top-level window; it becomes the
//                                     current window (later windows: of its process only)
//   wait-gone                         wait until the current window no longer exists
//   click ID                          press a button (refused when disabled or hidden)
//   pick ID N | pick ID TEXT          select a combo entry by index or text, telling the parent
//   type ID TEXT                      set an edit's text
//   type-address ID A.B.C.D           fill the four fields of a skinned IP address field
//   press-keys TEXT                   bring the current window to the front and type letters or
//                                     digits with real key presses (input hooks see them)
//   keys KEY...                       bring the current window (or the dialog it waits on) to the
//                                     front and press named keys: TAB ENTER ESCAPE SPACE UP DOWN
//                                     LEFT RIGHT HOME END F4, each may follow SHIFT+ or ALT+
//   focused ID        -> yes when control ID of the current window's thread has the keyboard focus
//   foreground        -> yes when the current window is the foreground window and not minimised
//   click-row ID N                    scroll row N of a report-view list into view and click it
//   open-folder ID N                  double-click folder N of a share list panel
//   click-cell ID ROW COLUMN          press and release the left button on a cell of a report list
//   cell ID ROW COLUMN -> the cell's text
//   cell-choices ID   -> the entries of the list's open cell editor, one a line (waits for it)
//   choose-cell ID N | choose-cell ID TEXT   choose that entry in the open cell editor (Enter)
//   text ID           -> the text     items ID  -> the entries, one a line
//   count ID          -> the number of entries
//   selected ID       -> the selected entry's text
//   selected-row ID   -> the index of a report-view list's first selected row, or -1
//   texts ID          -> the texts of the control's children that have one, joined by " | "
//   enabled ID...     -> E or - for each     visible ID...  -> V or - for each
//   message           -> the text of the process's message box (waits for one)
//   answer OK|CANCEL|YES|NO           press that button of the message box and wait until it goes
//   screenshot PATH                   save the current window as a BMP file
//   figures           -> private KB, GDI and USER objects of the current window's process
//   painted           -> yes when the current window is on the screen with its picture drawn: its
//                        process has gone idle (everything queued handled, painting included)
//                        and its pixels are not all of one colour; else no
//   clock             -> milliseconds since the session began (or since start)
//   await EXPECTED QUERY...           repeat the query until it answers EXPECTED
//   sleep MS
//
// IDs are numbers or names of the program's resource header.
#pragma once
#include <windows.h>

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class CDriverSession {
 public:
  using Words = std::vector<std::string>;

  // What one command did: the answer of a query (printed), or why it failed.
  struct Outcome {
    std::optional<std::string> answer;
    std::string failure;
  };

  // Runs every line of `script` until the end or the first failure, which goes to `errors` with its
  // line number; true when every command succeeded.
  bool Run(std::istream& script, std::ostream& answers, std::ostream& errors);
  Outcome Execute(const Words& words);

  HWND CurrentWindow() const { return window_; }

 private:
  using Handler = Outcome (CDriverSession::*)(const Words& words);
  struct Command {
    const char* name;
    std::size_t minWords;  // the command's own name included
    Handler handler;
  };
  static const std::vector<Command>& Commands();

  Outcome SetTimeout(const Words& words);
  Outcome StartProgram(const Words& words);
  Outcome ReadPainted(const Words& words);
  Outcome ReadClock(const Words& words);
  Outcome AwaitWindow(const Words& words);
  Outcome AwaitGone(const Words& words);
  Outcome PressButton(const Words& words);
  Outcome Pick(const Words& words);
  Outcome Type(const Words& words);
  Outcome TypeAddressWords(const Words& words);
  Outcome PressKeyWords(const Words& words);
  Outcome PressNamedKeyWords(const Words& words);
  Outcome ReadFocused(const Words& words);
  Outcome ReadForeground(const Words& words);
  Outcome ClickRowWords(const Words& words);
  Outcome ReadSelectedRow(const Words& words);
  Outcome OpenFolder(const Words& words);
  Outcome ClickListCell(const Words& words);
  Outcome ReadCell(const Words& words);
  Outcome ReadCellChoices(const Words& words);
  Outcome ChooseCell(const Words& words);
  // The report list cell of a "NAME ID ROW COLUMN" command; nothing with `failure` set.
  struct ListCell {
    HWND list;
    int row;
    int column;
  };
  std::optional<ListCell> NamedCell(const Words& words, std::string& failure) const;
  // Waits up to the timeout for the cell editor of the list named by `word`.
  HWND AwaitCellEditor(const std::string& word, std::string& failure) const;
  Outcome ReadText(const Words& words);
  Outcome ReadItems(const Words& words);
  Outcome ReadCount(const Words& words);
  Outcome ReadSelected(const Words& words);
  Outcome ReadChildTexts(const Words& words);
  Outcome ReadEnabled(const Words& words);
  Outcome ReadVisible(const Words& words);
  Outcome ReadMessage(const Words& words);
  Outcome AnswerMessage(const Words& words);
  Outcome Screenshot(const Words& words);
  Outcome ReadFigures(const Words& words);
  Outcome Await(const Words& words);
  Outcome Sleep(const Words& words);

  // The control named by `word` in the current window; null with `failure` set when there is none.
  HWND Control(const std::string& word, std::string& failure) const;
  // Waits up to the timeout for the process's message box.
  HWND AwaitMessageBox(std::string& failure) const;
  template <typename Flag>
  Outcome ReadFlags(const Words& words, Flag flag, char set);

  HWND window_ = nullptr;
  DWORD processId_ = 0;
  DWORD timeoutMs_ = 10000;
  std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
};
