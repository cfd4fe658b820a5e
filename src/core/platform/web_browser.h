// Port: the shell opening a web address in the user's browser.
// Implementations: NativeWebBrowser (src/win/native, over ShellExecuteW), SimWebBrowser (src/sim, journals
// the call and opens nothing).
#pragma once

#include <string>

namespace aerowisp {

class WebBrowser {
  public:
    virtual ~WebBrowser() = default;

    // ShellExecuteW(NULL, "open", address, NULL, NULL, SW_SHOWNORMAL) on the calling thread, which has
    // initialised COM. Called from worker threads; the outcome is not reported, as nothing acts on it.
    virtual void OpenWebAddress(const std::u16string& address) = 0;
};

}  // namespace aerowisp
