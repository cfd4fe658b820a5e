// The About page (template 186): the wireless card in use, the program's file version and date, and the
// button that opens the maker's web site.
#pragma once

#include <string>

#include "core/platform/web_browser.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAboutPage final : public CAppProPage {
  public:
    explicit CAboutPage(WebBrowser& browser);

    // The card's name, then the version and date of the program's file; without version information
    // neither is written, and a date that cannot be read or formatted leaves the date alone or empty.
    void RefreshVersionInfo(const std::u16string& cardDescription);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    // Button 1010: the address is chosen here, on the window's thread; a worker of its own opens it, so
    // the page stays responsive while the browser starts.
    void OnWebButton();
    WebBrowser& browser_;
};

}  // namespace aerowisp
