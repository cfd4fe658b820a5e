// The About dialog (template 100): the program's name and version. At most one is open: the About flag
// is set by whoever opens it and cleared when its window goes.
#pragma once

#include "fw/dialog.h"

namespace aerowisp {

class CAboutDlg final : public fw::Dialog {
  public:
    CAboutDlg();

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace aerowisp
