// The wizard's time zone page: one of the device's 96 zones, chosen from a skinned list with
// scroll arrows of its own (the list's scroll bar is cut off).
#pragma once
#include "skin/controls/gdip_list_ctrl.h"
#include "skin/gdip_button.h"
#include "ui/wizard/wizard_page.h"

// Widens `list`, just laid out at its table size, by a scroll bar's width and clips it back to that
// size, so that its vertical scroll bar lies outside what is seen. Called after every layout, which
// gives the list its table size again.
void HideVerticalScrollBar(HWND list);

class CTimeZonePage : public CWizardPage {
 public:
  CTimeZonePage();
  ~CTimeZonePage() override;

  bool Apply() override;
  int LoadPageData() override { return FetchWizardInfo(); }

  int ClickedRow() const { return clickedRow_; }
  int LoadedRow() const { return loadedRow_; }

 protected:
  void SetUpControls() override;
  void OnLaidOut(UINT dpi) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  void OnCgiDone(int cmdIndex, bool succeeded) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillList();
  void UpdateArrows();
  void ShowArrow(CGdipButton& arrow, bool show);
  void Scroll(WPARAM direction);

  CGdipListCtrl list_;
  CGdipButton up_;
  CGdipButton down_;
  int clickedRow_ = -1;
  int loadedRow_ = -1;
  // The device's zone was read (it may still be one the list does not hold).
  bool zoneRead_ = false;
};
