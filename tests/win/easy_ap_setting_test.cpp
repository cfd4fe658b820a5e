// The Extended AP Settings dialog as a real modal dialog: a helper thread waits for it, types into it
// and answers its messages the way a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/support/memory_file_reader.h"
#include "fw/wide_text.h"
#include "hostednet/easy_ap_setting.h"
#include "native/native_code_page.h"
#include "core/resource.h"
#include "support/modal_dialog.h"
#include "support/test_window.h"

namespace aerowisp {
namespace {

using test::FindWindowOfThisProcess;
using test::WaitUntil;

constexpr wchar_t kDialogTitle[] = L"Extended AP Settings";
constexpr wchar_t kMessageCaption[] = L"Aerowisp";
constexpr char16_t kLanguageFilePath[] = u"Language\\ENU.txt";

std::wstring TextOf(HWND dialog, int id) {
    wchar_t text[256] = L"";
    ::GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

int FocusedControlOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) || info.hwndFocus == nullptr)
        return 0;
    return ::GetDlgCtrlID(info.hwndFocus);
}

// What the user did and saw while the dialog was open.
struct Session {
    std::wstring message;  // empty: no message box appeared
    int focusAfterMessage = 0;
    std::wstring ssidAfterMessage;
};

// Runs the dialog on this thread while `user` acts on it from another; the user must end the dialog.
// `languageFile` is the language file's content.
ApSettingsAnswer RunDialog(const std::function<void(HWND dialog)>& user, bool& dialogFound,
                           const std::string& languageFile = {}) {
    test::MemoryFileReader files;
    files.SetFile(kLanguageFilePath, languageFile);
    NativeAnsiCodePage codePage;
    const std::u16string path = kLanguageFilePath;
    const LanguageTexts language(files, codePage, path);
    CEasyAPSetting dialog(language, codePage);
    std::thread helper([&] {
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindWindowOfThisProcess(kDialogTitle)) != nullptr; });
        dialogFound = window != nullptr;
        if (window != nullptr)
            user(window);
    });
    ApSettingsAnswer answer = dialog.Ask(nullptr);
    helper.join();
    return answer;
}

void Type(HWND dialog, const std::wstring& ssid, const std::wstring& key, const std::wstring& confirmation) {
    ::SendMessageW(::GetDlgItem(dialog, IDC_EASY_SSID), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(ssid.c_str()));
    ::SendMessageW(::GetDlgItem(dialog, IDC_EASY_KEY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(key.c_str()));
    ::SendMessageW(::GetDlgItem(dialog, IDC_EASY_CONFIRM), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(confirmation.c_str()));
}

// Presses OK; when a message box comes up, notes it and the focus left behind, then dismisses it.
void PressOk(HWND dialog, Session& session) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_EASY_OK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_EASY_OK)));
    HWND message = nullptr;
    if (!WaitUntil([&] {
            return !::IsWindow(dialog) ||
                   (message = FindWindowOfThisProcess(kMessageCaption, dialog)) != nullptr;
        }) ||
        message == nullptr)
        return;
    for (const std::wstring& text : test::ChildTexts(message)) {
        if (text.size() > session.message.size())
            session.message = text;
    }
    ::PostMessageW(message, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !::IsWindow(message); });
    // The OK handler moves the focus once the message box has returned; a message sent to the dialog is
    // answered only after that handler has finished.
    ::SendMessageW(dialog, WM_NULL, 0, 0);
    session.focusAfterMessage = FocusedControlOf(dialog);
    session.ssidAfterMessage = TextOf(dialog, IDC_EASY_SSID);
}

TEST(CEasyAPSettingTest, OffersANameAndLimitsEachBoxWhileTheCloseBoxCancels) {
    LRESULT limits[3] = {};
    std::wstring ssid;
    std::wstring key;
    int lengthAfterTypingPastTheLimit = 0;
    bool found = false;
    const ApSettingsAnswer answer = RunDialog(
        [&](HWND dialog) {
            ssid = TextOf(dialog, IDC_EASY_SSID);
            key = TextOf(dialog, IDC_EASY_KEY);
            const int boxes[] = {IDC_EASY_SSID, IDC_EASY_KEY, IDC_EASY_CONFIRM};
            for (int i = 0; i < 3; ++i)
                limits[i] = ::SendDlgItemMessageW(dialog, boxes[i], EM_GETLIMITTEXT, 0, 0);
            HWND box = ::GetDlgItem(dialog, IDC_EASY_SSID);
            ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(32, L'a').c_str()));
            ::SendMessageW(box, EM_SETSEL, 32, 32);
            ::SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"b"));
            lengthAfterTypingPastTheLimit = ::GetWindowTextLengthW(box);
            ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        },
        found);
    ASSERT_TRUE(found);
    EXPECT_EQ(L"DuvaDI", ssid);
    EXPECT_EQ(L"", key);
    EXPECT_EQ(32, limits[0]);
    EXPECT_EQ(64, limits[1]);
    EXPECT_EQ(64, limits[2]);
    EXPECT_EQ(32, lengthAfterTypingPastTheLimit);
    EXPECT_FALSE(answer.confirmed);
}

