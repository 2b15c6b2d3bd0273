// The window base of the program's dialog framework: a C++ object bound to one HWND.
//
// A CWnd either creates its window (and then destroys it with itself) or attaches to a window that
// exists already, typically a control of a dialog template, by subclassing it: from then on every
// message of that window reaches WindowProc, and Default passes it on to the window's own
// procedure. Each class keeps the place where message numbers meet its handlers in one override of
// WindowProc (a switch); control ids meet their handlers in the dialogs' OnCommand.
//
// Notifications that a control sends to its parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ...) are
// first offered to the control's own object (OnChildNotify), so that owner-drawn and custom-drawn
// controls draw themselves; what the control leaves goes to the parent's handlers.
#pragma once
#include <windows.h>

#include <span>
#include <string>

#include "framework/accessible.h"

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Detaches from an attached window; destroys a window this object created.
  virtual ~CWnd();

  HWND GetSafeHwnd() const { return hwnd_; }
  // The object bound to `window`, or null when the window has none.
  static CWnd* FromHandle(HWND window);

  // Binds this object to an existing window; false when it is bound already or the window is not.
  bool SubclassWindow(HWND window);
  // Binds this object to control `id` of `parent` (a dialog template item).
  bool SubclassDlgItem(int id, HWND parent);
  // Gives the window back to its own procedure and forgets it.
  HWND UnsubclassWindow();

  // Creates a window owned by this object.
  bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                const RECT& rect, HWND parent, UINT id);
  void DestroyWindow();

  // Thin forms of the USER32 calls on this window.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  HWND GetParent() const { return ::GetParent(hwnd_); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(hwnd_); }
  std::wstring GetWindowText() const;
  void SetWindowText(const std::wstring& text) const { ::SetWindowTextW(hwnd_, text.c_str()); }
  void ShowWindow(int command) const { ::ShowWindow(hwnd_, command); }
  bool IsWindowVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
  void EnableWindow(bool enable) const { ::EnableWindow(hwnd_, enable); }
  bool IsWindowEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
  void Invalidate(bool erase = true) const { ::InvalidateRect(hwnd_, nullptr, erase); }
  void UpdateWindow() const { ::UpdateWindow(hwnd_); }
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  void MoveWindow(const RECT& rect, bool repaint = true) const;
  DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  void ModifyStyle(DWORD remove, DWORD add) const;
  void SetFont(HFONT font, bool redraw = true) const;
  HFONT GetFont() const;
  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const {
    return ::SetTimer(hwnd_, id, milliseconds, nullptr);
  }
  void KillTimer(UINT_PTR id) const { ::KillTimer(hwnd_, id); }
  bool SetProp(const wchar_t* name, HANDLE value) const { return ::SetPropW(hwnd_, name, value) != FALSE; }
  HANDLE GetProp(const wchar_t* name) const { return ::GetPropW(hwnd_, name); }
  HANDLE RemoveProp(const wchar_t* name) const { return ::RemovePropW(hwnd_, name); }

  // What a screen reader is told of this window; false leaves the window to the system's own
  // object (framework/accessible.h).
  virtual bool Describe(AccessibleDescription& description) const;
  // The name a screen reader gives a control that shows no text of its own (an edit, a logo): the
  // label beside it, as the window's layout table says.
  void SetAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }
  const std::wstring& AccessibleName() const { return accessibleName_; }

 protected:
  // Every message of the window. The base offers child notifications to the child's object,
  // then does the default processing.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification this control sent to its parent, handed back to the control; true when handled,
  // with the parent's answer in `result`.
  virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The window is gone (after WM_NCDESTROY); the object is unbound already.
  virtual void PostNcDestroy() {}
  // Called once the object is bound to its window (by subclassing or creation).
  virtual void OnAttached() {}

  // The window's own processing of a message.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's processing after its handlers: the accessible object a described window answers
  // WM_GETOBJECT with, else Default.
  LRESULT DefaultWithAccessible(UINT message, WPARAM wParam, LPARAM lParam);
  // Offers a child notification to the child's object.
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR object);
  HWND hwnd_ = nullptr;
  bool ownsWindow_ = false;
  std::wstring accessibleName_;
};

// How a label of a layout table draws its text: the skin font's height at 96 DPI and weight, and
// the DrawText format (0 keeps the label's own). A height of 0 leaves the control's font alone.
struct FontRole {
  int height = 0;
  int weight = FW_THIN;
  UINT format = 0;
};

// One control of a window's layout table, the one place a window says where its controls are,
// how Tab runs through them, what screen readers call them and, for its labels, what they say and
// in which font.
struct ControlPlacement {
  int id;
  RECT rect;  // in the parent's client coordinates, at 96 DPI
  // The control's place in the Tab order, from 1; 0 leaves it out of the Tab order. A table
  // without any keeps the template's order.
  int tab = 0;
  // The English text (translated when applied) a screen reader names a control by when it shows
  // no text of its own: the label beside an edit or a list, what a picture shows.
  const wchar_t* name = nullptr;
  // The English text a label shows (translated when applied); null leaves the text to the window.
  const wchar_t* text = nullptr;
  FontRole font{};
};
// Gives the controls of a table with Tab places that order (the window order the dialog manager
// follows) and the tab-stop style; the table's other controls lose the style.
void OrderTabStops(HWND parent, const ControlPlacement* placements, size_t count);
// Moves and sizes each control of the table that `parent` has to its rectangle at the window's DPI,
// orders Tab and names the controls (NameControls). Call once the controls are bound to their
// objects, and again whenever the window's DPI changes.
void LayOutControls(HWND parent, std::span<const ControlPlacement> placements);
// Hands each control of `parent` its table name, translated (SetAccessibleName); call once the
// controls are bound to their objects. A plain edit without an object of its own gets one that
// lives as long as its window.
void NameControls(HWND parent, const ControlPlacement* placements, size_t count);
