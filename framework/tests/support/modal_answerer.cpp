#include "framework/tests/support/modal_answerer.h"

#include <chrono>

namespace {
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr auto kPollInterval = std::chrono::milliseconds(10);

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

bool IsDialogWindow(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  return std::wstring(className) == L"#32770";
}
}  // namespace

CModalAnswerer::CModalAnswerer() : thread_(GetCurrentThreadId()), watcher_([this] { Watch(); }) {}

CModalAnswerer::~CModalAnswerer() {
  stop_ = true;
  watcher_.join();
  for (std::thread& script : runningScripts_) script.join();
}

void CModalAnswerer::QueueButtons(std::initializer_list<int> buttons) {
  std::lock_guard<std::mutex> guard(lock_);
  buttons_.insert(buttons_.end(), buttons);
}

void CModalAnswerer::OnDialog(int controlId, std::function<void(HWND dialog)> script) {
  std::lock_guard<std::mutex> guard(lock_);
  scripts_.emplace_back(controlId, std::move(script));
}

std::vector<AnsweredBox> CModalAnswerer::Boxes() const {
  std::lock_guard<std::mutex> guard(lock_);
  return boxes_;
}

bool CModalAnswerer::WaitForBoxes(size_t count, std::chrono::milliseconds timeout) const {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (Boxes().size() >= count) return true;
    std::this_thread::sleep_for(kPollInterval);
  }
  return false;
}

void CModalAnswerer::ForgetBoxes() {
  std::lock_guard<std::mutex> guard(lock_);
  boxes_.clear();
}

void CModalAnswerer::Watch() {
  while (!stop_) {
    EnumThreadWindows(
        thread_,
        [](HWND window, LPARAM self) {
          reinterpret_cast<CModalAnswerer*>(self)->Visit(window);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    std::this_thread::sleep_for(kPollInterval);
  }
}

void CModalAnswerer::Visit(HWND window) {
  if (!IsWindowVisible(window) || !IsDialogWindow(window)) return;
  std::unique_lock<std::mutex> guard(lock_);
  // A window handle may come again for a later window once the first is gone.
  for (auto it = handled_.begin(); it != handled_.end();) it = IsWindow(*it) ? std::next(it) : handled_.erase(it);
  if (handled_.count(window)) return;

  if (HWND text = GetDlgItem(window, kMessageBoxTextId)) {
    int answer = IDOK;
    if (!buttons_.empty()) {
      answer = buttons_.front();
      buttons_.pop_front();
    }
    handled_.insert(window);
    guard.unlock();
    AnsweredBox box{TextOf(window), TextOf(text), answer, GetWindow(window, GW_OWNER)};
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, answer)));
    guard.lock();
    boxes_.push_back(box);
    return;
  }
  for (auto script = scripts_.begin(); script != scripts_.end(); ++script) {
    if (!GetDlgItem(window, script->first)) continue;
    runningScripts_.emplace_back(script->second, window);
    scripts_.erase(script);
    handled_.insert(window);
    return;
  }
}

void SetControlText(HWND dialog, int id, const std::wstring& text) {
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetControlCheck(HWND dialog, int id, bool checked) {
  SendMessageW(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ClickControl(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
