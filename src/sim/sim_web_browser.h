// The simulated machine's browser: a web address opened through the shell is journaled, and no browser
// starts.
#pragma once

#include "core/platform/web_browser.h"
#include "sim/journal.h"

namespace aerowisp {

// Journal entry: ShellExecuteW  verb="open" file="https://..." show=SW_SHOWNORMAL
class SimWebBrowser final : public WebBrowser {
  public:
    explicit SimWebBrowser(Journal& journal) : journal_(journal) {}

    void OpenWebAddress(const std::u16string& address) override;

  private:
    Journal& journal_;
};

}  // namespace aerowisp
