// The driver against a window of its own making, run on a thread of its own as another program's
// would be: finding it, pressing, picking, typing, reading, answering a message box, opening a
// folder of a share list panel, taking its picture, and scripts that must fail.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "base/messages.h"
#include "skin/controls/folder_list_ctrl.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "res/resource.h"
#include "tools/uidriver/driver_session.h"
#include "tools/uidriver/resource_names.h"
#include "framework/gdi.h"

#include <commctrl.h>

namespace {
constexpr int kAskButton = 101;
constexpr int kDisabledButton = 102;
constexpr int kNameEdit = 103;
constexpr int kDeviceCombo = 104;
constexpr int kShareList = 105;
constexpr int kStatic = 106;
constexpr int kAddress = 107;
constexpr int kRows = 108;
constexpr int kRowCount = 40;
constexpr COLORREF kBackground = RGB(200, 30, 40);
constexpr wchar_t kTitle[] = L"Driver target";

// The target's thread records what its controls told it on its own time; a check waits up to two
// seconds for the record to reach the awaited value.
template <typename Value>
bool Eventually(const std::atomic<Value>& record, Value awaited) {
  for (int wait = 0; wait < 100 && record != awaited; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return record == awaited;
}

// A top-level window with one control of each kind the driver handles, and a record of what its
// controls told it.
class TargetWindow {
 public:
  TargetWindow() {
    thread_ = std::thread([this] { RunThread(); });
    while (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ~TargetWindow() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
  }

  std::atomic<int> boxAnswer{0};
  std::atomic<int> pickedIndex{-1};
  std::atomic<int> openedFolder{-1};
  std::atomic<int> clickedRow{-2};
  std::atomic<int> keysReleased{0};
  std::atomic<WPARAM> lastKeyReleased{0};

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) == kAskButton && HIWORD(wParam) == BN_CLICKED)
          self->boxAnswer = MessageBoxW(window, L"Open the share \"Music\"?", L"Drovik", MB_OKCANCEL);
        if (LOWORD(wParam) == kDeviceCombo && HIWORD(wParam) == CBN_SELCHANGE)
          self->pickedIndex = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0));
        return 0;
      case WM_FOLDER_OPEN:
        self->openedFolder = static_cast<int>(wParam);
        return 0;
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kRows && header->code == NM_CLICK)
          self->clickedRow = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
        return 0;
      }
      case WM_KEYUP:
        ++self->keysReleased;
        self->lastKeyReleased = wParam;
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, int id, RECT place) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  void RunThread() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush_.Get();
    windowClass.lpszClassName = L"UidriverTarget";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, kTitle, WS_POPUP | WS_VISIBLE, 40, 40, 620, 420,
                              nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Child(L"Button", L"Ask", BS_PUSHBUTTON, kAskButton, {10, 10, 110, 40});
    EnableWindow(Child(L"Button", L"Off", BS_PUSHBUTTON, kDisabledButton, {120, 10, 220, 40}), FALSE);
    Child(L"Edit", L"", ES_AUTOHSCROLL, kNameEdit, {10, 50, 210, 72});
    HWND combo = Child(L"ComboBox", L"", CBS_DROPDOWNLIST | CBS_HASSTRINGS, kDeviceCombo, {10, 80, 210, 200});
    for (const wchar_t* name : {L"NAS-ONE", L"ServName", L"出口"})
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    HWND folders = Child(CFolderListCtrl::kClassName, L"", 0, kShareList, {10, 200, 600, 400});
    for (const wchar_t* share : {L"Music", L"Photos", L"Backup", L"Public", L"Films", L"Books"})
      CFolderListCtrl::FromWindow(folders)->AddFolder(share);
    HWND panel = Child(L"Static", L"", 0, kStatic, {300, 10, 500, 40});
    for (const wchar_t* text : {L"Volume_1", L"", L"27%"})
      CreateWindowExW(0, L"Static", text, WS_CHILD | WS_VISIBLE, 0, 0, 100, 10, panel, nullptr, nullptr, nullptr);
    Child(CGdipIpAddrCtl::kClassName, L"", 0, kAddress, {300, 50, 500, 78});
    HWND rows = Child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL, kRows, {300, 80, 600, 190});
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 250;
    column.pszText = const_cast<wchar_t*>(L"Row");
    ListView_InsertColumn(rows, 0, &column);
    for (int index = 0; index < kRowCount; ++index) {
      std::wstring text = L"Row " + std::to_wstring(index);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = index;
      item.pszText = text.data();
      ListView_InsertItem(rows, &item);
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ready_ = true;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // The class holds this window's brush: the next target registers its own.
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
  }

  BrushHandle brush_{CreateSolidBrush(kBackground)};
  std::thread thread_;
  HWND window_ = nullptr;
  std::atomic<bool> ready_{false};
};

