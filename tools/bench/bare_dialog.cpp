// bare_dialog: the smallest Win32 program with a dialog as its main window, the yardstick that
// scripts/bench holds Aerowisp.exe against (start-up time, peak working set, size).
#include <windows.h>

#include "bare_dialog.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                ::EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(kIddBareDialog), nullptr, DialogProc, 0));
}
