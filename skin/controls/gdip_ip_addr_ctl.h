// The skinned IP address field (window class "SkinIPAddress"): four octet fields with dots between
// them over a PNG frame. Dialogs read the address when the user confirms, checked as what it is
// meant to be (an address, a mask, a gateway, a DNS server), and write it when they fill in.
//
// The class makes the object when the window is created and deletes it with the window; owners
// find it with FromWindow. Style bit 0 (kNoRangeCheck) turns off the 0-255 check while typing.
#pragma once
#include <array>
#include <string>

#include "skin/geometry/address_rules.h"
#include "skin/controls/ip_addr_edit.h"
#include "skin/controls/owned_window_class.h"
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"

class CGdipIpAddrCtl : public CSkinnedWindow<CClassOwnedWnd> {
 public:
  static constexpr wchar_t kClassName[] = L"SkinIPAddress";
  static constexpr DWORD kNoRangeCheck = 0x0001;
  static constexpr int kFieldCount = 4;

  CGdipIpAddrCtl() : CSkinnedWindow(Erase::kNothing) {}
  static CGdipIpAddrCtl* FromWindow(HWND window);

  // 4 when all four fields hold a value and the check of `kind` passes, with the octets filled;
  // 0 when a value or the check is refused; otherwise the number of leading fields that hold a
  // value. Every refusal is shown to the user first; `octets` stays zero unless 4 is returned.
  int GetAddress(Octets& octets, AddressKind kind);
  // The same, with the first octet in the top byte of `value`.
  int GetAddressValue(DWORD& value, AddressKind kind);
  void SetAddress(const Octets& octets);
  void ClearAddress();
  bool IsBlank() const;
  // An IP address field named by its label.
  bool Describe(AccessibleDescription& description) const override;
  void EnableControl(bool enable);

  // For the fields.
  enum class Caret { kSelectAll, kAtStart, kAtEnd };
  void FocusField(int index, Caret caret);
  bool ChecksRangeWhileTyping() const { return !noRangeCheck_; }
  bool IsField(HWND window) const;
  // Tab: the next (or previous) tab stop of the dialog; Enter: the dialog's default button.
  void LeaveByTab(bool backwards) const;
  void PressDefaultButton() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;
  void OnDpiChanged() override;

 private:
  void OnCreate(const CREATESTRUCTW& create);
  void Layout(int width, int height);
  void Refuse(const std::wstring& message) const;

  CGdiPlusBitmapResource frame_;
  std::array<CIPAddrEdit, kFieldCount> fields_;
  std::array<RECT, kFieldCount - 1> dots_{};
  bool enabled_ = true;
  bool noRangeCheck_ = false;
};
