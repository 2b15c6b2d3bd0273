#include "ui/main/nas_info_dialog.h"

#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/skin_draw.h"
#include "skin/window_outline.h"

namespace {
// The rounded outline the panel is clipped to stops short of its window's edge.
constexpr WindowShape kShape{581, 358, 580, 355, 14};

constexpr int kLineIds[] = {IDC_INFO_NAME, IDC_INFO_ADDRESS, IDC_INFO_MASK, IDC_INFO_GATEWAY};
constexpr int kVolumeIds[CNASInfoDialog::kVolumeSlots] = {IDC_INFO_VOLUME_0, IDC_INFO_VOLUME_1, IDC_INFO_VOLUME_2, IDC_INFO_VOLUME_3};
// The lines and the notice show the device's values: the popup sets their texts.
constexpr UINT kLineFormat = DT_CENTER | DT_SINGLELINE;
constexpr FontRole kLineFont{16, FW_THIN, kLineFormat};
constexpr ControlPlacement kLayout[] = {
    {.id = IDC_INFO_NAME, .rect = {30, 15, 551, 41}, .font = {26, FW_THIN, kLineFormat}},
    {.id = IDC_INFO_ADDRESS, .rect = {31, 55, 550, 72}, .font = kLineFont},
    {.id = IDC_INFO_MASK, .rect = {31, 77, 550, 94}, .font = kLineFont},
    {.id = IDC_INFO_GATEWAY, .rect = {31, 99, 550, 116}, .font = kLineFont},
    {IDC_INFO_SHARE_LIST, {31, 135, 550, 335}, 0, L"Folder"},
    {IDC_INFO_VOLUME_0, {31, 135, 550, 185}},
    {IDC_INFO_VOLUME_1, {31, 185, 550, 235}},
    {IDC_INFO_VOLUME_2, {31, 235, 550, 285}},
    {IDC_INFO_VOLUME_3, {31, 285, 550, 335}},
    {.id = IDC_INFO_NOTICE, .rect = {31, 135, 550, 185}, .font = {16, FW_THIN, kLineFormat | DT_VCENTER}},
};

// The white double line under the name.
constexpr RECT kSeparator{187, 46, 392, 48};
constexpr BYTE kWhiteVeilAlpha = 20;

void VeilAndSeparate(HDC dc, const RECT& client) {
  BitmapHandle whiteBitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  MemoryDC white(dc);  // goes first, giving the bitmap back
  white.Select(whiteBitmap.Get());
  white.FillSolidRect(client, kSkinWhite);
  BLENDFUNCTION veil{AC_SRC_OVER, 0, kWhiteVeilAlpha, 0};
  AlphaBlend(dc, 0, 0, client.right, client.bottom, white.GetSafeHdc(), 0, 0, client.right, client.bottom, veil);
  // The panel's width tells the DPI it is drawn at.
  const UINT dpi = static_cast<UINT>(MulDiv(client.right, kBaseDpi, kShape.width));
  CDC(dc).FillSolidRect(ScaleToDpi(kSeparator, dpi), kSkinWhite);
}
}  // namespace

std::wstring ReadFailureNotice(const wchar_t* englishText, int deviceStatus) {
  std::wstring text = Tr(englishText);
  if (deviceStatus != 0) text += L" " + TrFormat(L"The device answered HTTP %d.", deviceStatus);
  return text;
}

CNASInfoDialog::CNASInfoDialog(HWND parent)
    : CSkinnedParent(IDD_INFO_POPUP, parent), background_(&VeilAndSeparate), layout_(kLayout) {}
CNASInfoDialog::~CNASInfoDialog() = default;

void CNASInfoDialog::SetDeviceLines(const std::wstring& name, const std::wstring& address, const std::wstring& mask,
                                    const std::wstring& gateway) {
  texts_ = {name, L"IP:" + address, TrFormat(L"Mask:%s", mask.c_str()), TrFormat(L"Gateway:%s", gateway.c_str())};
  if (GetSafeHwnd()) ApplyLines();
}

