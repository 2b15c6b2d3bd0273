#include "tools/gallery/button_sections.h"

#include "res/resource.h"
#include "skin/bottom_icon_button.h"
#include "skin/gdip_button.h"
#include "skin/icon_radio_button.h"
#include "skin/process_button.h"
#include "skin/shortcut_button.h"
#include "skin/underline_button.h"

namespace {
// The looks a button can be put in without a mouse.
enum class Look { kNormal, kHover, kPressed, kDisabled };

void Apply(CSkinButton& button, Look look) {
  switch (look) {
    case Look::kNormal:
      break;
    case Look::kHover:
      button.SendMessage(WM_MOUSEHOVER);
      break;
    case Look::kPressed:
      button.SendMessage(BM_SETSTATE, TRUE);
      break;
    case Look::kDisabled:
      button.EnableWindow(false);
      break;
  }
}

constexpr Look kLooks[] = {Look::kNormal, Look::kHover, Look::kPressed, Look::kDisabled};
constexpr const wchar_t* kLookNames[] = {L"normal", L"hover", L"pressed", L"disabled"};

RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

// The title-bar buttons of the header: each kind in its four looks.
void TitleButtons(CGalleryDialog& gallery) {
  const struct {
    UINT normal, hover, pressed;
  } kinds[] = {{IDB_LOGOUT_NORMAL, IDB_LOGOUT_HOVER, IDB_LOGOUT_PRESSED},
               {IDB_SETTINGS_NORMAL, IDB_SETTINGS_HOVER, IDB_SETTINGS_PRESSED},
               {IDB_HELP_NORMAL, IDB_HELP_HOVER, IDB_HELP_PRESSED},
               {IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED},
               {IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED},
               {IDB_MODIFY_PASSWORD_NORMAL, IDB_MODIFY_PASSWORD_HOVER, IDB_MODIFY_PASSWORD_PRESSED}};
  gallery.AddLabel(L"Title buttons (logout, settings, help, minimise, close, password) and push buttons: "
                   L"normal, hover, pressed, disabled", At(24, 8, 700, 14));
  int x = 24;
  for (size_t look = 0; look < std::size(kLooks); ++look) {
    for (const auto& kind : kinds) {
      auto& button = gallery.Add<CGdipButton>(L"BUTTON", L"", BS_PUSHBUTTON, At(x, 28, 25, 25));
      button.LoadImages(kind.normal, kind.hover, kind.pressed);
      button.SetDrawText(false);
      Apply(button, kLooks[look]);
      x += 29;
    }
    x += 12;
  }
}

void TextButtons(CGalleryDialog& gallery) {
  for (size_t look = 0; look < std::size(kLooks); ++look) {
    auto& button = gallery.Add<CGdipButton>(L"BUTTON", kLookNames[look], BS_PUSHBUTTON,
                                            At(316 + 122 * static_cast<int>(look), 110, 110, 34));
    button.LoadImages(IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE);
    Apply(button, kLooks[look]);
  }
}

void ChecksAndRadios(CGalleryDialog& gallery) {
  const struct {
    const wchar_t* text;
    bool checked;
    bool enabled;
  } checks[] = {{L"Remember Me", false, true}, {L"\x8BB0\x4F4F\x6211", true, true}, {L"Off", true, false}};
  int x = 316;
  for (const auto& entry : checks) {
    auto& box = gallery.Add<CGdipButton>(L"BUTTON", entry.text, BS_AUTOCHECKBOX | WS_GROUP, At(x, 156, 126, 22));
    box.LoadImages(IDB_CHECK_BOX, IDB_CHECK_MARK, IDB_CHECK_MARK);
    box.SetCheck(entry.checked ? BST_CHECKED : BST_UNCHECKED);
    box.EnableWindow(entry.enabled);
    x += 130;
  }
  const struct {
    const wchar_t* text;
    bool checked;
    bool enabled;
  } radios[] = {{L"DHCP", true, true}, {L"Static", false, true}, {L"15 min", false, false}};
  x = 316;
  for (size_t i = 0; i < std::size(radios); ++i) {
    DWORD group = i == 0 ? WS_GROUP : 0;
    auto& radio = gallery.Add<CGdipButton>(L"BUTTON", radios[i].text, BS_AUTORADIOBUTTON | group, At(x, 184, 126, 20));
    radio.LoadImages(IDB_RADIO, IDB_RADIO_CHECKED, IDB_RADIO_CHECKED);
    radio.SetCheck(radios[i].checked ? BST_CHECKED : BST_UNCHECKED);
    radio.EnableWindow(radios[i].enabled);
    x += 130;
  }
  auto& up = gallery.Add<CGdipButton>(L"BUTTON", L"", BS_PUSHBUTTON | WS_GROUP, At(720, 159, 20, 14));
  up.LoadImages(IDB_ARROW_UP, IDB_ARROW_UP, IDB_ARROW_UP);
  up.SetDrawText(false);
  auto& down = gallery.Add<CGdipButton>(L"BUTTON", L"", BS_PUSHBUTTON, At(720, 187, 20, 14));
  down.LoadImages(IDB_ARROW_DOWN, IDB_ARROW_DOWN, IDB_ARROW_DOWN);
  down.SetDrawText(false);
}

void StepMarkers(CGalleryDialog& gallery) {
  const wchar_t* names[] = {L"Password", L"Device Info", L"TimeZone", L"Network", L"Raid", L"DriveMapping"};
  const int states[] = {CProcessButton::kDone, CProcessButton::kDone, CProcessButton::kCurrent,
                        CProcessButton::kToCome, CProcessButton::kToCome, CProcessButton::kToCome};
  for (int i = 0; i < 6; ++i) {
    auto& marker = gallery.Add<CProcessButton>(L"BUTTON", names[i], BS_PUSHBUTTON, At(316 + 84 * i, 212, 84, 47));
    marker.SetState(states[i]);
    marker.SetNarrow(i == 5);
    marker.EnableWindow(i != 4);
  }
}

void VolumeOptions(CGalleryDialog& gallery) {
  // Focused and checked, unchecked, disabled.
  const struct {
    const wchar_t* title;
    const wchar_t* description;
    UINT icon;
  } options[] = {
      {L"RAID 1", L"Mirrored RAID. Data is written identically to two drives.", IDB_RAID_RAID1},
      {L"JBOD", L"Just a Bunch Of Disks. It makes the disks appera to be a single larger one.", IDB_RAID_LINEAR},
      {L"RAID 0", L"Striped RAID. It improves performance and additional storage but no fault tolerance.", IDB_RAID_RAID0},
  };
  for (int i = 0; i < 3; ++i) {
    auto& option = gallery.Add<CIconRadioButton>(L"BUTTON", L"", BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                                 At(320, 266 + 58 * i, 533, 58));
    option.LoadImages(IDB_RADIO_CHECKED, IDB_RADIO, options[i].icon, IDB_RAID_FOCUS);
    option.SetTitle(options[i].title);
    option.SetDescription(options[i].description);
    option.SetCheck(i == 0 ? BST_CHECKED : BST_UNCHECKED);
    option.EnableWindow(i != 2);
    if (i == 0) SetFocus(option.GetSafeHwnd());
  }
}

void Tabs(CGalleryDialog& gallery) {
  // Selected, not selected, disabled.
  auto& selected = gallery.Add<CUnderLineButton>(L"BUTTON", L"Logout Time", BS_PUSHBUTTON, At(24, 470, 240, 30));
  selected.SetSelected(true);
  gallery.Add<CUnderLineButton>(L"BUTTON", L"Short Cut Settings", BS_PUSHBUTTON, At(24, 504, 240, 30));
  auto& disabled = gallery.Add<CUnderLineButton>(L"BUTTON", L"\x6CE8\x9500\x65F6\x95F4", BS_PUSHBUTTON, At(24, 538, 240, 30));
  disabled.EnableWindow(false);
}

void BottomLinks(CGalleryDialog& gallery) {
  const Look looks[] = {Look::kNormal, Look::kHover, Look::kDisabled};
  const wchar_t* texts[] = {L"Select NAS/Short Cut", L"Auto Sorting", L"\x81EA\x52A8\x6392\x5E8F"};
  for (int i = 0; i < 3; ++i) {
    auto& link = gallery.Add<CBottomIconButton>(L"BUTTON", texts[i], BS_PUSHBUTTON, At(310 + 190 * i, 478, 180, 20));
    Apply(link, looks[i]);
  }
}

void Shortcuts(CGalleryDialog& gallery) {
  gallery.AddLabel(L"Shortcuts: normal, hover, pressed, selected,", At(24, 94, 270, 14));
  gallery.AddLabel(L"focused, disabled; tabs below", At(24, 108, 270, 14));
  const struct {
    const wchar_t* text;
    UINT icon, active;
  } shortcuts[] = {{L"Wizard", IDB_SHORTCUT_WIZARD, IDB_SHORTCUT_WIZARD_ACTIVE},
                   {L"Folder", IDB_SHORTCUT_FOLDER, IDB_SHORTCUT_FOLDER_ACTIVE},
                   {L"File Center", IDB_SHORTCUT_FILE, IDB_SHORTCUT_FILE_ACTIVE},
                   {L"Management Center", IDB_SHORTCUT_MANAGEMENT, IDB_SHORTCUT_MANAGEMENT_ACTIVE},
                   {L"Download Center", IDB_SHORTCUT_DOWNLOAD, IDB_SHORTCUT_DOWNLOAD_ACTIVE},
                   {L"Backup Center", IDB_SHORTCUT_BACKUP, IDB_SHORTCUT_BACKUP_ACTIVE}};
  for (int i = 0; i < 6; ++i) {
    auto& shortcut = gallery.Add<CShortCutButton>(L"BUTTON", shortcuts[i].text, BS_PUSHBUTTON, At(24, 126 + 56 * i, 260, 52));
    shortcut.LoadImages(IDB_SHORTCUT, IDB_SHORTCUT_SELECTED, IDB_SHORTCUT_HOVER, shortcuts[i].icon, shortcuts[i].active);
    shortcut.SetToolTipText(shortcuts[i].text);
    switch (i) {
      case 1: Apply(shortcut, Look::kHover); break;
      case 2: Apply(shortcut, Look::kPressed); break;
      case 3: shortcut.SetActive(true); break;
      case 4: shortcut.SendMessage(WM_SETFOCUS); break;
      case 5: Apply(shortcut, Look::kDisabled); break;
      default: break;
    }
  }
}
}  // namespace

void AddButtonSections(CGalleryDialog& gallery) {
  for (auto section : {TitleButtons, TextButtons, ChecksAndRadios, StepMarkers, VolumeOptions, Tabs, BottomLinks, Shortcuts}) {
    gallery.AddSection(section);
  }
}
