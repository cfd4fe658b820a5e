// The application object: start-up, the main window's modal run, and what is released at exit.
#pragma once

#include <windows.h>

#include "app/platform_services.h"
#include "native/native_instance_host.h"

namespace aerowisp {

// GDI+ for the program's life: started at start-up, shut down at exit (or when the object goes).
class GdiplusSession {
  public:
    GdiplusSession() = default;
    ~GdiplusSession() { Shutdown(); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    void Start();
    void Shutdown();

  private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

class CHotlynxApp {
  public:
    // `startHidden`: the command line asked for the start in the notification area.
    CHotlynxApp(PlatformServices& platform, bool startHidden);
    CHotlynxApp(const CHotlynxApp&) = delete;
    CHotlynxApp& operator=(const CHotlynxApp&) = delete;

    // Runs the program's whole interactive life; always false, as there is no message loop of its own.
    bool InitInstance();
    int ExitInstance();

  private:
    void RunMainWindow();

    PlatformServices& platform_;
    bool startHidden_;
    NativeInstanceHost host_;
    GdiplusSession gdiplus_;
};

}  // namespace aerowisp
