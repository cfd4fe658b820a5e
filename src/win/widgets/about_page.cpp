// The About page.
#include "widgets/about_page.h"

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "lang/language_dialog.h"
#include "fw/wide_text.h"
#include "core/resource.h"

namespace aerowisp {
namespace {

constexpr DWORD kModulePathLength = 520;
constexpr size_t kTextLength = 64;

std::wstring ProgramPath() {
    wchar_t path[kModulePathLength] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, path, kModulePathLength);
    return std::wstring(path, length < kModulePathLength ? length : 0);
}

// "2.0.1.3" and a line break, from the root block of the file's version information; empty when the
// file has none.
std::wstring FileVersionText(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<BYTE> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    wchar_t text[kTextLength] = L"";
    std::swprintf(text, kTextLength, L"%d.%d.%d.%d\n", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    return text;
}

// The file's last change in local time as "06-30-2011"; nothing when the file cannot be read, empty
// when the time cannot be converted.
std::optional<std::wstring> FileDateText(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA status{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &status))
        return std::nullopt;
    FILETIME local{};
    SYSTEMTIME time{};
    if (!::FileTimeToLocalFileTime(&status.ftLastWriteTime, &local) || !::FileTimeToSystemTime(&local, &time))
        return std::wstring();
    wchar_t text[kTextLength] = L"";
    std::swprintf(text, kTextLength, L"%02u-%02u-%04u", time.wMonth, time.wDay, time.wYear);
    return text;
}

}  // namespace

CAboutPage::CAboutPage(const LanguageFile& language) : CAppProPage(IDD_ABOUT_PAGE), language_(language) {}

BOOL CAboutPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), language_);
    return TRUE;
}

void CAboutPage::RefreshVersionInfo(const std::u16string& cardDescription) {
    SetItemText(IDC_ABOUT_DEVICE, fw::ToWide(cardDescription));
    const std::wstring path = ProgramPath();
    const std::wstring version = FileVersionText(path);
    if (version.empty())
        return;
    SetItemText(IDC_ABOUT_VERSION, version);
    if (const std::optional<std::wstring> date = FileDateText(path))
        SetItemText(IDC_ABOUT_DATE, *date);
}

}  // namespace aerowisp
