// The setup wizard's sheet as a real modal property sheet: a helper thread walks its pages with the
// sheet's own buttons and reads what each page shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <prsht.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/resource.h"
#include "core/support/memory_file_reader.h"
#include "fw/gdi.h"
#include "native/native_code_page.h"
#include "support/modal_dialog.h"
#include "support/test_window.h"
#include "wizard/wizard_runner.h"
#include "wizard/wizard_sheet.h"

namespace aerowisp {
namespace {

using test::FindWindowOfThisProcess;
using test::WaitUntil;

constexpr wchar_t kTitle[] = L"Wireless Network Setup Wizard";
// The sheet's own buttons.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

class FakeHost final : public WizardHost {
  public:
    void ApplyWizardNetwork(const std::u16string& ssid, const std::u16string& key) override {
        applied.push_back(ssid + u"/" + key);
    }
    ConnectionListFill WizardConnections() override {
        return {{{u"Realtek PCIe GBE", u"Local Area Connection"}, {u"Atheros AR8151", u"Wired 2"}}, 1};
    }
    std::vector<std::u16string> applied;
};

// Which page shows: the page whose template holds `control`.
bool PageShows(HWND sheet, int control) {
    const HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    return page != nullptr && ::GetDlgItem(page, control) != nullptr;
}

// The enabled sheet buttons, as "Back Next Finish Cancel" letters: B, N, F, C.
std::string Buttons(HWND sheet) {
    std::string shown;
    const std::pair<int, char> buttons[] = {
        {kBackButton, 'B'}, {kNextButton, 'N'}, {kFinishButton, 'F'}, {IDCANCEL, 'C'}};
    for (const auto& [id, letter] : buttons) {
        const HWND button = ::GetDlgItem(sheet, id);
        if (button != nullptr && ::IsWindowVisible(button) && ::IsWindowEnabled(button))
            shown += letter;
    }
    return shown;
}

// The buttons once a page's posted PSM_SETWIZBUTTONS has been handled: `expected` when they become so.
std::string SettledButtons(HWND sheet, const std::string& expected) {
    WaitUntil([&] { return Buttons(sheet) == expected; });
    return Buttons(sheet);
}

void Press(HWND sheet, int button, int nextPageControl) {
    ::PostMessageW(sheet, PSM_PRESSBUTTON, button, 0);
    WaitUntil([&] { return PageShows(sheet, nextPageControl); });
}

// The length a box of the current page holds after a character is typed past `limit` characters.
int LengthTypedPast(HWND sheet, int control, int limit) {
    return test::LengthTypedPast(::GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), control), limit);
}

std::wstring PageText(HWND sheet, int control) {
    wchar_t text[512] = L"";
    ::GetDlgItemTextW(PropSheet_GetCurrentPageHwnd(sheet), control, text, 512);
    return text;
}

// Runs the sheet on this thread while `user` walks it from another; true when it ended with Finish.
bool RunSheet(FakeHost& host, const std::function<void(HWND sheet)>& user, bool& found) {
    test::MemoryFileReader files;
    NativeAnsiCodePage codePage;
    const std::u16string path = u"Language\\ENU.txt";
    files.SetFile(path, "1133=Welcome aboard\r\nString26=Name it, please.\r\n");
    const LanguageTexts language(files, codePage, path);
    WizardSession session(WizardData{1, u"DuvaDI", u"secret-key", {}, {}}, &host, codePage);
    CWizardSheet sheet(session, language);
    std::thread helper([&] {
        HWND window = nullptr;
        WaitUntil([&] {
            return (window = FindWindowOfThisProcess(kTitle)) != nullptr &&
                   PageShows(window, IDC_WIZ_WELCOME);
        });
        found = window != nullptr;
        if (found)
            user(window);
    });
    const bool finished = sheet.Run(nullptr);
    helper.join();
    return finished;
}

