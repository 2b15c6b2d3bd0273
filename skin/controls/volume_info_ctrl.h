// The volume usage panel of the device information popup (window class "VolumeInfoWnd"): the
// volume's name, its used and total size, the percentage used, and a usage bar.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "skin/controls/gdip_process_ctrl.h"
#include "skin/controls/owned_window_class.h"
#include "skin/controls/skinned_window.h"
#include "skin/controls/trans_static.h"

class CVolumeInfoCtrl : public CSkinnedWindow<CClassOwnedWnd> {
 public:
  static constexpr wchar_t kClassName[] = L"VolumeInfoWnd";

  CVolumeInfoCtrl() : CSkinnedWindow(Erase::kNothing) {}
  static CVolumeInfoCtrl* FromWindow(HWND window);

  // Shows a volume of `totalGB` of which `usedGB` are used; the panel then holds data.
  void SetVolumeInfo(std::int64_t totalGB, const std::wstring& name, std::int64_t usedGB);
  // Empties the three texts; the panel holds no data any more.
  void ClearVolumeInfo();
  bool HasData() const { return hasData_; }
  // Named by the volume, its sizes as the value ("120G Used/450G Available").
  bool Describe(AccessibleDescription& description) const override;

  CTransStatic& NameText() { return name_; }
  CTransStatic& SizeText() { return sizes_; }
  CTransStatic& PercentText() { return percent_; }
  CGdipProcessCtrl& UsageBar() { return bar_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Only the background: the children draw themselves.
  bool PaintsItself() const override { return true; }
  bool LendsParentBackground() const override { return true; }
  void Paint(HDC target) override { PaintParentBackground(GetSafeHwnd(), target); }

 private:
  void OnCreate();
  void PlaceChildren();
  std::array<CTransStatic*, 3> Texts() { return {&name_, &sizes_, &percent_}; }

  CTransStatic name_, sizes_, percent_;
  CGdipProcessCtrl bar_;
  bool hasData_ = false;
};
