#include "tools/gallery/control_sections.h"

#include <commctrl.h>

#include <memory>

#include "res/resource.h"
#include "skin/controls/folder_list_ctrl.h"
#include "skin/controls/gdip_combo_box.h"
#include "skin/controls/gdip_icon_static.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "skin/controls/gdip_list_ctrl.h"
#include "skin/controls/gdip_process_ctrl.h"
#include "skin/controls/gdip_slider.h"
#include "skin/controls/trans_static.h"
#include "ui/main/nas_info_dialog.h"

namespace {
constexpr UINT kDeviceComboFace = IDB_COMBO;
constexpr UINT kCellComboFace = IDB_CELL_COMBO;
constexpr UINT kVolumeBar[] = {IDB_VOLUME_BAR, IDB_VOLUME_BAR_LEFT, IDB_VOLUME_BAR_MIDDLE, IDB_VOLUME_BAR_RIGHT};
constexpr UINT kFormatBar[] = {IDB_FORMAT_BAR, IDB_FORMAT_BAR_LEFT, IDB_FORMAT_BAR_MIDDLE, IDB_FORMAT_BAR_RIGHT};
constexpr UINT kLogo = IDB_MAIN_LOGO;
constexpr UINT kSuccess = IDB_SUCCESS;
// Windows made by their class (fields, panels) take ids from here; the gallery's own from 2000.
UINT nextClassId = 3000;

RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

HWND CreateClassWindow(CGalleryDialog& gallery, const wchar_t* className, DWORD style, const RECT& rect) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, gallery.GetSafeHwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextClassId++)), GetModuleHandleW(nullptr),
                         nullptr);
}

// The look of a focused selection field, as the system asks for it when the box has the focus
// (the gallery's focus is on a volume type).
void DrawFocusedField(CGalleryDialog& gallery, CGdipComboBox& combo) {
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_COMBOBOX;
  item.CtlID = static_cast<UINT>(combo.GetDlgCtrlID());
  item.itemID = static_cast<UINT>(combo.GetCurSel());
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = ODS_COMBOBOXEDIT | ODS_FOCUS | ODS_SELECTED;
  item.hwndItem = combo.GetSafeHwnd();
  WindowDC dc(combo.GetSafeHwnd());
  item.hDC = dc.GetSafeHdc();
  item.rcItem = combo.GetClientRect();
  gallery.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

// Opens the drop-down list of `combo` once the gallery is on the screen (a list opened before
// closes again when the gallery window is activated).
void OpenLaterOnScreen(HWND combo) {
  static HWND pending = nullptr;
  pending = combo;
  SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    SendMessageW(pending, CB_SHOWDROPDOWN, TRUE, 0);
  });
}

void ComboBoxes(CGalleryDialog& gallery) {
  gallery.AddLabel(L"Combo boxes: normal, focused, disabled; the list cell editor's face", At(916, 98, 340, 14));
  const wchar_t* devices[] = {L"NAS-LIVINGROOM", L"NAS-OFFICE", L"\x5BA2\x5385 NAS"};
  for (int look = 0; look < 3; ++look) {
    auto& combo = gallery.Add<CGdipComboBox>(
        WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL,
        At(916, 118 + 36 * look, 260, 200));
    combo.LoadFaceImage(kDeviceComboFace);
    for (const wchar_t* device : devices) combo.AddString(device);
    combo.SetCurSel(look);
    if (look == 1) DrawFocusedField(gallery, combo);
    if (look == 2) combo.EnableWindow(false);
  }
  // The cell editor's face, with its list open on the second choice.
  auto& cell = gallery.Add<CGdipComboBox>(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                          At(1188, 118, 64, 120));
  cell.LoadFaceImage(kCellComboFace);
  for (const wchar_t* drive : {L"X:", L"Y:", L"Z:"}) cell.AddString(drive);
  cell.SetCurSel(1);
  OpenLaterOnScreen(cell.GetSafeHwnd());
}

void AddressFields(CGalleryDialog& gallery) {
  gallery.AddLabel(L"IP address fields: filled, blank, disabled", At(916, 226, 260, 14));
  const struct {
    Octets address;
    bool filled;
    bool enabled;
  } fields[] = {{{192, 168, 1, 20}, true, true}, {{}, false, true}, {{10, 0, 0, 1}, true, false}};
  int y = 246;
  for (const auto& field : fields) {
    CGdipIpAddrCtl* control = CGdipIpAddrCtl::FromWindow(CreateClassWindow(gallery, CGdipIpAddrCtl::kClassName,
                                                                           WS_TABSTOP, At(916, y, 188, 28)));
    if (control && field.filled) control->SetAddress(field.address);
    if (control) control->EnableControl(field.enabled);
    y += 34;
  }
  auto& success = gallery.Add<CGdipIconStatic>(L"STATIC", L"", 0, At(1140, 262, 55, 55));
  success.SetImage(kSuccess);
}

