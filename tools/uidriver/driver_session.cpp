#include "tools/uidriver/driver_session.h"

#include <algorithm>
#include <chrono>
#include <istream>
#include <ostream>
#include <thread>

#include "tools/uidriver/control_actions.h"
#include "tools/uidriver/process_figures.h"
#include "tools/uidriver/resource_names.h"
#include "tools/uidriver/script_words.h"
#include "tools/uidriver/target_windows.h"
#include "tools/uidriver/text_codec.h"
#include "tools/uidriver/window_capture.h"

namespace {
constexpr auto kPollPeriod = std::chrono::milliseconds(20);

// Asks `probe` until it gives a value that holds or the time is up; returns the last value.
template <typename Probe>
auto PollUntil(DWORD timeoutMs, Probe probe) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    auto value = probe();
    if (value || std::chrono::steady_clock::now() >= end) return value;
    std::this_thread::sleep_for(kPollPeriod);
  }
}

CDriverSession::Outcome Failed(std::string why) { return {std::nullopt, std::move(why)}; }
CDriverSession::Outcome Answered(std::string answer) { return {std::move(answer), {}}; }
CDriverSession::Outcome Done() { return {}; }

// An entry named by its index or its text.
std::optional<int> EntryIndex(const std::vector<std::wstring>& items, const std::string& word) {
  std::optional<int> index = ParseNumber(word);
  if (!index) {
    const auto found = std::find(items.begin(), items.end(), FromUtf8(word));
    if (found != items.end()) index = static_cast<int>(found - items.begin());
  }
  if (!index || *index < 0 || *index >= static_cast<int>(items.size())) return std::nullopt;
  return index;
}

std::string JoinLines(const std::vector<std::wstring>& lines, const char* separator) {
  std::string joined;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (index > 0) joined += separator;
    joined += ToUtf8(lines[index]);
  }
  return joined;
}

BOOL CALLBACK CollectChildText(HWND child, LPARAM texts) {
  std::wstring text = TextOf(child);
  if (!text.empty()) reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(std::move(text));
  return TRUE;
}

std::optional<int> MessageBoxButton(const std::string& name) {
  if (name == "OK") return IDOK;
  if (name == "CANCEL") return IDCANCEL;
  if (name == "YES") return IDYES;
  if (name == "NO") return IDNO;
  return std::nullopt;
}
}  // namespace

const std::vector<CDriverSession::Command>& CDriverSession::Commands() {
  static const std::vector<Command> commands{
      {"timeout", 2, &CDriverSession::SetTimeout},   {"window", 1, &CDriverSession::AwaitWindow},
      {"wait-gone", 1, &CDriverSession::AwaitGone},  {"click", 2, &CDriverSession::PressButton},
      {"pick", 3, &CDriverSession::Pick},            {"type", 3, &CDriverSession::Type},
      {"open-folder", 3, &CDriverSession::OpenFolder}, {"text", 2, &CDriverSession::ReadText},
      {"items", 2, &CDriverSession::ReadItems},      {"selected", 2, &CDriverSession::ReadSelected},
      {"texts", 2, &CDriverSession::ReadChildTexts}, {"enabled", 2, &CDriverSession::ReadEnabled},
      {"visible", 2, &CDriverSession::ReadVisible},  {"message", 1, &CDriverSession::ReadMessage},
      {"answer", 2, &CDriverSession::AnswerMessage}, {"screenshot", 2, &CDriverSession::Screenshot},
      {"figures", 1, &CDriverSession::ReadFigures},  {"await", 3, &CDriverSession::Await},
      {"sleep", 2, &CDriverSession::Sleep},          {"start", 2, &CDriverSession::StartProgram},
      {"painted", 1, &CDriverSession::ReadPainted},  {"clock", 1, &CDriverSession::ReadClock},
      {"count", 2, &CDriverSession::ReadCount},
      {"click-cell", 4, &CDriverSession::ClickListCell}, {"cell", 4, &CDriverSession::ReadCell},
      {"cell-choices", 2, &CDriverSession::ReadCellChoices}, {"choose-cell", 3, &CDriverSession::ChooseCell},
      {"type-address", 3, &CDriverSession::TypeAddressWords}, {"press-keys", 2, &CDriverSession::PressKeyWords},
      {"keys", 2, &CDriverSession::PressNamedKeyWords}, {"focused", 2, &CDriverSession::ReadFocused},
      {"foreground", 1, &CDriverSession::ReadForeground},
      {"click-row", 3, &CDriverSession::ClickRowWords}, {"selected-row", 2, &CDriverSession::ReadSelectedRow},
  };
  return commands;
}