void CNASInfoDialog::ResetVolumes() {
  volumeCount_ = 0;
  for (int slot = 0; slot < kVolumeSlots; ++slot) {
    if (CVolumeInfoCtrl* panel = VolumePanel(slot)) {
      panel->ClearVolumeInfo();
      panel->ShowWindow(SW_HIDE);
    }
  }
}

void CNASInfoDialog::AddVolume(std::int64_t usedGB, std::int64_t totalGB, const std::wstring& name) {
  if (volumeCount_ >= kVolumeSlots) return;
  CVolumeInfoCtrl* panel = VolumePanel(volumeCount_);
  if (!panel) return;
  panel->SetVolumeInfo(totalGB, name, usedGB);
  // In the share view the panel waits for the volume view.
  if (volumeView_) panel->ShowWindow(SW_SHOW);
  ++volumeCount_;
}

void CNASInfoDialog::ShowVolumeView() {
  volumeView_ = true;
  for (int slot = 0; slot < kVolumeSlots; ++slot) {
    if (CVolumeInfoCtrl* panel = VolumePanel(slot)) panel->ShowWindow(panel->HasData() ? SW_SHOW : SW_HIDE);
  }
  if (CFolderListCtrl* shares = ShareList()) shares->ShowWindow(SW_HIDE);
  ApplyNotice();
}

void CNASInfoDialog::ShowShareView() {
  volumeView_ = false;
  for (int slot = 0; slot < kVolumeSlots; ++slot) {
    if (CVolumeInfoCtrl* panel = VolumePanel(slot)) panel->ShowWindow(SW_HIDE);
  }
  if (CFolderListCtrl* shares = ShareList()) shares->ShowWindow(SW_SHOW);
  ApplyNotice();
}

void CNASInfoDialog::SetVolumeNotice(const std::wstring& text) {
  volumeNotice_ = text;
  ApplyNotice();
}

void CNASInfoDialog::SetShareNotice(const std::wstring& text) {
  shareNotice_ = text;
  ApplyNotice();
}

const std::wstring& CNASInfoDialog::ShownNotice() const { return volumeView_ ? volumeNotice_ : shareNotice_; }

void CNASInfoDialog::ApplyNotice() {
  if (!notice_.GetSafeHwnd()) return;
  notice_.SetText(ShownNotice());
  notice_.ShowWindow(ShownNotice().empty() ? SW_HIDE : SW_SHOW);
}

CFolderListCtrl* CNASInfoDialog::ShareList() const { return CFolderListCtrl::FromWindow(GetDlgItem(IDC_INFO_SHARE_LIST)); }

CVolumeInfoCtrl* CNASInfoDialog::VolumePanel(int slot) const {
  if (slot < 0 || slot >= kVolumeSlots) return nullptr;
  return CVolumeInfoCtrl::FromWindow(GetDlgItem(kVolumeIds[slot]));
}

void CNASInfoDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kShape);
  layout_.Apply(GetSafeHwnd());
}

BOOL CNASInfoDialog::OnInitDialog() {
  for (size_t index = 0; index < lines_.size(); ++index) lines_[index].SubclassDlgItem(kLineIds[index], GetSafeHwnd());
  notice_.SubclassDlgItem(IDC_INFO_NOTICE, GetSafeHwnd());
  LayOut();
  CenterWindow();
  ApplyLines();
  ShowVolumeView();
  return TRUE;
}

LRESULT CNASInfoDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_FOLDER_OPEN:
      ::PostMessageW(GetParent(), WM_FOLDER_OPEN, wParam, lParam);
      return 0;
    case WM_DESTROY:
      background_.Release();
      break;
    case kDpiChangedAfterParentMessage:
      // The main window's background under the popup was rendered again at the new DPI.
      background_.Release();
      LayOut();
      break;
    default:
      break;
  }
  return CSkinnedParent<CDialog>::WindowProc(message, wParam, lParam);
}

void CNASInfoDialog::ApplyLines() {
  for (size_t index = 0; index < lines_.size(); ++index) {
    if (lines_[index].GetSafeHwnd()) lines_[index].SetText(texts_[index]);
  }
}

HDC CNASInfoDialog::LentBackground() { return background_.Take(GetSafeHwnd()); }