void Bars(CGalleryDialog& gallery) {
  gallery.AddLabel(L"Usage bars at 0, 3, 50 and 100%", At(916, 352, 260, 14));
  int y = 372;
  for (int percent : {0, 3, 50, 100}) {
    auto& bar = gallery.Add<CGdipProcessCtrl>(PROGRESS_CLASSW, L"", 0, At(916, y, 272, 14));
    bar.SetRange(0, 100);
    bar.SetPos(percent);
    bar.LoadImages(kVolumeBar[0], kVolumeBar[1], kVolumeBar[2], kVolumeBar[3]);
    y += 22;
  }
  gallery.AddLabel(L"Format bars at 40% and 100% (with the right cap)", At(916, 458, 340, 14));
  y = 478;
  for (int percent : {40, 100}) {
    auto& bar = gallery.Add<CGdipProcessCtrl>(PROGRESS_CLASSW, L"", 0, At(904, y, 357, 16));
    bar.SetRange(0, 100);
    bar.SetPos(percent);
    bar.LoadImages(kFormatBar[0], kFormatBar[1], kFormatBar[2], kFormatBar[3]);
    y += 26;
  }
  auto& text = gallery.Add<CTransStatic>(L"STATIC", L"A transparent static wraps its text over the background "
                                                    L"in the skin's font and colour.",
                                         0, At(916, 532, 340, 40));
  text.SetFontHeight(15);
}

void Gauges(CGalleryDialog& gallery) {
  gallery.AddLabel(L"Gauges at", At(1160, 600, 100, 14));
  gallery.AddLabel(L"0, 2, 50, 100%", At(1160, 612, 100, 14));
  int x = 1166;
  for (int position : {0, 2, 50, 100}) {
    auto& gauge = gallery.Add<CGdipSlider>(TRACKBAR_CLASSW, L"", TBS_VERT | TBS_BOTH | TBS_NOTICKS, At(x, 632, 13, 200));
    gauge.SetRange(0, 100);
    gauge.SetPos(position);
    x += 24;
  }
  auto& logo = gallery.Add<CGdipIconStatic>(L"STATIC", L"", 0, At(1070, 18, 180, 50));
  logo.SetImage(kLogo);
}

void ShareList(CGalleryDialog& gallery) {
  HWND window = CreateClassWindow(gallery, CFolderListCtrl::kClassName, WS_TABSTOP, At(625, 604, 519, 200));
  CFolderListCtrl* shares = CFolderListCtrl::FromWindow(window);
  if (!shares) return;
  for (const wchar_t* name : {L"Public", L"Music", L"Photos of the family", L"Video", L"Backup", L"\x6587\x6863", L"Download"}) {
    shares->AddFolder(name);
  }
  // A click on the second folder, and the list scrolled a little.
  shares->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, 90));
  shares->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, 90));
  shares->ScrollBar().SetPos(24);
  shares->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 24),
                      reinterpret_cast<LPARAM>(shares->ScrollBar().GetSafeHwnd()));
}

void ReportList(CGalleryDialog& gallery) {
  auto& list = gallery.Add<CGdipListCtrl>(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                          At(625, 812, 519, 172));
  list.InsertColumn(0, L"Name", LVCFMT_LEFT, 349);
  list.InsertColumn(1, L"Location", LVCFMT_CENTER, 150);
  const wchar_t* rows[][2] = {{L"Public", L"select"},
                              {L"Music", L"X:"},
                              {L"Backup of the family photos and the older albums of 2019", L"Y:"},
                              {L"\x6587\x6863", L"select"}};
  for (int row = 0; row < 4; ++row) {
    list.InsertItem(row, rows[row][0]);
    list.SetItemText(row, 1, rows[row][1]);
  }
  list.SetColumnFormat(0, 18, 0xFFFFFF);
  list.SetColumnFormat(1, 18, 0xFFFFFF);
  list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void InformationPopup(CGalleryDialog& gallery) {
  auto& popup = gallery.Keep(std::make_unique<CNASInfoDialog>(gallery.GetSafeHwnd()));
  popup.SetDeviceLines(L"NAS-LIVINGROOM", L"192.168.1.20", L"255.255.255.0", L"192.168.1.1");
  if (!popup.Create()) return;
  popup.ResetVolumes();
  const struct {
    int used, total;
  } volumes[] = {{312, 931}, {1, 3}, {0, 0}, {1800, 1863}};
  int number = 1;
  for (const auto& volume : volumes) {
    popup.AddVolume(volume.used, volume.total, L"Volume_" + std::to_wstring(number++));
  }
  SetWindowPos(popup.GetSafeHwnd(), nullptr, 24, 604, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  popup.ShowWindow(SW_SHOWNOACTIVATE);
}
}  // namespace

void AddControlSections(CGalleryDialog& gallery) {
  for (auto section : {ComboBoxes, AddressFields, Bars, Gauges, ShareList, ReportList, InformationPopup}) {
    gallery.AddSection(section);
  }
}
