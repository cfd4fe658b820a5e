// The notification-area icon's shell calls and its pop-up menu.
#include "widgets/tray_icon.h"

#include <algorithm>

#include "core/lang/language_strings.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

NOTIFYICONDATAW IconRecord(HWND owner, uint32_t uid) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = owner;
    record.uID = uid;
    return record;
}

// The record's texts are always terminated: a longer text is cut.
template <size_t N>
void CopyText(wchar_t (&field)[N], std::u16string_view text) {
    const std::wstring wide = fw::ToWide(text);
    const size_t length = std::min(wide.size(), N - 1);
    std::copy_n(wide.begin(), length, field);
    field[length] = L'\0';
}

}  // namespace

bool AddTrayIcon(HWND owner, const TrayIconData& icon) {
    NOTIFYICONDATAW record = IconRecord(owner, icon.uid);
    record.uFlags = icon.flags;
    record.uCallbackMessage = icon.callbackMessage;
    // Icons loaded by LoadIconW are shared and never destroyed.
    record.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon.iconResource));
    CopyText(record.szTip, icon.tip);
    return ::Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

bool ModifyTrayTip(HWND owner, uint32_t uid, std::u16string_view tip) {
    NOTIFYICONDATAW record = IconRecord(owner, uid);
    record.uFlags = NIF_TIP;
    CopyText(record.szTip, tip);
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool ShowTrayBalloon(HWND owner, uint32_t uid, std::u16string_view title, std::u16string_view text,
                     DWORD infoFlags) {
    NOTIFYICONDATAW record = IconRecord(owner, uid);
    record.uFlags = NIF_INFO;
    record.dwInfoFlags = infoFlags;
    CopyText(record.szInfoTitle, title);
    CopyText(record.szInfo, text);
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool RemoveTrayIcon(HWND owner, uint32_t uid) {
    NOTIFYICONDATAW record = IconRecord(owner, uid);
    return ::Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

std::wstring TrayMenuText(std::u16string_view text) {
    return fw::ToWide(WithoutLineEnd(text));
}

fw::Menu BuildTrayMenu(const std::vector<TrayMenuItem>& items) {
    fw::Menu menu(::CreatePopupMenu());
    if (!menu)
        return menu;
    for (const TrayMenuItem& item : items)
        ::AppendMenuW(menu.Get(), MF_STRING, item.commandId, TrayMenuText(item.text).c_str());
    return menu;
}

}  // namespace aerowisp
