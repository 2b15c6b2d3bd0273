#include "app/tamsel_app.h"

#include <clocale>

#include "app/single_instance.h"
#include "i18n/win/win_language.h"
#include "framework/ui_runtime.h"
#include "ui/main/tamsel_dlg.h"

CTamselApp theApp;

namespace {
// The runtime library's locale of the program's home market.
constexpr char kRuntimeLocale[] = "chs";
}  // namespace

int CTamselApp::Run() {
  const CSingleInstance instance;
  if (!instance.IsFirst()) {
    CSingleInstance::ActivateRunningWindow();
    return 0;
  }
  // Common controls and GDI+ first; GDI+ is shut down when this goes, after the dialog's windows.
  CUiRuntime runtime;
  std::setlocale(LC_ALL, kRuntimeLocale);
  ApplyLanguageSetting();
  CTamselDlg mainWindow;
  mainWindow.DoModal();
  return 0;
}
