// The device information popup: a panel inside the main window with the logged-in device's name,
// address, mask and gateway at the top and, below them, either up to four volume usage panels
// (the volume view) or the device's shared folders (the share view). The main window fills it and
// switches the views; the popup has no buttons and never ends itself.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "res/resource.h"
#include "skin/borrowed_background.h"
#include "skin/controls/folder_list_ctrl.h"
#include "skin/controls/trans_static.h"
#include "skin/controls/volume_info_ctrl.h"
#include "skin/skinned_surface.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "ui/common/window_layout.h"

// The notice of a failed read: the translated `englishText` ("Reading the shares failed."), then
// what the device answered when it gave an HTTP status.
std::wstring ReadFailureNotice(const wchar_t* englishText, int deviceStatus);

class CNASInfoDialog : public CSkinnedParent<CDialog> {
 public:
  static constexpr int kVolumeSlots = 4;

  // A child of `parent` (the main window), created hidden with Create().
  explicit CNASInfoDialog(HWND parent);
  ~CNASInfoDialog() override;

  // The four lines: the name as it is, "IP:" and the address (never translated), and the
  // translated "Mask:%s" and "Gateway:%s". Kept for a window made later.
  void SetDeviceLines(const std::wstring& name, const std::wstring& address, const std::wstring& mask,
                      const std::wstring& gateway);
  // Empties and hides every volume panel.
  void ResetVolumes();
  // Fills the next volume panel, up to four; further volumes are ignored.
  void AddVolume(std::int64_t usedGB, std::int64_t totalGB, const std::wstring& name);
  // The panels that hold data, without the share list.
  void ShowVolumeView();
  // The share list, without the panels.
  void ShowShareView();
  // What each view says in place of its content when reading it failed; an empty text says
  // nothing. The notice of the view shown is shown.
  void SetVolumeNotice(const std::wstring& text);
  void SetShareNotice(const std::wstring& text);
  const std::wstring& ShownNotice() const;

  CFolderListCtrl* ShareList() const;
  CVolumeInfoCtrl* VolumePanel(int slot) const;
  int VolumeCount() const { return volumeCount_; }
  const std::wstring& Line(int index) const { return texts_[static_cast<size_t>(index)]; }

 protected:
  BOOL OnInitDialog() override;
  // Enter and Escape do nothing: the panel lives as long as the main window.
  void OnOK() override {}
  void OnCancel() override {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Sizes the popup and places its controls at the main window's DPI.
  void LayOut();

 private:
  void ApplyLines();
  void ApplyNotice();
  // The parent's background under the panel, lightened by a translucent white, with the
  // separator under the name: built once, on the first need (a child painted before the panel
  // still gets the veiled look), and kept.
  HDC LentBackground() override;

  std::array<CTransStatic, 4> lines_;
  std::array<std::wstring, 4> texts_;
  CTransStatic notice_;
  std::wstring volumeNotice_;
  std::wstring shareNotice_;
  int volumeCount_ = 0;
  bool volumeView_ = true;
  CBorrowedBackground background_;
  WindowLayout layout_;
};
