// The application object: start-up, the main window's modal run, and what is released at exit.
#pragma once

#include "app/platform_services.h"

namespace aerowisp {

class CHotlynxApp {
public:
    explicit CHotlynxApp(PlatformServices& platform) : platform_(platform) {}
    CHotlynxApp(const CHotlynxApp&) = delete;
    CHotlynxApp& operator=(const CHotlynxApp&) = delete;

    // Runs the program's whole interactive life; always false, as there is no message loop of its own.
    bool InitInstance();
    int ExitInstance();

private:
    PlatformServices& platform_;
};

}  // namespace aerowisp
