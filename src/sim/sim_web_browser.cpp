// The simulated machine's browser.
#include "sim/sim_web_browser.h"

#include "sim/sim_text.h"

namespace aerowisp {

void SimWebBrowser::OpenWebAddress(const std::u16string& address) {
    journal_.Record("ShellExecuteW", "verb=\"open\" file=" + QuoteText(address) + " show=SW_SHOWNORMAL");
}

}  // namespace aerowisp
