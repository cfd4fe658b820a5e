// The common base of the main window's content pages: child dialogs with black text on a light-blue ground,
// which paint no background of their own and are never ended from the keyboard.
#pragma once

#include <windows.h>

#include "fw/dialog.h"
#include "fw/gdi.h"

namespace aerowisp {

class CAppProPage : public fw::Dialog {
  public:
    // The ground of the pages' static texts, buttons and the pages themselves.
    static constexpr COLORREF kPageColour = RGB(232, 245, 253);

    // The page is created later, as a child of the main window (fw::Dialog::Create).
    explicit CAppProPage(int templateId);

    // Called by the main window right after it showed the page and gave it the focus, then the refresh;
    // the leave notification comes before it hides the page.
    virtual void OnPageEnter() {}
    virtual int OnPageRefresh() { return 0; }
    virtual int OnPageLeave() { return 0; }

  protected:
    // Enter and Esc inside a page do nothing.
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // The control colours and the background; pages that handle more messages pass the rest on here.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    fw::Brush m_brushBk;
};

}  // namespace aerowisp
