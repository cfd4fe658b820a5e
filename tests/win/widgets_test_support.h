// Shared pieces of the widget tests: a shown test dialog with its button and static bound, a memory picture
// to draw into, and a look at the tooltip windows of the thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <ios>
#include <optional>
#include <string>
#include <vector>

#include "fw/dialog.h"
#include "fw/gdi.h"
#include "support/test_window.h"
#include "widgets/hover_button.h"
#include "widgets/owner_draw_wnd.h"
#include "win/widgets_test_resources.h"

namespace aerowisp::widgets_test {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// What a canvas holds where nothing was drawn; no test picture has this colour.
constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr UINT kMissingResource = 999;
// Faces of the test bitmaps (face_*.bmp).
constexpr int kFaceWidth = 40;
constexpr int kFaceHeight = 30;

// The test dialog, modeless, with its owner-drawn button and static bound to widgets. It is shown only on
// request: hiding a shown top-level window makes Wine wait two seconds for a window manager that Xvfb lacks.
class WidgetHost : public fw::Dialog {
  public:
    explicit WidgetHost(bool shown = false) : fw::Dialog(IDD_WIDGETS_TEST) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        Create(nullptr);
        ::SetWindowPos(Handle(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | (shown ? SWP_SHOWWINDOW : 0));
    }

    CHoverButton button;
    COwnerDrawWnd picture;

  protected:
    BOOL OnInitDialog() override {
        button.SubclassDlgItem(IDC_TEST_BUTTON, Handle());
        picture.SubclassDlgItem(IDC_TEST_PICTURE, Handle());
        return TRUE;
    }
};

// A 32-bit memory picture that starts all kUntouched.
class Canvas {
  public:
    Canvas(int width, int height)
        : dc_(nullptr), bitmap_(MakeBitmap(width, height)), selected_(dc_.Get(), bitmap_.Get()) {
        const fw::Brush fill(::CreateSolidBrush(kUntouched));
        const RECT all{0, 0, width, height};
        ::FillRect(dc_.Get(), &all, fill.Get());
    }
    HDC Dc() const { return dc_.Get(); }
    COLORREF Pixel(int x, int y) const {
        ::GdiFlush();
        return ::GetPixel(dc_.Get(), x, y);
    }

  private:
    static HBITMAP MakeBitmap(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }

    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    fw::SelectObjectGuard selected_;
};

inline testing::AssertionResult PixelIs(const Canvas& canvas, int x, int y, COLORREF expected) {
    const COLORREF actual = canvas.Pixel(x, y);
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is COLORREF 0x" << std::hex
                                       << actual << ", expected 0x" << expected;
}

// A square of `colour` with its top left corner at (x, y) and nothing of that colour just outside it.
inline void ExpectSquare(const Canvas& canvas, int x, int y, int size, COLORREF colour, COLORREF around) {
    EXPECT_TRUE(PixelIs(canvas, x, y, colour));
    EXPECT_TRUE(PixelIs(canvas, x + size - 1, y + size - 1, colour));
    EXPECT_TRUE(PixelIs(canvas, x - 1, y - 1, around));
    EXPECT_TRUE(PixelIs(canvas, x + size, y + size, around));
}

// Lets a control paint itself into `canvas` the way it paints on screen: through its parent's WM_DRAWITEM.
inline void Print(HWND control, const Canvas& canvas) {
    ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
}

inline RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

// The window is `width` x `height` with the top left corner it had in `before`.
inline void ExpectSizedInPlace(HWND hwnd, const RECT& before, int width, int height) {
    const RECT now = WindowRect(hwnd);
    EXPECT_EQ(before.left, now.left);
    EXPECT_EQ(before.top, now.top);
    EXPECT_EQ(width, now.right - now.left);
    EXPECT_EQ(height, now.bottom - now.top);
}

inline BOOL CALLBACK CollectToolTip(HWND hwnd, LPARAM found) {
    wchar_t name[64]{};
    ::GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

// The tooltip windows of this thread.
inline std::vector<HWND> ThreadToolTips() {
    std::vector<HWND> tips;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectToolTip, reinterpret_cast<LPARAM>(&tips));
    return tips;
}

// The one tooltip this thread has, or null when it has none or several.
inline HWND OnlyToolTip() {
    const std::vector<HWND> tips = ThreadToolTips();
    return tips.size() == 1 ? tips.front() : nullptr;
}

// The text of tool 1 of `tool` in tooltip `tip`.
inline std::wstring ToolText(HWND tip, HWND tool) {
    wchar_t text[256]{};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = tool;
    info.uId = 1;
    info.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return text;
}

// Records the TTM_ACTIVATE flags a tooltip receives.
class ActivationSpy {
  public:
    explicit ActivationSpy(HWND tip) : tip_(tip) {
        ::SetWindowSubclass(tip_, &Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~ActivationSpy() { ::RemoveWindowSubclass(tip_, &Proc, 1); }
    ActivationSpy(const ActivationSpy&) = delete;
    ActivationSpy& operator=(const ActivationSpy&) = delete;

    std::optional<bool> Last() const { return last_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        if (message == TTM_ACTIVATE)
            reinterpret_cast<ActivationSpy*>(self)->last_ = wParam != FALSE;
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }

    HWND tip_;
    std::optional<bool> last_;
};

using test::PumpUntil;

}  // namespace aerowisp::widgets_test
