// The please-wait window (template 200): a small modeless box in the middle of the screen while the
// sharing calls block the user-interface thread.
#pragma once

#include <string>

#include "fw/dialog.h"

namespace aerowisp {

class CMsgDialog final : public fw::Dialog {
  public:
    CMsgDialog();

    // Shows the window with `text` in control 1132, centred on the desktop window and topmost, and
    // paints it at once: the calls that follow block the message loop.
    void ShowMessage(const std::wstring& text);
};

}  // namespace aerowisp
