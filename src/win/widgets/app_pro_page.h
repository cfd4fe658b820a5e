// The common base of the main window's content pages: child dialogs with black text on a light-blue ground,
// which paint no background of their own and are never ended from the keyboard. A page has at most one
// timer of its own, whose ticks it passes on to the PageRequests it was given.
#pragma once

#include <windows.h>

#include "core/app/page_requests.h"
#include "fw/dialog.h"
#include "fw/gdi.h"

namespace aerowisp {

class CAppProPage : public fw::Dialog {
  public:
    // The ground of the pages' static texts, buttons and the pages themselves.
    static constexpr COLORREF kPageColour = RGB(232, 245, 253);

    // The page is created later, as a child of the main window (fw::Dialog::Create).
    explicit CAppProPage(int templateId);

    // Where the page's texts come from and its timer ticks and buttons go; given by the main window before
    // it creates the page.
    void UseRequests(PageRequests* requests) { m_pRequests = requests; }

    // Starts the page's timer on its own window, killing a running one first.
    void RestartPageTimer(UINT_PTR timerId, UINT periodMs);
    void KillPageTimer();

    // Called by the main window right after it showed the page and gave it the focus, then the refresh;
    // the leave notification comes before it hides the page.
    virtual void OnPageEnter() {}
    virtual int OnPageRefresh() { return 0; }
    virtual int OnPageLeave() { return 0; }

  protected:
    // Enter and Esc inside a page do nothing.
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // The control colours, the background and the page's timer; pages that handle more messages pass
    // the rest on here.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    PageRequests* Requests() const { return m_pRequests; }
    const LanguageTexts& Texts() const { return m_pRequests->Texts(); }

  private:
    fw::Brush m_brushBk;
    PageRequests* m_pRequests = nullptr;
    UINT_PTR m_nPageTimer = 0;
};

}  // namespace aerowisp