// Control texts and messages alike without the line end the file leaves at a text's end.
TEST(CEasyAPSettingTest, TakesItsTextsFromTheLanguageFile) {
    std::wstring prompt;
    std::wstring okButton;
    Session session;
    bool found = false;
    RunDialog(
        [&](HWND dialog) {
            prompt = TextOf(dialog, IDC_EASY_PROMPT);
            okButton = TextOf(dialog, IDC_EASY_OK);
            Type(dialog, L"", L"abcdefgh", L"abcdefgh");
            PressOk(dialog, session);
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found, "1109=Name and key, please :\r\nString20=Name it, please.\r\n");
    ASSERT_TRUE(found);
    EXPECT_EQ(L"Name and key, please :", prompt);
    EXPECT_EQ(L"OK", okButton) << "no line for it: the template's text";
    EXPECT_EQ(L"Name it, please.", session.message);
}

TEST(CEasyAPSettingTest, EscCancelsWithNothingStored) {
    bool found = false;
    const ApSettingsAnswer answer = RunDialog(
        [](HWND dialog) {
            Type(dialog, L"Home", L"abcdefgh", L"abcdefgh");
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found);
    ASSERT_TRUE(found);
    EXPECT_FALSE(answer.confirmed);
    EXPECT_EQ(u"", answer.ssid);
}

struct InvalidCase {
    const char* label;
    std::wstring ssid;
    std::wstring key;
    std::wstring confirmation;
    std::wstring message;
    int focus;
};

// One dialog for all cases: each message box is answered and the next input typed into the same boxes.
// The cases alternate between the two boxes, so each one shows the focus moving.
TEST(CEasyAPSettingTest, InvalidInputIsToldOnceAndKeepsTheDialogOpen) {
    const std::wstring invalidSsid = L"Invalid SSID";
    const std::wstring invalidKey =
        L"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII characters or 64 Hex "
        L"characters";
    const std::wstring mismatch = L"Confirm network key does not match";
    const InvalidCase cases[] = {
        {"7-character key", L"Home", L"abcdefg", L"abcdefg", invalidKey, IDC_EASY_KEY},
        {"empty SSID", L"", L"abcdefgh", L"abcdefgh", invalidSsid, IDC_EASY_SSID},
        {"confirmation differs", L"Home", L"abcdefgh", L"abcdefgx", mismatch, IDC_EASY_KEY},
        {"SSID above U+0100", L"Caf\u0101", L"abcdefgh", L"abcdefgh", invalidSsid, IDC_EASY_SSID},
        {"confirmation differs only in the case of A-Z", L"Home", L"abcdefgh", L"ABCDEFGH", mismatch,
         IDC_EASY_KEY},
        // Windows-1252, the code page of the test machine, has U+0100 only by best fit ("A").
        {"SSID without an exact ANSI form", L"Caf\u0100", L"abcdefgh", L"abcdefgh", invalidSsid,
         IDC_EASY_SSID},
        {"Cyrillic key", L"Home", L"\u043f\u0430\u0440\u043e\u043b\u044c12",
         L"\u043f\u0430\u0440\u043e\u043b\u044c12", invalidKey, IDC_EASY_KEY},
        {"both wrong: the SSID is told", L"", L"short", L"short", invalidSsid, IDC_EASY_SSID},
        {"64 characters that are not hexadecimal", L"Home", std::wstring(63, L'a') + L"g",
         std::wstring(63, L'a') + L"g", invalidKey, IDC_EASY_KEY},
        {"65 characters set past the box's limit", L"Home", std::wstring(65, L'a'), std::wstring(65, L'a'),
         invalidKey, IDC_EASY_KEY},
    };
    std::vector<Session> sessions(std::size(cases));
    bool stillOpen = false;
    bool found = false;
    const ApSettingsAnswer answer = RunDialog(
        [&](HWND dialog) {
            for (size_t i = 0; i < std::size(cases); ++i) {
                Type(dialog, cases[i].ssid, cases[i].key, cases[i].confirmation);
                PressOk(dialog, sessions[i]);
            }
            stillOpen = ::IsWindow(dialog) != FALSE;
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        found);
    ASSERT_TRUE(found);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].label);
        EXPECT_EQ(cases[i].message, sessions[i].message);
        EXPECT_EQ(cases[i].focus, sessions[i].focusAfterMessage);
        EXPECT_EQ(cases[i].ssid, sessions[i].ssidAfterMessage) << "the user's text stays";
    }
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(answer.confirmed);
}

TEST(CEasyAPSettingTest, ValidInputIsConfirmedAsTyped) {
    struct ValidCase {
        const char* label;
        std::wstring ssid;
        std::wstring key;
        std::wstring confirmation;
    };
    const std::wstring hexKey = std::wstring(32, L'0') + std::wstring(16, L'a') + std::wstring(16, L'F');
    const ValidCase cases[] = {
        {"blanks and quotes in the key", L"Home", L" a \"b\" 'c' ", L" a \"b\" 'c' "},
        {"64 hexadecimal digits and an accented SSID", L"Caf\u00e9", hexKey, hexKey},
    };
    for (const ValidCase& c : cases) {
        SCOPED_TRACE(c.label);
        Session session;
        bool found = false;
        const ApSettingsAnswer answer = RunDialog(
            [&](HWND dialog) {
                Type(dialog, c.ssid, c.key, c.confirmation);
                PressOk(dialog, session);
                if (::IsWindow(dialog))
                    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            },
            found);
        ASSERT_TRUE(found);
        EXPECT_EQ(L"", session.message);
        ASSERT_TRUE(answer.confirmed);
        EXPECT_EQ(fw::FromWide(c.ssid), answer.ssid);
        EXPECT_EQ(fw::FromWide(c.key), answer.key);
    }
}

}  // namespace
}  // namespace aerowisp
