// Every text the English language file gives the content pages and the Extended AP Settings dialog fits
// its control on one line. (The Chinese files are checked on their screenshots: in a prefix of another
// locale Wine measures their glyphs in other faces than a Chinese system draws them with.)
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/resource.h"
#include "core/support/memory_file_reader.h"
#include "fw/dialog.h"
#include "fw/gdi.h"
#include "native/native_code_page.h"
#include "lang/language_dialog.h"
#include "support/test_window.h"

namespace aerowisp {
namespace {

// res/Language in the source tree, as Wine's Z: drive shows it.
std::string ShippedFile(const char* name) {
    std::ifstream file(std::filesystem::path("Z:" AEROWISP_SOURCE_DIR "/res/Language") / name,
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool IsClass(HWND control, const wchar_t* name) {
    wchar_t className[32] = L"";
    ::GetClassNameW(control, className, 32);
    return _wcsicmp(className, name) == 0;
}

// Labels and buttons, but not icons and group boxes; nothing else shows a language text.
bool IsTextControl(HWND control) {
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    if (IsClass(control, L"Static"))
        return (style & SS_TYPEMASK) <= SS_RIGHT;
    return IsClass(control, L"Button") && (style & BS_TYPEMASK) != BS_GROUPBOX;
}

// The room a control's frame takes: a push button's edges, a radio button's circle.
int FrameWidth(HWND control) {
    constexpr int kPushButtonFrame = 6;
    constexpr int kCheckMarkWidth = 16;
    if (!IsClass(control, L"Button"))
        return 0;
    return (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON ? kPushButtonFrame
                                                                                    : kCheckMarkWidth;
}

// How much wider than its control's client area a control's text is on one line, in pixels.
int Overflow(HWND control) {
    const std::wstring text = fw::Window::TextOf(control);
    if (text.empty())
        return 0;
    const fw::ClientDC dc(control);
    const fw::SelectObjectGuard font(dc.Get(),
                                     reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    RECT client{};
    ::GetClientRect(control, &client);
    return extent.cx + FrameWidth(control) - (client.right - client.left);
}

TEST(LanguageFit, EveryEnglishLabelOfThePagesFits) {
    const int templates[] = {IDD_LINK_STATUS_PAGE, IDD_AP_CONFIG_PAGE, IDD_ASSOC_TBL_PAGE,
                             IDD_ICS_PAGE,         IDD_ABOUT_PAGE,     IDD_EASY_AP_SETTING};
    test::TestWindow host(L"Language fit test");
    test::MemoryFileReader files;
    const std::u16string path = u"ENU.txt";
    const std::string bytes = ShippedFile("ENU.txt");
    ASSERT_FALSE(bytes.empty());
    files.SetFile(path, bytes);
    NativeAnsiCodePage codePage;
    const LanguageTexts texts(files, codePage, path);
    for (const int templateId : templates) {
        fw::Dialog page(templateId);
        ASSERT_TRUE(page.Create(host.Handle()));
        ApplyLanguageToDialog(page.Handle(), texts);
        for (HWND control = ::GetWindow(page.Handle(), GW_CHILD); control != nullptr;
             control = ::GetWindow(control, GW_HWNDNEXT)) {
            if ((::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) == 0 || !IsTextControl(control))
                continue;
            EXPECT_LE(Overflow(control), 0)
                << "template " << templateId << " control " << ::GetDlgCtrlID(control);
        }
        page.Destroy();
    }
}

}  // namespace
}  // namespace aerowisp
