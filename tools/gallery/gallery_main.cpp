// Shows the skin gallery until it is closed (Escape).
#include <windows.h>

#include "tools/gallery/button_sections.h"
#include "tools/gallery/control_sections.h"
#include "tools/gallery/gallery_dialog.h"
#include "framework/ui_runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CUiRuntime runtime;
  CGalleryDialog gallery;
  AddButtonSections(gallery);
  AddControlSections(gallery);
  gallery.DoModal();
  return 0;
}
