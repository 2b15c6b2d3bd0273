// Dialogs from the resource templates: modal (DoModal), modeless (Create) and child dialogs used as
// pages and panels (Create with a template that has the WS_CHILD style).
//
// The dialog's window is bound to the object when it receives WM_INITDIALOG, so every later message
// reaches WindowProc. Commands of the controls arrive in OnCommand, notifications in OnNotify and
// timers in OnTimer; each derived dialog keeps its control ids in one switch there.
#pragma once
#include "framework/wnd.h"

class CDialog : public CWnd {
 public:
  // `parent` is the owner of a modal or modeless dialog and the parent of a child dialog.
  explicit CDialog(UINT templateId, HWND parent = nullptr) : templateId_(templateId), parent_(parent) {}
  ~CDialog() override;

  // Runs the dialog modally; returns the EndDialog result, or -1 when it could not be created.
  INT_PTR DoModal();
  // Creates the dialog modelessly (or as a child); the object owns the window.
  bool Create();
  bool Create(UINT templateId, HWND parent);

  // Ends a modal dialog; a modeless one is destroyed.
  void EndDialog(INT_PTR result);
  UINT TemplateId() const { return templateId_; }
  void SetTemplateId(UINT templateId) { templateId_ = templateId; }
  void SetParentWindow(HWND parent) { parent_ = parent; }
  bool IsModal() const { return modal_; }
  void CenterWindow(HWND alternateOwner = nullptr) const;
  // Presses button `id` as a click would, when it is shown and enabled; false otherwise. Enter and
  // Escape press a dialog's own buttons through it.
  bool PressButton(int id);

 protected:
  // The window exists and its controls too; return TRUE to let the system set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // A command from a control or the keyboard; true when handled. The base ends the dialog for
  // IDOK and IDCANCEL through OnOK and OnCancel.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // A WM_NOTIFY from a control; true when handled, with the answer in `result`.
  virtual bool OnNotify(const NMHDR& header, LRESULT& result);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  UINT templateId_;
  HWND parent_;
  bool modal_ = false;
};
