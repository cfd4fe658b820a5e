// The real machine's browser, reached through the desktop's shell.
#pragma once

#include "core/platform/web_browser.h"

namespace aerowisp {

class NativeWebBrowser final : public WebBrowser {
  public:
    void OpenWebAddress(const std::u16string& address) override;
};

}  // namespace aerowisp
