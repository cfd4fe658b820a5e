// Port: the shell opening a web address in the user's browser.
// Implementations: NativeWebBrowser (src/win/native, through the desktop shell's ShellExecute), SimWebBrowser
// (src/sim, journals the call and opens nothing).
#pragma once

#include <string>

namespace aerowisp {

class WebBrowser {
  public:
    virtual ~WebBrowser() = default;

    // The shell's "open" of the address with SW_SHOWNORMAL, no parameters and no working directory, made
    // so that the browser gets the desktop user's rights, never this program's elevated ones; on the
    // calling thread, which has initialised COM. Called from worker threads; the outcome is not reported,
    // as nothing acts on it.
    virtual void OpenWebAddress(const std::u16string& address) = 0;
};

}  // namespace aerowisp