TEST(CWizardSheetTest, WalksTheCreatePathWithEachPagesButtonsAndEndsWithFinish) {
    FakeHost host;
    // Cancel stays disabled once the finish page has shown, also after going Back.
    const std::vector<std::string> expectedButtons = {"NC", "BNC", "BNC", "BNC", "BF", "BN"};
    std::vector<std::string> buttons;
    auto noteButtons = [&](HWND sheet) {
        buttons.push_back(SettledButtons(sheet, expectedButtons[buttons.size() % expectedButtons.size()]));
    };
    std::wstring welcome, name, security, key, confirmation, summary, emptyNameMessage;
    int selectedRow = -1;
    std::vector<int> lengths;
    LRESULT dropDownBrush = 0;
    LOGFONTW title{};
    bool found = false;
    const bool finished = RunSheet(
        host,
        [&](HWND sheet) {
            noteButtons(sheet);
            welcome = PageText(sheet, IDC_WIZ_WELCOME);
            ::GetObjectW(reinterpret_cast<HFONT>(::SendDlgItemMessageW(PropSheet_GetCurrentPageHwnd(sheet),
                                                                       IDC_WIZ_WELCOME, WM_GETFONT, 0, 0)),
                         sizeof(title), &title);
            Press(sheet, PSBTN_NEXT, IDC_WIZ_SSID);
            noteButtons(sheet);
            name = PageText(sheet, IDC_WIZ_SSID);
            security = PageText(sheet, IDC_WIZ_SECURITY);
            lengths.push_back(LengthTypedPast(sheet, IDC_WIZ_SSID, 32));
            const HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            COMBOBOXINFO combo{};
            combo.cbSize = sizeof(combo);
            if (::GetComboBoxInfo(::GetDlgItem(page, IDC_WIZ_SECURITY_COMBO), &combo)) {
                const fw::ClientDC dc(combo.hwndList);
                dropDownBrush = ::SendMessageW(page, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.Get()),
                                               reinterpret_cast<LPARAM>(combo.hwndList));
            }
            ::SetDlgItemTextW(page, IDC_WIZ_SSID, L"");
            ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
            HWND message = nullptr;
            WaitUntil([&] { return (message = FindWindowOfThisProcess(L"Aerowisp", sheet)) != nullptr; });
            for (const std::wstring& text : test::ChildTexts(message))
                emptyNameMessage = text.size() > emptyNameMessage.size() ? text : emptyNameMessage;
            ::PostMessageW(message, WM_COMMAND, IDOK, 0);
            WaitUntil([&] { return !::IsWindow(message); });
            ::SetDlgItemTextW(page, IDC_WIZ_SSID, L"NewNet");
            Press(sheet, PSBTN_NEXT, IDC_WIZ_KEY);
            noteButtons(sheet);
            key = PageText(sheet, IDC_WIZ_KEY);
            confirmation = PageText(sheet, IDC_WIZ_CONFIRM);
            for (int box : {IDC_WIZ_KEY, IDC_WIZ_CONFIRM}) {
                lengths.push_back(LengthTypedPast(sheet, box, 64));
                ::SetDlgItemTextW(PropSheet_GetCurrentPageHwnd(sheet), box, key.c_str());
            }
            Press(sheet, PSBTN_NEXT, IDC_WIZ_CONNECTIONS);
            noteButtons(sheet);
            selectedRow = ListView_GetNextItem(
                ::GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_WIZ_CONNECTIONS), -1, LVNI_SELECTED);
            Press(sheet, PSBTN_NEXT, IDC_WIZ_SUMMARY);
            noteButtons(sheet);
            summary = PageText(sheet, IDC_WIZ_SUMMARY);
            Press(sheet, PSBTN_BACK, IDC_WIZ_CONNECTIONS);
            noteButtons(sheet);
            Press(sheet, PSBTN_NEXT, IDC_WIZ_SUMMARY);
            ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        },
        found);
    ASSERT_TRUE(found);
    EXPECT_TRUE(finished);
    EXPECT_EQ(buttons, expectedButtons);
    EXPECT_STREQ(title.lfFaceName, L"Times New Roman");
    EXPECT_EQ(title.lfHeight, -16);
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_EQ(name, L"DuvaDI");
    EXPECT_EQ(security, L"WPA2-Personal");
    EXPECT_EQ(lengths, (std::vector<int>{32, 64, 64}));
    EXPECT_NE(dropDownBrush, 0);
    EXPECT_NE(dropDownBrush, reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)));
    EXPECT_EQ(welcome, L"Welcome aboard");
    EXPECT_EQ(emptyNameMessage, L"Name it, please.");
    EXPECT_EQ(key, L"secret-key");
    EXPECT_EQ(confirmation, L"secret-key");
    EXPECT_EQ(host.applied, (std::vector<std::u16string>{u"NewNet/secret-key"}));
    EXPECT_EQ(selectedRow, 1);
    EXPECT_EQ(summary,
              L"Network Name(SSID): NewNet\r\nAuthentication Type: WPA2-PSK\r\nEncryption: AES\r\n"
              L"Network Key: secret-key\r\nThe Internet Connection:\r\nWired 2\r\n");
}

// While it lives, the top-level windows this thread creates are made and kept at least `kWideSheet`
// pixels wide, as a sheet laid out with a larger dialog font would be.
constexpr int kWideSheet = 700;

