// The process-wide About flag: set while an About dialog is open, so that only one is ever open,
// whichever window or menu asks for it.
#pragma once

namespace aerowisp {

bool IsAboutDialogOpen();
void SetAboutDialogOpen(bool open);

}  // namespace aerowisp
