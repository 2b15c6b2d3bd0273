// Answers the modal windows that a test's action opens on the test's own thread. While the
// action's modal loop runs, a watcher thread finds them: a message box (a "#32770" window with the
// text static 0xFFFF) is read and answered with the next queued button (OK when none is queued);
// a dialog of the program, known by one of its controls, is handed to the test's script, which
// runs on a thread of its own (so it may wait for the boxes its clicks bring up).
//
//   CModalAnswerer answerer;
//   answerer.QueueButtons({IDCANCEL});
//   window.SendMessage(WM_COMMAND, IDC_CONNECT);   // returns once the box is answered
//   EXPECT_EQ(answerer.Boxes().at(0).text, L"Select NAS");
#pragma once
#include <windows.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct AnsweredBox {
  std::wstring caption;
  std::wstring text;
  int answer;
  HWND owner = nullptr;  // the window the box belongs to (none: a box of no window)
};

class CModalAnswerer {
 public:
  // Watches the windows of the calling thread.
  CModalAnswerer();
  ~CModalAnswerer();
  CModalAnswerer(const CModalAnswerer&) = delete;
  CModalAnswerer& operator=(const CModalAnswerer&) = delete;

  // The buttons for the next message boxes, in order.
  void QueueButtons(std::initializer_list<int> buttons);
  // Once for the next dialog that appears with control `controlId`: `script` runs with the
  // dialog's window (post clicks to it; sent ones would wait for the dialog's own boxes). The
  // script must end the dialog.
  void OnDialog(int controlId, std::function<void(HWND dialog)> script);
  std::vector<AnsweredBox> Boxes() const;
  // Waits until `count` boxes have been answered; false after `timeout`.
  bool WaitForBoxes(size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;
  void ForgetBoxes();

 private:
  void Watch();
  void Visit(HWND window);

  const DWORD thread_;
  mutable std::mutex lock_;
  std::deque<int> buttons_;
  std::vector<std::pair<int, std::function<void(HWND)>>> scripts_;
  std::vector<AnsweredBox> boxes_;
  std::set<HWND> handled_;
  std::vector<std::thread> runningScripts_;
  std::atomic<bool> stop_{false};
  std::thread watcher_;
};

// Script helpers for a dialog on another thread: the text of control `id`, a click on it.
void SetControlText(HWND dialog, int id, const std::wstring& text);
void SetControlCheck(HWND dialog, int id, bool checked);
void ClickControl(HWND dialog, int id);
