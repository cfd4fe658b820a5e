// NativeWebBrowser: one ShellExecuteW call.
#include "native/native_web_browser.h"

#include <windows.h>
#include <shellapi.h>

#include "fw/wide_text.h"

namespace aerowisp {

void NativeWebBrowser::OpenWebAddress(const std::u16string& address) {
    ::ShellExecuteW(nullptr, L"open", fw::ToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace aerowisp