bool CDriverSession::Run(std::istream& script, std::ostream& answers, std::ostream& errors) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    ScriptLine split = SplitScriptLine(line);
    Outcome outcome = split.error.empty() ? Execute(split.words) : Failed(split.error);
    if (!outcome.failure.empty()) {
      errors << "uidriver: line " << number << ": " << outcome.failure << std::endl;
      return false;
    }
    if (outcome.answer) answers << *outcome.answer << std::endl;
  }
  return true;
}

CDriverSession::Outcome CDriverSession::Execute(const Words& words) {
  if (words.empty()) return Done();
  const auto& commands = Commands();
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [&words](const Command& known) { return words[0] == known.name; });
  if (command == commands.end()) return Failed("unknown command " + words[0]);
  if (words.size() < command->minWords) return Failed(words[0] + ": too few arguments");
  return (this->*command->handler)(words);
}

HWND CDriverSession::Control(const std::string& word, std::string& failure) const {
  const auto id = ResolveId(word);
  if (!id) {
    failure = "unknown id " + word;
    return nullptr;
  }
  if (!window_) {
    failure = "no window yet (use window first)";
    return nullptr;
  }
  HWND control = FindControl(window_, *id);
  if (!control) failure = "no control " + word + " in the current window";
  return control;
}

HWND CDriverSession::AwaitMessageBox(std::string& failure) const {
  if (!processId_) {
    failure = "no window yet (use window first)";
    return nullptr;
  }
  HWND box = PollUntil(timeoutMs_, [this] { return FindMessageBox(processId_); });
  if (!box) failure = "no message box within " + std::to_string(timeoutMs_) + " ms";
  return box;
}

CDriverSession::Outcome CDriverSession::SetTimeout(const Words& words) {
  const auto ms = ParseNumber(words[1]);
  if (!ms || *ms < 0) return Failed("timeout: not a number of milliseconds: " + words[1]);
  timeoutMs_ = static_cast<DWORD>(*ms);
  return Done();
}

