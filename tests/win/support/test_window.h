// A hidden top-level window of the test's own that records what reaches it, and message pumping that
// waits for a condition with a deadline instead of sleeping.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace aerowisp::test {

// Runs the thread's messages until `done` holds or `timeoutMs` has passed; the result of `done`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

struct ReceivedCommand {
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// What reached a TestWindow.
struct WindowRecord {
    std::vector<UINT_PTR> timerTicks;
    std::vector<ReceivedCommand> commands;
    int sysCommandCloses = 0;
};

class TestWindow {
  public:
    // `dialogBox`: of the dialog box class ("#32770"), as the product's windows are.
    explicit TestWindow(const std::wstring& title, bool dialogBox = false) {
        if (dialogBox) {
            m_window = ::CreateWindowExW(0, WC_DIALOG, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                         nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            if (m_window != nullptr) {
                ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_record));
                ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
            }
            return;
        }
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        ::RegisterClassExW(&windowClass);  // fails harmlessly once the class exists
        m_window = ::CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                     nullptr, nullptr, ::GetModuleHandleW(nullptr), &m_record);
    }
    ~TestWindow() {
        if (m_window != nullptr)
            ::DestroyWindow(m_window);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_window; }
    WindowRecord& Record() { return m_record; }

  private:
    static constexpr wchar_t kClassName[] = L"AerowispTestWindow";

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* record = reinterpret_cast<WindowRecord*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (record != nullptr) {
            switch (message) {
                case WM_TIMER:
                    record->timerTicks.push_back(wParam);
                    return 0;
                case WM_COMMAND:
                    record->commands.push_back({wParam, lParam});
                    return 0;
                case WM_SYSCOMMAND:
                    if ((wParam & 0xFFF0) == SC_CLOSE) {
                        ++record->sysCommandCloses;
                        return 0;
                    }
                    break;
                default:
                    break;
            }
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    WindowRecord m_record;
    HWND m_window = nullptr;
};

inline BOOL CALLBACK CollectChildText(HWND child, LPARAM context) {
    wchar_t text[512] = L"";
    ::GetWindowTextW(child, text, 512);
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(text);
    return TRUE;
}

// The texts of a window's child controls, in the window manager's order.
inline std::vector<std::wstring> ChildTexts(HWND parent) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(parent, &CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// The length an edit box holds after a character is typed past `limit` characters.
inline int LengthTypedPast(HWND box, int limit) {
    ::SetWindowTextW(box, std::wstring(limit, L'a').c_str());
    ::SendMessageW(box, EM_SETSEL, limit, limit);
    ::SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"b"));
    return ::GetWindowTextLengthW(box);
}

}  // namespace aerowisp::test
