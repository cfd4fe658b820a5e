// The About page and dialog on their templates: the page's card name, version and date from the running
// program, its web button opening the chosen address on a worker of its own, and the dialog's texts and
// the About flag it clears.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/app/about_flag.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "core/support/memory_file_reader.h"
#include "core/version.h"
#include "fw/window.h"
#include "native/native_code_page.h"
#include "support/fake_page_requests.h"
#include "support/modal_dialog.h"
#include "support/test_window.h"
#include "widgets/about_dlg.h"
#include "widgets/about_page.h"

namespace aerowisp {
namespace {

constexpr char16_t kLanguagePath[] = u"Language\\ENU.txt";
constexpr auto kWorkerWait = std::chrono::seconds(10);

// Opens nothing: records each address, the thread it came on and whether that thread had COM.
class RecordingBrowser final : public WebBrowser {
  public:
    struct Opened {
        std::u16string address;
        DWORD thread = 0;
        bool comInitialised = false;
    };

    void OpenWebAddress(const std::u16string& address) override {
        // S_FALSE: the thread had COM already, as the shell needs.
        const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(com))
            ::CoUninitialize();
        const std::lock_guard lock(mutex_);
        opened_.push_back({address, ::GetCurrentThreadId(), com == S_FALSE});
        changed_.notify_all();
    }

    std::vector<Opened> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kWorkerWait, [&] { return opened_.size() >= count; });
        return opened_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Opened> opened_;
};

struct AboutPageHost {
    explicit AboutPageHost(const std::string& languageFile) {
        files.SetFile(kLanguagePath, languageFile);
        page.UseRequests(&requests);
        page.Create(host.Handle());
    }
    HWND Item(int id) { return ::GetDlgItem(page.Handle(), id); }

    test::MemoryFileReader files;
    NativeAnsiCodePage codePage;
    const std::u16string path = kLanguagePath;
    const LanguageTexts language{files, codePage, path};
    test::FakePageRequests requests{language};
    RecordingBrowser browser;
    test::TestWindow host{L"About page test"};
    CAboutPage page{browser};
};

TEST(CAboutPageTest, ShowsTheCardAndTheRunningProgramsVersionAndDate) {
    AboutPageHost about("");
    ASSERT_NE(about.page.Handle(), nullptr);
    EXPECT_EQ(fw::Window::TextOf(about.Item(IDC_ABOUT_VERSION)), L"1.00.0000.000");
    about.page.RefreshVersionInfo(u"Intel(R) Centrino(R) Advanced-N 6205");
    EXPECT_EQ(fw::Window::TextOf(about.Item(IDC_ABOUT_DEVICE)), L"Intel(R) Centrino(R) Advanced-N 6205");
    EXPECT_EQ(fw::Window::TextOf(about.Item(IDC_ABOUT_VERSION)), L"7.8.9.10\n");

    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    WIN32_FILE_ATTRIBUTE_DATA status{};
    ASSERT_TRUE(::GetFileAttributesExW(path, GetFileExInfoStandard, &status));
    FILETIME local{};
    SYSTEMTIME time{};
    ASSERT_TRUE(::FileTimeToLocalFileTime(&status.ftLastWriteTime, &local));
    ASSERT_TRUE(::FileTimeToSystemTime(&local, &time));
    wchar_t date[16] = L"";
    std::swprintf(date, 16, L"%02u-%02u-%04u", time.wMonth, time.wDay, time.wYear);
    EXPECT_EQ(fw::Window::TextOf(about.Item(IDC_ABOUT_DATE)), date);
}

// The address is looked up when the button is pressed and opened on another thread with COM; a program
// named by the language file is never handed to the shell. Two presses open it twice.
TEST(CAboutPageTest, WebButtonOpensTheChosenAddressOnAWorker) {
    struct Case {
        std::string languageFile;
        std::u16string opened;
    };
    const Case cases[] = {
        {"String10=https://duva.example/aerowisp\r\n", u"https://duva.example/aerowisp"},
        {"String10=C:\\Windows\\System32\\calc.exe\r\n", std::u16string(kMakerWebAddress.englishDefault)},
        {"String10=\\\\server\\share\\setup.exe\r\n", std::u16string(kMakerWebAddress.englishDefault)},
        {"", std::u16string(kMakerWebAddress.englishDefault)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languageFile);
        AboutPageHost about(c.languageFile);
        ::SendMessageW(about.Item(IDC_ABOUT_WEB), BM_CLICK, 0, 0);
        ::SendMessageW(about.Item(IDC_ABOUT_WEB), BM_CLICK, 0, 0);
        const std::vector<RecordingBrowser::Opened> opened = about.browser.WaitFor(2);
        ASSERT_EQ(opened.size(), 2u);
        for (const RecordingBrowser::Opened& o : opened) {
            EXPECT_EQ(o.address, c.opened);
            EXPECT_NE(o.thread, ::GetCurrentThreadId());
            EXPECT_TRUE(o.comInitialised);
        }
    }
}

TEST(CAboutDlgTest, ShowsNameAndVersionOnTemplate100AndClearsTheAboutFlag) {
    SetAboutDialogOpen(true);
    std::vector<std::wstring> texts;
    RECT client{};
    RECT expected{0, 0, 170, 62};
    bool okIsDefault = false;
    std::thread user([&] {
        HWND dialog = nullptr;
        test::WaitUntil(
            [&] { return (dialog = test::FindWindowOfThisProcess(L"About Aerowisp")) != nullptr; });
        if (dialog == nullptr)
            return;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
            texts.push_back(fw::Window::TextOf(child));
        ::GetClientRect(dialog, &client);
        ::MapDialogRect(dialog, &expected);
        okIsDefault = (::GetWindowLongW(::GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    CAboutDlg dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    user.join();
    EXPECT_FALSE(IsAboutDialogOpen());
    // The icon control names its resource by number: icon 128.
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"\xFFFF\x80", L"Aerowisp   " AEROWISP_VERSION_TEXT,
                                                L"Copyright (C) 2026 Duva DI", L"OK"}));
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    EXPECT_TRUE(okIsDefault);
}

}  // namespace
}  // namespace aerowisp
