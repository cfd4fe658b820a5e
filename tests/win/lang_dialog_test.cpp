// The language file on Windows: pieces read through the C runtime, and control texts set in real dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/lang/language_texts.h"
#include "core/lang/piece_reader.h"
#include "lang/language_dialog.h"
#include "native/native_file_reader.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

using namespace std::string_literals;

// A file in the temporary folder, removed again at the end of the test.
class TempFile {
  public:
    TempFile(const wchar_t* name, const std::string& bytes) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + name;
        FILE* stream = _wfopen(path_.c_str(), L"wb");
        EXPECT_NE(stream, nullptr);
        if (stream != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), stream);
            std::fclose(stream);
        }
    }
    ~TempFile() { DeleteFileW(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::u16string Path() const { return fw::FromWide(path_); }

  private:
    std::wstring path_;
};

TEST(NativeFileReader, GivesThePiecesTheRuntimesFgetsGives) {
    std::string bytes = "String1=Link Status\r\n" + std::string(299, 'x') + "\nzero\0byte\r\n\n\rlone CR\n"s;
    bytes.append(std::string(5000, 'y')).append("no line end");
    TempFile file(L"aerowisp \u8bed\u8a00.txt", bytes);

    std::vector<std::string> expected;
    {
        FILE* stream = _wfopen(fw::ToWide(file.Path()).c_str(), L"rb");
        ASSERT_NE(stream, nullptr);
        char buffer[kPieceMaxBytes + 1];
        for (long before = std::ftell(stream); std::fgets(buffer, sizeof buffer, stream) != nullptr;
             before = std::ftell(stream)) {
            // The piece's length from the stream position, as zero bytes hide it from strlen.
            expected.emplace_back(buffer, static_cast<size_t>(std::ftell(stream) - before));
        }
        std::fclose(stream);
    }
    ASSERT_GT(expected.size(), 25u);

    NativeFileReader files;
    auto opened = files.Open(file.Path());
    ASSERT_NE(opened, nullptr);
    PieceReader reader(*opened);
    std::vector<std::string> pieces;
    std::string_view piece;
    while (reader.Next(piece))
        pieces.emplace_back(piece);
    EXPECT_EQ(pieces, expected);

    EXPECT_EQ(files.Open(file.Path() + u".missing"), nullptr);
}

// The texts here are ASCII: byte for character, whatever the system's code page.
class AsciiCodePage final : public AnsiCodePage {
  public:
    std::string WideToAnsi(std::u16string_view text) override {
        return std::string(text.begin(), text.end());
    }
    std::optional<std::string> WideToAnsiExactly(std::u16string_view text) override {
        return WideToAnsi(text);
    }
    std::u16string AnsiToWide(std::string_view bytes) override {
        return std::u16string(bytes.begin(), bytes.end());
    }
};

// A window of the dialog class with child controls, each a button, edit box or static with an
// identifier and a text.
class TestDialog {
  public:
    struct Control {
        int id;
        const wchar_t* windowClass;
        const wchar_t* text;
    };

    explicit TestDialog(const std::vector<Control>& controls)
        : window_(CreateWindowExW(0, WC_DIALOG, L"Language test", WS_POPUP | WS_CAPTION, 0, 0, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        for (const Control& control : controls) {
            CreateWindowExW(0, control.windowClass, control.text, WS_CHILD | WS_VISIBLE, 0, 0, 200, 20,
                            window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                            GetModuleHandleW(nullptr), nullptr);
        }
    }
    ~TestDialog() {
        if (window_ != nullptr)
            DestroyWindow(window_);
    }
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Window() const { return window_; }
    std::wstring Text(int id) const {
        wchar_t text[256] = {};
        GetDlgItemTextW(window_, id, text, 256);
        return text;
    }

  private:
    HWND window_;
};

TEST(ApplyLanguageToDialog, SetsTheTextOfEveryNamedControlADialogHas) {
    TempFile language(L"aerowisp-lang-test.txt",
                      "String1=not a control\r\n1000=never\r\n1062=Apply now\r\n1053=Confirm key\r\n"
                      "1109= Two  blanks \r\n1131=\r\n");
    NativeFileReader files;
    AsciiCodePage codePage;
    const std::u16string path = language.Path();
    const LanguageTexts file(files, codePage, path);

    TestDialog page({{1000, L"BUTTON", L"Link Status"},
                     {1062, L"BUTTON", L"Apply"},
                     {1053, L"EDIT", L""},
                     {1049, L"EDIT", L"DuvaDI"},
                     {1131, L"BUTTON", L"Apply"}});
    TestDialog other({{1062, L"BUTTON", L"Apply"}, {1109, L"STATIC", L"Please enter"}});
    ASSERT_NE(page.Window(), nullptr);
    ASSERT_NE(other.Window(), nullptr);
    // A control's own child is not one of the dialog's controls, whatever its identifier.
    const HWND grandchild =
        CreateWindowExW(0, L"STATIC", L"Inside", WS_CHILD, 0, 0, 10, 10, GetDlgItem(page.Window(), 1062),
                        reinterpret_cast<HMENU>(INT_PTR{1109}), GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(grandchild, nullptr);
    ApplyLanguageToDialog(page.Window(), file);
    ApplyLanguageToDialog(other.Window(), file);

    EXPECT_EQ(page.Text(1000), L"Link Status");
    EXPECT_EQ(page.Text(1062), L"Apply now");
    EXPECT_EQ(page.Text(1053), L"Confirm key");
    EXPECT_EQ(page.Text(1049), L"DuvaDI");
    EXPECT_EQ(page.Text(1131), L"");  // a text that is only a line end shows as nothing
    EXPECT_EQ(other.Text(1062), L"Apply now");
    EXPECT_EQ(other.Text(1109), L" Two  blanks ");
    wchar_t inside[16] = {};
    GetWindowTextW(grandchild, inside, 16);
    EXPECT_EQ(std::wstring(inside), L"Inside");

    // Without the file nothing changes.
    const std::u16string missing = path + u".missing";
    TestDialog untouched({{1062, L"BUTTON", L"Apply"}});
    ApplyLanguageToDialog(untouched.Window(), LanguageTexts(files, codePage, missing));
    EXPECT_EQ(untouched.Text(1062), L"Apply");
}

}  // namespace
}  // namespace aerowisp