WNDPROC g_sheetProc = nullptr;

LRESULT CALLBACK WideWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if ((position->flags & SWP_NOSIZE) == 0 && position->cx < kWideSheet)
            position->cx = kWideSheet;
    }
    return ::CallWindowProcW(g_sheetProc, window, message, wParam, lParam);
}

LRESULT CALLBACK WidenOnCreate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_sheetProc == nullptr) {
        CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (create->hwndParent == nullptr && (create->style & WS_CHILD) == 0) {
            create->cx = std::max(create->cx, kWideSheet);
            const HWND window = reinterpret_cast<HWND>(wParam);
            g_sheetProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WideWindowProc)));
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

struct WideSheet {
    WideSheet() : hook(::SetWindowsHookExW(WH_CBT, &WidenOnCreate, nullptr, ::GetCurrentThreadId())) {}
    ~WideSheet() {
        ::UnhookWindowsHookEx(hook);
        g_sheetProc = nullptr;
    }
    WideSheet(const WideSheet&) = delete;
    WideSheet& operator=(const WideSheet&) = delete;
    HHOOK hook;
};

// The join path goes straight to the hint, and Back from there to the mode page; the close command
// cancels although Cancel is disabled. On a sheet wider than the banner's 500 pixels the banner is
// stretched over the whole width at its own height of 50 pixels; below it the button face shows.
TEST(CWizardSheetTest, JoinShowsTheHintAndTheCloseCommandCancelsUnderTheBanner) {
    const WideSheet wide;
    FakeHost host;
    std::wstring hint;
    COLORREF banner = 0, below = 0;
    LONG width = 0;
    bool backToModePage = false;
    bool found = false;
    const bool finished = RunSheet(
        host,
        [&](HWND sheet) {
            ::SendDlgItemMessageW(PropSheet_GetCurrentPageHwnd(sheet), IDC_WIZ_JOIN, BM_CLICK, 0, 0);
            Press(sheet, PSBTN_NEXT, IDC_WIZ_SUMMARY);
            hint = PageText(sheet, IDC_WIZ_SUMMARY);
            RECT client{};
            ::GetClientRect(sheet, &client);
            width = client.right;
            const fw::ClientDC screen(sheet);
            const fw::MemoryDC memory(screen.Get());
            const fw::Bitmap bitmap(::CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
            const fw::SelectObjectGuard selected(memory.Get(), bitmap.Get());
            ::SendMessageW(sheet, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
            banner = ::GetPixel(memory.Get(), client.right - 3, 45);
            below = ::GetPixel(memory.Get(), client.right - 3, 50);
            Press(sheet, PSBTN_BACK, IDC_WIZ_WELCOME);
            backToModePage = PageShows(sheet, IDC_WIZ_WELCOME);
            ::PostMessageW(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        },
        found);
    ASSERT_TRUE(found);
    EXPECT_FALSE(finished);
    EXPECT_EQ(hint.rfind(L"Please use windows automatic wireless network configuration", 0), 0u);
    EXPECT_TRUE(backToModePage);
    EXPECT_TRUE(host.applied.empty());
    EXPECT_GE(width, kWideSheet - 20);
    EXPECT_NE(banner, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(below, ::GetSysColor(COLOR_BTNFACE));
}

// The main window closes the sheet it runs as the sheet's close box would: cancelled. Without a sheet
// showing there is nothing to close.
TEST(SetupWizardRunnerTest, CloseEndsTheRunningSheetCancelled) {
    test::MemoryFileReader files;
    NativeAnsiCodePage codePage;
    const std::u16string path = u"Language\\ENU.txt";
    const LanguageTexts language(files, codePage, path);
    FakeHost host;
    WizardSession session(WizardData{1, u"DuvaDI", u"secret-key", {}, {}}, &host, codePage);
    SetupWizardRunner runner(language);
    EXPECT_FALSE(runner.Close());
    bool closed = false;
    std::thread helper([&] {
        HWND window = nullptr;
        WaitUntil([&] {
            window = FindWindowOfThisProcess(kTitle);
            return window != nullptr && PageShows(window, IDC_WIZ_WELCOME);
        });
        // Once the first page's buttons are set the sheet runs its message loop: a close sent earlier,
        // while the sheet is still being made, can be lost under Wine.
        SettledButtons(window, "NC");
        closed = runner.Close();
    });
    const bool finished = runner.RunWizardSheet(session);
    helper.join();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(finished);
    EXPECT_FALSE(runner.Close());
    EXPECT_EQ(FindWindowOfThisProcess(kTitle), nullptr);
}

}  // namespace
}  // namespace aerowisp
