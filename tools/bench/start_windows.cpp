// start_windows: what Aerowisp.exe must put on the screen at start, without any of its own work. It has
// Aerowisp's resources and manifest, loads the same system DLLs (COM with its security, the common
// controls, GDI+, the shell), adds the tray icon, sets the window icons, loads the buttons' icons and shows
// the main window's template with the start page's template inside it. It reads no settings, no language
// file and no pictures, and binds no controls. scripts/bench measures it beside Aerowisp.exe and the bare
// dialog: the gap between it and the bare dialog is what the windows themselves cost.
#include <windows.h>

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>

#include <array>
#include <string>

#include "core/app/tray_control.h"
#include "core/resource.h"
#include "fw/gdi.h"
#include "fw/module_resources.h"
#include "widgets/tray_icon.h"

namespace aerowisp {
namespace {

// The icons of the picture buttons and the mode picture in a first start.
constexpr std::array<UINT, 6> kStartIcons = {IDI_LINK_STATUS, IDI_ASSOC_LIST,  IDI_ICS,
                                             IDI_RADIO_ON,    IDI_MODE_SWITCH, IDI_STATION_MODE};

HINSTANCE Instance() {
    return ::GetModuleHandleW(nullptr);
}

// The tray icon as the program adds it at start.
void AddStartTrayIcon(HWND window) {
    AddTrayIcon(window, {.uid = ID_TRAY_ICON,
                         .flags = kTrayAddFlags,
                         .callbackMessage = WM_TRAY_NOTIFY,
                         .iconResource = IDI_TRAY,
                         .tip = kTrayFirstTip});
}

void SetWindowLook(HWND window) {
    ::SetWindowTextW(window, L"Start windows");
    HMENU menu = ::GetSystemMenu(window, FALSE);
    const std::wstring about = fw::LoadResourceString(IDS_ABOUTBOX);
    if (menu != nullptr && !about.empty()) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
    const HICON icon = ::LoadIconW(Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The start page in the place the main window's template keeps for it, with the focus in it.
void ShowStartPage(HWND window) {
    HWND page = ::CreateDialogParamW(Instance(), MAKEINTRESOURCEW(IDD_LINK_STATUS_PAGE), window, PageProc, 0);
    if (page == nullptr)
        return;
    RECT place{};
    ::GetWindowRect(::GetDlgItem(window, IDC_PAGE_PLACEHOLDER), &place);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    ::SetWindowPos(page, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(page, SW_SHOW);
    ::SetFocus(page);
}

class StartWindows {
  public:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<StartWindows*>(::GetWindowLongPtrW(window, DWLP_USER));
        return self != nullptr ? self->OnMessage(window, message, wParam, lParam) : FALSE;
    }

  private:
    INT_PTR OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_INITDIALOG:
                AddStartTrayIcon(window);
                SetWindowLook(window);
                for (size_t i = 0; i < kStartIcons.size(); ++i)
                    icons_[i] = fw::LoadIconResource(kStartIcons[i]);
                ShowStartPage(window);
                return FALSE;
            case WM_DRAWITEM:
                DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDCANCEL)
                    Close(window);
                return TRUE;
            case WM_CLOSE:
                Close(window);
                return TRUE;
            default:
                return FALSE;
        }
    }

    void DrawButton(const DRAWITEMSTRUCT& item) const {
        const size_t index = static_cast<size_t>(item.CtlID) % icons_.size();
        if (icons_[index])
            ::DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icons_[index].Get(), 0, 0, 0, nullptr,
                         DI_NORMAL);
    }

    static void Close(HWND window) {
        RemoveTrayIcon(window, ID_TRAY_ICON);
        ::EndDialog(window, IDCANCEL);
    }

    std::array<fw::Icon, kStartIcons.size()> icons_;
};

}  // namespace
}  // namespace aerowisp

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const bool inApartment = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE,
                           nullptr, EOAC_NONE, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    const bool gdiplus = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    aerowisp::StartWindows windows;
    const INT_PTR result =
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_AEROWISP_DIALOG), nullptr,
                          &aerowisp::StartWindows::DialogProc, reinterpret_cast<LPARAM>(&windows));
    if (gdiplus)
        Gdiplus::GdiplusShutdown(token);
    if (inApartment)
        ::CoUninitialize();
    return static_cast<int>(result);
}
