// Thin wrappers of the platform controls the windows use, with the operations they need.
// Each one is a CWnd; it is usually attached to a template item with SubclassDlgItem.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/wnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
  UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }

 protected:
  // Owner-drawn buttons draw in DrawItem, reflected from the parent's WM_DRAWITEM.
  virtual void DrawItem(const DRAWITEMSTRUCT&) {}
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
 public:
  void LimitText(int characters) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
  void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  // Named by its label; its text is the value, except a password's, which is never told.
  bool Describe(AccessibleDescription& description) const override;
};

class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  void SetCurSel(int index) const { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  int AddString(const std::wstring& text) const;
  int InsertString(int index, const std::wstring& text) const;
  void ResetContent() const { SendMessage(CB_RESETCONTENT); }
  std::wstring GetLBText(int index) const;
  int SelectString(const std::wstring& text) const;
  // Named by its label; the chosen entry is the value and the entries are its items.
  bool Describe(AccessibleDescription& description) const override;
  // index -1 is the selection field.
  void SetItemHeight(int index, int height) const {
    SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height);
  }
};

class CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
  bool GetItem(int index, HDITEMW& item) const {
    return SendMessage(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
  }
  RECT GetItemRect(int index) const;
};

class CListCtrl : public CWnd {
 public:
  int InsertColumn(int index, const std::wstring& heading, int format, int width) const;
  int InsertItem(int index, const std::wstring& text) const;
  void SetItemText(int item, int column, const std::wstring& text) const;
  std::wstring GetItemText(int item, int column) const;
  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  void DeleteAllItems() const { SendMessage(LVM_DELETEALLITEMS); }
  void SetItemState(int item, UINT state, UINT mask) const;
  UINT GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
  }
  bool EnsureVisible(int item, bool partialOk) const {
    return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk) != 0;
  }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
  int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
  HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
  void SetColumnWidth(int column, int width) const {
    SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
  }
  int GetColumnWidth(int column) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
  }
  RECT GetItemRect(int item, int code) const;
  int HitTest(LVHITTESTINFO& info) const {
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  }
  void SetExtendedStyle(DWORD style) const { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
};

class CSliderCtrl : public CWnd {
 public:
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
  void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
  int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
  int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
  void SetRange(int low, int high) const;
  RECT GetChannelRect() const;
};

class CProgressCtrl : public CWnd {
 public:
  void SetRange(int low, int high) const { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }
  void SetPos(int position) const { SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)); }
  int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
  PBRANGE GetRange() const;
};

class CToolTipCtrl : public CWnd {
 public:
  // Creates the tooltip window, owned by `owner`.
  bool Create(HWND owner, DWORD style = TTS_ALWAYSTIP | TTS_NOPREFIX);
  void Activate(bool activate) const { SendMessage(TTM_ACTIVATE, activate); }
  int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
  // Adds a tool covering `rect` of `window` (tool id 1).
  bool AddTool(HWND window, const std::wstring& text, const RECT& rect) const;
  void UpdateTipText(HWND window, const std::wstring& text) const;
  // The text of the first tool.
  std::wstring GetFirstToolText() const;
  void SetDelayTime(DWORD kind, int milliseconds) const { SendMessage(TTM_SETDELAYTIME, kind, milliseconds); }
  void RelayEvent(const MSG& message) const {
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
  }
  void Update() const { SendMessage(TTM_UPDATE); }
};
