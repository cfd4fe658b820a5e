// The process-wide About flag.
#include "core/app/about_flag.h"

namespace aerowisp {
namespace {

// One of the few process-wide values the program has: the About dialog is requested from the tray and
// from the system menu, and the dialog itself clears it. Only the user-interface thread touches it.
bool aboutDialogOpen = false;

}  // namespace

bool IsAboutDialogOpen() {
    return aboutDialogOpen;
}

void SetAboutDialogOpen(bool open) {
    aboutDialogOpen = open;
}

}  // namespace aerowisp
