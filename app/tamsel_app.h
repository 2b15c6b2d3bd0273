// The application: sets the process up for its windows, chooses the interface language, runs the
// main window as a modal dialog and tears the graphics library down when that dialog has closed.
// The process lives exactly as long as the main window.
#pragma once

class CTamselApp {
 public:
  // The whole run; returns the process's exit code.
  int Run();
};

// The one application object of the process.
extern CTamselApp theApp;
