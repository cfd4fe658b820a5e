// The About page.
#include "widgets/about_page.h"

#include <objbase.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "core/widgets/about_texts.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "lang/language_dialog.h"
#include "native/program_folder.h"

namespace aerowisp {
namespace {

// The worker's exit code.
constexpr DWORD kWebWorkerDone = 1;

// The version block of the file; empty when it has none or it cannot be read.
std::vector<uint8_t> VersionBlock(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<uint8_t> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};
    return block;
}

// The file's last change in local time; nothing when the file's status cannot be read, an empty text
// when the time does not convert or format.
std::optional<std::u16string> FileDate(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA status{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &status))
        return std::nullopt;
    FILETIME local{};
    SYSTEMTIME time{};
    if (!::FileTimeToLocalFileTime(&status.ftLastWriteTime, &local) || !::FileTimeToSystemTime(&local, &time))
        return std::u16string();
    return FileDateText({.year = time.wYear, .month = time.wMonth, .day = time.wDay});
}

struct WebWorkerJob {
    WebBrowser& browser;
    std::u16string address;
};

// The shell may use COM to reach the browser, so the worker has it initialised for the call.
DWORD WINAPI WebWorker(void* parameter) {
    const std::unique_ptr<WebWorkerJob> job(static_cast<WebWorkerJob*>(parameter));
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    try {
        job->browser.OpenWebAddress(job->address);
    } catch (...) {
        // Nothing crosses the thread's start: an address that could not be opened is no harm.
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return kWebWorkerDone;
}

}  // namespace

CAboutPage::CAboutPage(WebBrowser& browser) : CAppProPage(IDD_ABOUT_PAGE), browser_(browser) {}

BOOL CAboutPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), Texts());
    return TRUE;
}

bool CAboutPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ABOUT_WEB) {
        if (notifyCode == BN_CLICKED)
            OnWebButton();
        return true;
    }
    return CAppProPage::OnCommand(id, notifyCode, control);
}

void CAboutPage::RefreshVersionInfo(const std::u16string& cardDescription) {
    SetItemText(IDC_ABOUT_DEVICE, fw::ToWide(cardDescription));
    const std::wstring path = ProgramPath();
    if (path.empty())
        return;
    const std::u16string version = FileVersionText(VersionBlock(path));
    if (version.empty())
        return;
    SetItemText(IDC_ABOUT_VERSION, fw::ToWide(version));
    if (const std::optional<std::u16string> date = FileDate(path))
        SetItemText(IDC_ABOUT_DATE, fw::ToWide(*date));
}

void CAboutPage::OnWebButton() {
    auto job = std::make_unique<WebWorkerJob>(
        WebWorkerJob{browser_, WebAddressToOpen(Texts().LoadLanguageString(kMakerWebAddress.key))});
    const base::KernelHandle worker(::CreateThread(nullptr, 0, WebWorker, job.get(), 0, nullptr));
    if (worker)
        job.release();
}

}  // namespace aerowisp
