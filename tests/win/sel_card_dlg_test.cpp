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
#include "fw/window.h"
#include "native/native_code_page.h"
#include "core/resource.h"
#include "support/modal_dialog.h"

namespace aerowisp {
namespace {

using test::FindWindowOfThisProcess;
using test::WaitUntil;

constexpr wchar_t kDialogTitle[] = L"Select a Wireless LAN card";
constexpr char16_t kLanguageTextsPath[] = u"Language\\CHS.txt";

const std::vector<std::u16string> kCards = {u"Intel(R) Centrino(R) Advanced-N 6205",
                                            u"Atheros AR9285 Wireless Network Adapter",
                                            u"Carte r\u00e9seau sans fil USB"};

// Runs the dialog with `cards` on this thread while `user` acts on it from another; the user must end it.
// `languageFile` is the language file's content.
std::optional<size_t> RunDialog(const std::function<void(HWND dialog)>& user, bool& dialogFound,
                                const std::string& languageFile = {}) {
    test::MemoryFileReader files;
    files.SetFile(kLanguageTextsPath, languageFile);
    NativeAnsiCodePage codePage;
    const std::u16string path = kLanguageTextsPath;
    const LanguageTexts language(files, codePage, path);
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

// The texts come from the language file where it has a line, else from the template; the device details
// stay hidden even when the file names them.
TEST(CSelCardDlgTest, ListsTheCardsInOrderWithTheFirstSelectedAndShowsOnlyTheChoice) {
    const std::vector<int> shown = {IDC_SEL_CARD_PROMPT, IDC_SEL_CARD_NAME_LABEL, IDC_SEL_CARD_COMBO,
                                    IDC_SEL_CARD_OK};
    const std::vector<int> hidden = {IDC_SEL_CARD_DESCRIPTION_LABEL, IDC_SEL_CARD_HARDWARE_ID_LABEL,
                                     IDC_SEL_CARD_LOCATION_LABEL,    IDC_SEL_CARD_MANUFACTURER_LABEL,
                                     IDC_SEL_CARD_DESCRIPTION,       IDC_SEL_CARD_HARDWARE_ID,
                                     IDC_SEL_CARD_LOCATION,          IDC_SEL_CARD_MANUFACTURER};
    std::vector<std::wstring> listed;
    LRESULT selected = CB_ERR;
    std::vector<std::wstring> texts;
    std::vector<int> visibleIds;
    std::vector<int> hiddenIds;
    bool found = false;
    RunDialog(
        [&](HWND dialog) {
            HWND combo = ::GetDlgItem(dialog, IDC_SEL_CARD_COMBO);
            for (LRESULT i = 0; i < ::SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
                wchar_t item[256] = L"";
                ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                listed.push_back(item);
            }
            selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
            for (int id : {IDC_SEL_CARD_PROMPT, IDC_SEL_CARD_OK, IDC_SEL_CARD_HARDWARE_ID_LABEL})
                texts.push_back(fw::Window::TextOf(::GetDlgItem(dialog, id)));
            for (const std::vector<int>* ids : {&shown, &hidden}) {
                for (int id : *ids) {
                    if (HWND control = ::GetDlgItem(dialog, id))
                        (::IsWindowVisible(control) ? visibleIds : hiddenIds).push_back(id);
                }
            }
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found, "1118=Choose a card :\r\n1121=PnP ID :\r\n");
    ASSERT_TRUE(found);
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Intel(R) Centrino(R) Advanced-N 6205",
                                                 L"Atheros AR9285 Wireless Network Adapter",
                                                 L"Carte r\u00e9seau sans fil USB"}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Choose a card :", L"OK", L"PnP ID :"}));
    EXPECT_EQ(visibleIds, shown);
    EXPECT_EQ(hiddenIds, hidden);
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
                    ::SendDlgItemMessageW(dialog, IDC_SEL_CARD_COMBO, CB_SETCURSEL, c.select, 0);
                ::PostMessageW(dialog, c.message, c.wParam, 0);
            },
            found);
        ASSERT_TRUE(found);
        EXPECT_EQ(answer, c.answer);
    }
}

}  // namespace
}  // namespace aerowisp