struct ScriptRun {
  bool ok;
  std::string answers;
  std::string errors;
};

ScriptRun RunScript(CDriverSession& session, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream answers, errors;
  const bool ok = session.Run(in, answers, errors);
  return {ok, answers.str(), errors.str()};
}

class Driver : public ::testing::Test {
 protected:
  ScriptRun Run(const std::string& script) { return RunScript(session, "window title=\"Driver target\"\n" + script); }

  TargetWindow target;
  CDriverSession session;
};
}  // namespace

TEST_F(Driver, FindsWindowsByTitleClassOrHeldControl) {
  EXPECT_TRUE(Run("window class=UidriverTarget has=105\n").ok);
  EXPECT_NE(session.CurrentWindow(), nullptr);
  ScriptRun missing = RunScript(session, "timeout 100\nwindow has=4242\n");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.errors, "uidriver: line 2: no such window within 100 ms\n");
}

TEST_F(Driver, PressesButtonsAndAnswersTheMessageBoxTheyOpen) {
  ScriptRun run = Run("click 101\nmessage\nanswer CANCEL\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_EQ(run.answers, "Open the share \"Music\"?\n");
  EXPECT_EQ(target.boxAnswer, IDCANCEL);

  run = Run("click 101\nanswer OK\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_EQ(target.boxAnswer, IDOK);

  // What a user cannot press, a script cannot either.
  run = Run("click 102\n");
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(run.errors, "uidriver: line 2: 102 is disabled\n");
  run = Run("timeout 100\nanswer OK\n");
  EXPECT_EQ(run.errors, "uidriver: line 3: no message box within 100 ms\n");
}

TEST_F(Driver, TypesReadsPicksAndReportsControlStates) {
  ScriptRun run = Run(
      "type 103 \"a&b #1\"\ntext 103\nitems 104\ncount 104\npick 104 ServName\nselected 104\n"
      "enabled 101 102 103\nvisible 101 102\ntexts 106\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_EQ(run.answers, "a&b #1\nNAS-ONE\nServName\n出口\n3\nServName\nE-E\nVV\nVolume_1 | 27%\n");
  EXPECT_EQ(target.pickedIndex, 1);

  run = Run("pick 104 2\nawait 出口 selected 104\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_EQ(target.pickedIndex, 2);

  run = Run("pick 104 NAS-TWO\n");
  EXPECT_EQ(run.errors, "uidriver: line 2: pick: no entry NAS-TWO in 104\n");
  run = Run("pick 104 3\n");
  EXPECT_EQ(run.errors, "uidriver: line 2: pick: no entry 3 in 104\n");
}

TEST_F(Driver, DoubleClickOnAFolderAsksTheParentToOpenIt) {
  ASSERT_TRUE(Run("open-folder 105 2\n").ok);
  EXPECT_TRUE(Eventually(target.openedFolder, 2)) << target.openedFolder;
  ASSERT_TRUE(Run("open-folder 105 0\n").ok);
  EXPECT_TRUE(Eventually(target.openedFolder, 0)) << target.openedFolder;
}

TEST_F(Driver, FillsTheFourFieldsOfAnAddressAndRefusesWhatIsNoAddress) {
  ASSERT_TRUE(Run("type-address 107 192.0.2.31\n").ok);
  HWND address = GetDlgItem(FindWindowW(L"UidriverTarget", nullptr), kAddress);
  std::wstring typed;
  for (int field = 1; field <= 4; ++field) {
    wchar_t text[8] = L"";
    GetWindowTextW(GetDlgItem(address, field), text, 8);
    typed += std::wstring(field > 1 ? L"." : L"") + text;
  }
  EXPECT_EQ(typed, L"192.0.2.31");
  EXPECT_EQ(Run("type-address 107 192.0.2.256\n").errors,
            "uidriver: line 2: type-address: not a dotted address: 192.0.2.256\n");
  // A control without the four fields is no address field.
  EXPECT_EQ(Run("type-address 103 192.0.2.31\n").errors, "uidriver: line 2: 103 has no address fields\n");
}

TEST_F(Driver, ClicksARowScrolledOutOfSightAndReadsTheSelection) {
  ScriptRun run = Run("selected-row 108\nclick-row 108 31\nawait 31 selected-row 108\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_EQ(run.answers, "-1\n");
  // The row is selected at the button's press and reported as clicked at its release.
  EXPECT_TRUE(Eventually(target.clickedRow, 31)) << target.clickedRow;
  EXPECT_EQ(Run("click-row 108 40\n").errors, "uidriver: line 2: click-row: no row 40 to click in 108\n");
}

// Real key presses: the input hooks of a program see these and not posted messages.
TEST_F(Driver, PressesKeysForTheWindowInFront) {
  ScriptRun run = Run("press-keys a7\n");
  ASSERT_TRUE(run.ok) << run.errors;
  EXPECT_TRUE(Eventually(target.keysReleased, 2)) << target.keysReleased;
  EXPECT_EQ(target.lastKeyReleased, WPARAM{'7'});
  EXPECT_FALSE(Run("press-keys \"a b\"\n").ok);
}

TEST_F(Driver, AwaitRepeatsAQueryUntilItsAnswerAndSaysWhatItLastSaw) {
  std::thread later([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    SetWindowTextW(GetDlgItem(FindWindowW(L"UidriverTarget", nullptr), kNameEdit), L"ready");
  });
  ScriptRun run = Run("type 103 waiting\nawait ready text 103\n");
  later.join();
  EXPECT_TRUE(run.ok) << run.errors;

  run = Run("timeout 60\nawait gone text 103\n");
  EXPECT_EQ(run.errors, "uidriver: line 3: await: text answered \"ready\", not \"gone\" within 60 ms\n");
}

TEST_F(Driver, ScriptsWithMistakesStopAtTheFirstOneAndNameItsLine) {
  ScriptRun run = Run("text 103\nfrobnicate 1\ntext 103\n");
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(run.answers, "\n");  // the third line never ran
  EXPECT_EQ(run.errors, "uidriver: line 3: unknown command frobnicate\n");
  EXPECT_EQ(Run("text IDC_NO_SUCH_NAME\n").errors, "uidriver: line 2: unknown id IDC_NO_SUCH_NAME\n");
  EXPECT_EQ(Run("text 999\n").errors, "uidriver: line 2: no control 999 in the current window\n");
  EXPECT_EQ(Run("type 103 \"open\n").errors, "uidriver: line 2: unterminated quote\n");
  EXPECT_EQ(Run("pick 104\n").errors, "uidriver: line 2: pick: too few arguments\n");
  CDriverSession fresh;
  EXPECT_EQ(RunScript(fresh, "click 101\n").errors, "uidriver: line 1: no window yet (use window first)\n");
}

TEST_F(Driver, PictureOfTheWindowIsABitmapOfItsSizeAndColours) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"uidriver_test.bmp";
  std::string script = "screenshot \"";
  for (wchar_t c : path) script += c == L'\\' ? '/' : static_cast<char>(c);
  ASSERT_TRUE(Run(script + "\"\n").ok);

  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  BITMAPFILEHEADER fileHeader{};
  BITMAPINFOHEADER header{};
  file.read(reinterpret_cast<char*>(&fileHeader), sizeof fileHeader);
  file.read(reinterpret_cast<char*>(&header), sizeof header);
  EXPECT_EQ(fileHeader.bfType, 0x4D42);
  EXPECT_EQ(header.biWidth, 620);
  EXPECT_EQ(header.biHeight, 420);
  // A pixel of the background, right of the label: rows are stored bottom-up, three bytes each.
  const int x = 560, y = 20;
  const std::size_t rowBytes = (620 * 3 + 3) & ~3u;
  file.seekg(static_cast<std::streamoff>(fileHeader.bfOffBits + (419 - y) * rowBytes + x * 3));
  unsigned char bgr[3] = {};
  file.read(reinterpret_cast<char*>(bgr), 3);
  EXPECT_EQ(RGB(bgr[2], bgr[1], bgr[0]), kBackground);
  file.close();
  DeleteFileW(path.c_str());
}

TEST_F(Driver, FiguresOfTheProcessCountItsWindowsAndMemory) {
  ScriptRun run = Run("figures\n");
  ASSERT_TRUE(run.ok) << run.errors;
  unsigned long kb = 0, gdi = 0, user = 0;
  ASSERT_EQ(std::sscanf(run.answers.c_str(), "private_kb=%lu gdi=%lu user=%lu", &kb, &gdi, &user), 3) << run.answers;
  EXPECT_GT(kb, 0u);
  EXPECT_GT(gdi, 0u);
  EXPECT_GE(user, 8u);  // the target and its seven controls at least
}

// Another program, as the driver is used: started by it, found, seen painted, closed.
TEST(DriverWithAnotherProgram, StartsItSeesItPaintedAndClosesIt) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string program;
  for (const wchar_t* c = self; *c; ++c) program += *c == L'\\' ? '/' : static_cast<char>(*c);
  program = program.substr(0, program.rfind('/') + 1) + "bare_dialog.exe";

  CDriverSession session;
  ScriptRun run = RunScript(session, "start " + program + "\nclock\nwindow has=1\nawait yes painted\nclock\n" +
                                         "figures\nclick 1\nwait-gone\n");
  ASSERT_TRUE(run.ok) << run.errors;
  unsigned long started = 0, painted = 0, kb = 0, gdi = 0, user = 0;
  ASSERT_EQ(std::sscanf(run.answers.c_str(), "%lu\n%lu\nprivate_kb=%lu gdi=%lu user=%lu", &started, &painted, &kb,
                        &gdi, &user), 5)
      << run.answers;
  EXPECT_LT(started, painted);
  EXPECT_GT(kb, 0u);
  EXPECT_GT(gdi, 0u);
  EXPECT_GE(user, 2u);  // the dialog and its button at least

  EXPECT_EQ(RunScript(session, "start Z:/no/such/program.exe\n").errors,
            "uidriver: line 1: cannot start Z:/no/such/program.exe\n");
}

TEST(DriverIds, NamesOfTheResourceHeaderAndNumbers) {
  EXPECT_EQ(ResolveId("IDC_CONNECT"), IDC_CONNECT);
  EXPECT_EQ(ResolveId("IDC_LOGIN_USER_NAME"), IDC_LOGIN_USER_NAME);
  EXPECT_EQ(ResolveId("IDD_MAIN"), IDD_MAIN);
  EXPECT_EQ(ResolveId("IDI_APP"), IDI_APP);
  EXPECT_EQ(ResolveId("1009"), 1009);
  EXPECT_EQ(ResolveId("0xFFFF"), 0xFFFF);
  EXPECT_EQ(ResolveId("IDC_NOT_IN_THE_HEADER"), std::nullopt);
  EXPECT_EQ(ResolveId(""), std::nullopt);
}