CDriverSession::Outcome CDriverSession::StartProgram(const Words& words) {
  std::wstring commandLine;
  for (std::size_t index = 1; index < words.size(); ++index) {
    const std::wstring word = FromUtf8(words[index]);
    if (index > 1) commandLine += L' ';
    commandLine += word.find(L' ') == std::wstring::npos ? word : L"\"" + word + L"\"";
  }
  began_ = std::chrono::steady_clock::now();
  const DWORD started = StartProcess(commandLine);
  if (!started) return Failed("cannot start " + words[1]);
  processId_ = started;
  window_ = nullptr;
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadPainted(const Words&) {
  if (!window_) return Failed("no window yet (use window first)");
  // Idle: the window thread has handled everything queued for it, its painting included.
  const bool painted = IsWindowVisible(window_) && IsProcessIdle(processId_) && ShowsAPicture(window_);
  return Answered(painted ? "yes" : "no");
}

CDriverSession::Outcome CDriverSession::ReadClock(const Words&) {
  const auto elapsed = std::chrono::steady_clock::now() - began_;
  return Answered(std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

CDriverSession::Outcome CDriverSession::AwaitWindow(const Words& words) {
  WindowQuery query;
  query.processId = processId_;
  for (std::size_t index = 1; index < words.size(); ++index) {
    const std::string& word = words[index];
    const auto equals = word.find('=');
    const std::string key = word.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : word.substr(equals + 1);
    if (key == "title") {
      query.title = FromUtf8(value);
    } else if (key == "class") {
      query.className = FromUtf8(value);
    } else if (key == "has") {
      const auto id = ResolveId(value);
      if (!id) return Failed("unknown id " + value);
      query.heldControl = *id;
    } else {
      return Failed("window: unknown property " + word);
    }
  }
  HWND found = PollUntil(timeoutMs_, [&query] { return FindTopLevelWindow(query); });
  if (!found) return Failed("no such window within " + std::to_string(timeoutMs_) + " ms");
  window_ = found;
  processId_ = ProcessOf(found);
  return Done();
}

CDriverSession::Outcome CDriverSession::AwaitGone(const Words&) {
  if (!window_) return Failed("no window yet (use window first)");
  if (!PollUntil(timeoutMs_, [this] { return !IsWindow(window_); }))
    return Failed("the window is still there after " + std::to_string(timeoutMs_) + " ms");
  return Done();
}

CDriverSession::Outcome CDriverSession::PressButton(const Words& words) {
  std::string failure;
  HWND button = Control(words[1], failure);
  if (!button) return Failed(failure);
  // A user cannot press what is disabled or hidden; a script that tries has found a fault.
  if (!IsWindowEnabled(button)) return Failed(words[1] + " is disabled");
  if (!IsWindowVisible(button)) return Failed(words[1] + " is hidden");
  Click(button);
  return Done();
}

CDriverSession::Outcome CDriverSession::Pick(const Words& words) {
  std::string failure;
  HWND combo = Control(words[1], failure);
  if (!combo) return Failed(failure);
  const std::optional<int> index = EntryIndex(ItemsOf(combo), words[2]);
  if (!index) return Failed("pick: no entry " + words[2] + " in " + words[1]);
  PickItem(combo, *index);
  return Done();
}

CDriverSession::Outcome CDriverSession::Type(const Words& words) {
  std::string failure;
  HWND edit = Control(words[1], failure);
  if (!edit) return Failed(failure);
  TypeText(edit, FromUtf8(words[2]));
  return Done();
}

CDriverSession::Outcome CDriverSession::TypeAddressWords(const Words& words) {
  std::string failure;
  HWND field = Control(words[1], failure);
  if (!field) return Failed(failure);
  const auto octets = ParseDottedAddress(words[2]);
  if (!octets) return Failed("type-address: not a dotted address: " + words[2]);
  if (!TypeAddress(field, *octets)) return Failed(words[1] + " has no address fields");
  return Done();
}

CDriverSession::Outcome CDriverSession::PressKeyWords(const Words& words) {
  if (!window_) return Failed("no window yet (use window first)");
  if (!PressKeys(window_, FromUtf8(words[1]), timeoutMs_))
    return Failed("press-keys: not letters and digits, or the window did not take them: " + words[1]);
  return Done();
}

CDriverSession::Outcome CDriverSession::PressNamedKeyWords(const Words& words) {
  if (!window_) return Failed("no window yet (use window first)");
  const Words keys(words.begin() + 1, words.end());
  if (!PressNamedKeys(window_, keys, timeoutMs_)) return Failed("keys: an unknown key, or the window did not take them");
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadFocused(const Words& words) {
  if (!window_) return Failed("no window yet (use window first)");
  const auto id = ResolveId(words[1]);
  if (!id) return Failed("focused: not an id: " + words[1]);
  HWND focus = FocusedControl(window_);
  return Answered(focus && GetDlgCtrlID(focus) == *id ? "yes" : "no");
}

CDriverSession::Outcome CDriverSession::ReadForeground(const Words&) {
  if (!window_) return Failed("no window yet (use window first)");
  return Answered(GetForegroundWindow() == window_ && !IsIconic(window_) ? "yes" : "no");
}

CDriverSession::Outcome CDriverSession::ClickRowWords(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  if (!list) return Failed(failure);
  const auto index = ParseNumber(words[2]);
  if (!index || !ClickRow(list, *index)) return Failed("click-row: no row " + words[2] + " to click in " + words[1]);
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadSelectedRow(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  return list ? Answered(std::to_string(SelectedRow(list))) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::OpenFolder(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  if (!list) return Failed(failure);
  const auto index = ParseNumber(words[2]);
  if (!index || *index < 0) return Failed("open-folder: not an index: " + words[2]);
  DoubleClickFolder(list, *index);
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadText(const Words& words) {
  std::string failure;
  HWND control = Control(words[1], failure);
  return control ? Answered(ToUtf8(TextOf(control))) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::ReadItems(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  return list ? Answered(JoinLines(ItemsOf(list), "\n")) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::ReadCount(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  return list ? Answered(std::to_string(ItemsOf(list).size())) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::ReadSelected(const Words& words) {
  std::string failure;
  HWND list = Control(words[1], failure);
  if (!list) return Failed(failure);
  const int selected = SelectionOf(list);
  const std::vector<std::wstring> items = ItemsOf(list);
  if (selected < 0 || selected >= static_cast<int>(items.size())) return Answered("");
  return Answered(ToUtf8(items[static_cast<std::size_t>(selected)]));
}

CDriverSession::Outcome CDriverSession::ReadChildTexts(const Words& words) {
  std::string failure;
  HWND control = Control(words[1], failure);
  if (!control) return Failed(failure);
  std::vector<std::wstring> texts;
  EnumChildWindows(control, CollectChildText, reinterpret_cast<LPARAM>(&texts));
  return Answered(JoinLines(texts, " | "));
}

template <typename Flag>
CDriverSession::Outcome CDriverSession::ReadFlags(const Words& words, Flag flag, char set) {
  std::string flags;
  for (std::size_t index = 1; index < words.size(); ++index) {
    std::string failure;
    HWND control = Control(words[index], failure);
    if (!control) return Failed(failure);
    flags += flag(control) ? set : '-';
  }
  return Answered(flags);
}

CDriverSession::Outcome CDriverSession::ReadEnabled(const Words& words) {
  return ReadFlags(words, [](HWND control) { return IsWindowEnabled(control) != FALSE; }, 'E');
}

CDriverSession::Outcome CDriverSession::ReadVisible(const Words& words) {
  return ReadFlags(words, [](HWND control) { return IsWindowVisible(control) != FALSE; }, 'V');
}

CDriverSession::Outcome CDriverSession::ReadMessage(const Words&) {
  std::string failure;
  HWND box = AwaitMessageBox(failure);
  return box ? Answered(ToUtf8(MessageBoxText(box))) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::AnswerMessage(const Words& words) {
  const auto button = MessageBoxButton(words[1]);
  if (!button) return Failed("answer: not OK, CANCEL, YES or NO: " + words[1]);
  std::string failure;
  HWND box = AwaitMessageBox(failure);
  if (!box) return Failed(failure);
  if (!PressMessageBoxButton(box, *button)) return Failed("the message box has no " + words[1] + " button");
  if (!PollUntil(timeoutMs_, [box] { return !IsWindow(box); }))
    return Failed("the message box stayed open after " + words[1]);
  return Done();
}

CDriverSession::Outcome CDriverSession::Screenshot(const Words& words) {
  if (!window_) return Failed("no window yet (use window first)");
  if (!SaveWindowPicture(window_, FromUtf8(words[1]))) return Failed("could not save " + words[1]);
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadFigures(const Words&) {
  if (!processId_) return Failed("no window yet (use window first)");
  const auto figures = ReadProcessFigures(processId_);
  if (!figures) return Failed("cannot read the process's figures");
  return Answered("private_kb=" + std::to_string(figures->privateBytes / 1024) +
                  " gdi=" + std::to_string(figures->gdiObjects) +
                  " user=" + std::to_string(figures->userObjects));
}

CDriverSession::Outcome CDriverSession::Await(const Words& words) {
  const std::string& expected = words[1];
  const Words query(words.begin() + 2, words.end());
  Outcome last;
  const bool met = PollUntil(timeoutMs_, [&] {
    last = Execute(query);
    return last.failure.empty() && last.answer && *last.answer == expected;
  });
  if (met) return Done();
  if (!last.failure.empty()) return last;
  return Failed("await: " + query[0] + " answered \"" + last.answer.value_or("") + "\", not \"" + expected +
                "\" within " + std::to_string(timeoutMs_) + " ms");
}

CDriverSession::Outcome CDriverSession::Sleep(const Words& words) {
  const auto ms = ParseNumber(words[1]);
  if (!ms || *ms < 0) return Failed("sleep: not a number of milliseconds: " + words[1]);
  ::Sleep(static_cast<DWORD>(*ms));
  return Done();
}

std::optional<CDriverSession::ListCell> CDriverSession::NamedCell(const Words& words, std::string& failure) const {
  HWND list = Control(words[1], failure);
  if (!list) return std::nullopt;
  const auto row = ParseNumber(words[2]);
  const auto column = ParseNumber(words[3]);
  if (!row || !column || *row < 0 || *column < 0) {
    failure = words[0] + ": not a cell: " + words[2] + " " + words[3];
    return std::nullopt;
  }
  return ListCell{list, *row, *column};
}

CDriverSession::Outcome CDriverSession::ClickListCell(const Words& words) {
  std::string failure;
  const auto cell = NamedCell(words, failure);
  if (!cell) return Failed(failure);
  ClickCell(cell->list, cell->row, cell->column);
  return Done();
}

CDriverSession::Outcome CDriverSession::ReadCell(const Words& words) {
  std::string failure;
  const auto cell = NamedCell(words, failure);
  return cell ? Answered(ToUtf8(CellText(cell->list, cell->row, cell->column))) : Failed(failure);
}

HWND CDriverSession::AwaitCellEditor(const std::string& word, std::string& failure) const {
  HWND list = Control(word, failure);
  if (!list) return nullptr;
  HWND editor = PollUntil(timeoutMs_, [list] { return CellEditor(list); });
  if (!editor) failure = "no cell editor open in " + word;
  return editor;
}

CDriverSession::Outcome CDriverSession::ReadCellChoices(const Words& words) {
  std::string failure;
  HWND editor = AwaitCellEditor(words[1], failure);
  return editor ? Answered(JoinLines(ItemsOf(editor), "\n")) : Failed(failure);
}

CDriverSession::Outcome CDriverSession::ChooseCell(const Words& words) {
  std::string failure;
  HWND editor = AwaitCellEditor(words[1], failure);
  if (!editor) return Failed(failure);
  const std::optional<int> index = EntryIndex(ItemsOf(editor), words[2]);
  if (!index) return Failed("choose-cell: no entry " + words[2] + " in the editor of " + words[1]);
  ChooseInCellEditor(editor, *index);
  return Done();
}
