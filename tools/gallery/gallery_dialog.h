// The gallery window: the main window's background with sections of skinned controls on it.
// A section is a function that places its controls in the gallery (see AddSection); a new kind of
// control gets a section of its own.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/gdip_dialog.h"

class CGalleryDialog : public CGdipDialog {
 public:
  CGalleryDialog();

  using Section = std::function<void(CGalleryDialog&)>;
  void AddSection(Section section) { sections_.push_back(std::move(section)); }

  // Creates a child control of `className` at `rect` and binds `object` to it; returns the object.
  template <typename Control>
  Control& Add(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& rect) {
    auto control = std::make_unique<Control>();
    Control& result = *control;
    result.SubclassWindow(CreateChild(className, text, style, rect));
    controls_.push_back(std::move(control));
    return result;
  }
  // Keeps an object that makes its own window (a child dialog) for as long as the gallery lives.
  template <typename Object>
  Object& Keep(std::unique_ptr<Object> object) {
    Object& result = *object;
    controls_.push_back(std::move(object));
    return result;
  }
  // A small caption drawn over the background.
  void AddLabel(const std::wstring& text, const RECT& rect) { labels_.push_back({text, rect}); }

 protected:
  BOOL OnInitDialog() override;
  void OnPaint(HDC dc) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  HWND CreateChild(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& rect);

  struct Label {
    std::wstring text;
    RECT rect;
  };
  std::vector<Section> sections_;
  std::vector<std::unique_ptr<CWnd>> controls_;
  std::vector<Label> labels_;
  int nextId_ = 2000;
};
