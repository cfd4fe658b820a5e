// The card selection dialog as a real modal dialog, answered from a helper thread: what it lists and
// shows, and what each way of ending it answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/support/memory_file_reader.h"
#include "hostednet/sel_card_dlg.h"
#include "native/native_code_page.h"
#include "res/resource.h"
#include "support/modal_dialog.h"

namespace aerowisp {
namespace {

using test::FindWindowOfThisProcess;
using test::WaitUntil;

constexpr wchar_t kDialogTitle[] = L"Select a Wireless LAN card";
constexpr char16_t kLanguageFilePath[] = u"Language\\CHS.txt";

const std::vector<std::u16string> kCards = {u"Intel(R) Centrino(R) Advanced-N 6205",
                                            u"Atheros AR9285 Wireless Network Adapter",
                                            u"Carte r\u00e9seau sans fil USB"};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(window, text, 256);
    return text;
}

// Runs the dialog with `cards` on this thread while `user` acts on it from another; the user must end it.
// `languageFile` is the language file's content.
std::optional<size_t> RunDialog(const std::function<void(HWND dialog)>& user, bool& dialogFound,
                                const std::string& languageFile = {}) {
    test::MemoryFileReader files;
    files.SetFile(kLanguageFilePath, languageFile);
    NativeAnsiCodePage codePage;
    const std::u16string path = kLanguageFilePath;
    const LanguageFile language(files, codePage, path);
    CSelCardDlg dialog(language);
    dialogFound = false;
    std::thread helper([&] {
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindWindowOfThisProcess(kDialogTitle)) != nullptr; });
        dialogFound = window != nullptr;
        if (window != nullptr)
            user(window);
    });
    const std::optional<size_t> answer = dialog.Ask(nullptr, kCards);
    helper.join();
    return answer;
}

void Select(HWND dialog, int index) {
    ::SendDlgItemMessageW(dialog, IDC_SEL_CARD_COMBO, CB_SETCURSEL, index, 0);
}

TEST(CSelCardDlgTest, ListsTheCardsInOrderWithTheFirstSelectedAndShowsOnlyTheChoice) {
    struct Shown {
        int id;
        const wchar_t* text;
        bool visible;
    };
    const Shown controls[] = {
        {IDC_SEL_CARD_PROMPT, L"Select a Wireless LAN card :", true},
        {IDC_SEL_CARD_NAME_LABEL, L"Device Name :", true},
        {IDC_SEL_CARD_COMBO, nullptr, true},
        {IDC_SEL_CARD_OK, L"OK", true},
        {IDC_SEL_CARD_DESCRIPTION_LABEL, L"Device Description :", false},
        {IDC_SEL_CARD_HARDWARE_ID_LABEL, L"Hardware ID :", false},
        {IDC_SEL_CARD_LOCATION_LABEL, L"Location Information :", false},
        {IDC_SEL_CARD_MANUFACTURER_LABEL, L"Manufactory :", false},
        {IDC_SEL_CARD_DESCRIPTION, L"", false},
        {IDC_SEL_CARD_HARDWARE_ID, L"", false},
        {IDC_SEL_CARD_LOCATION, L"", false},
        {IDC_SEL_CARD_MANUFACTURER, L"", false},
    };
    std::vector<std::wstring> listed;
    LRESULT selected = CB_ERR;
    std::vector<std::wstring> texts;
    std::vector<bool> visible;
    bool found = false;
    RunDialog(
        [&](HWND dialog) {
            HWND combo = ::GetDlgItem(dialog, IDC_SEL_CARD_COMBO);
            const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                wchar_t item[256] = L"";
                ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                listed.push_back(item);
            }
            selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
            for (const Shown& control : controls) {
                HWND window = ::GetDlgItem(dialog, control.id);
                texts.push_back(window != nullptr ? TextOf(window) : L"<missing>");
                visible.push_back(window != nullptr && ::IsWindowVisible(window));
            }
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found);
    ASSERT_TRUE(found);
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Intel(R) Centrino(R) Advanced-N 6205",
                                                 L"Atheros AR9285 Wireless Network Adapter",
                                                 L"Carte r\u00e9seau sans fil USB"}));
    EXPECT_EQ(selected, 0);
    for (size_t i = 0; i < std::size(controls); ++i) {
        SCOPED_TRACE(controls[i].id);
        if (controls[i].text != nullptr) {
            EXPECT_EQ(texts[i], controls[i].text);
        }
        EXPECT_EQ(visible[i], controls[i].visible);
    }
}

TEST(CSelCardDlgTest, OkTakesTheSelectionAndClosingTakesNothing) {
    struct EndCase {
        const char* label;
        int select;  // -1: leave the first selected
        UINT message;
        WPARAM wParam;
        std::optional<size_t> answer;
    };
    const EndCase cases[] = {
        {"OK after choosing the third", 2, WM_COMMAND, MAKEWPARAM(IDC_SEL_CARD_OK, BN_CLICKED), 2},
        {"OK untouched", -1, WM_COMMAND, MAKEWPARAM(IDC_SEL_CARD_OK, BN_CLICKED), 0},
        {"Enter after choosing the second", 1, WM_COMMAND, IDOK, 1},
        {"Esc after choosing the third", 2, WM_COMMAND, IDCANCEL, std::nullopt},
        {"close box after choosing the second", 1, WM_SYSCOMMAND, SC_CLOSE, std::nullopt},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.label);
        bool found = false;
        const std::optional<size_t> answer = RunDialog(
            [&](HWND dialog) {
                if (c.select >= 0)
                    Select(dialog, c.select);
                ::PostMessageW(dialog, c.message, c.wParam, 0);
            },
            found);
        ASSERT_TRUE(found);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(CSelCardDlgTest, TakesItsControlTextsFromTheLanguageFileAndKeepsTheDetailsHidden) {
    std::wstring prompt;
    std::wstring okButton;
    std::wstring hiddenLabel;
    bool hiddenLabelVisible = true;
    bool found = false;
    RunDialog(
        [&](HWND dialog) {
            prompt = TextOf(::GetDlgItem(dialog, IDC_SEL_CARD_PROMPT));
            okButton = TextOf(::GetDlgItem(dialog, IDC_SEL_CARD_OK));
            HWND label = ::GetDlgItem(dialog, IDC_SEL_CARD_HARDWARE_ID_LABEL);
            hiddenLabel = TextOf(label);
            hiddenLabelVisible = ::IsWindowVisible(label) != FALSE;
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found, "1118=Choose a card :\r\n1124=Use it\r\n1121=PnP ID :\r\n");
    ASSERT_TRUE(found);
    EXPECT_EQ(prompt, L"Choose a card :");
    EXPECT_EQ(okButton, L"Use it");
    EXPECT_EQ(hiddenLabel, L"PnP ID :");
    EXPECT_FALSE(hiddenLabelVisible);
}

}  // namespace
}  // namespace aerowisp
