// The notification-area icon's shell calls and its pop-up menu, built from what the core decides.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/tray_view.h"
#include "fw/gdi.h"

namespace aerowisp {

// The shell reads the record by its size: the full Windows 7 layout on either architecture.
#ifdef _WIN64
static_assert(sizeof(NOTIFYICONDATAW) == 976);
#else
static_assert(sizeof(NOTIFYICONDATAW) == 956);
#endif

// Shell_NotifyIconW(NIM_ADD) for `owner`, the icon loaded from the program's module.
bool AddTrayIcon(HWND owner, const TrayIconData& icon);
// Shell_NotifyIconW(NIM_MODIFY) of the tip only.
bool ModifyTrayTip(HWND owner, uint32_t uid, std::u16string_view tip);
// Shell_NotifyIconW(NIM_MODIFY) with NIF_INFO: a balloon with the icon `infoFlags` gives (NIIF_WARNING,
// NIIF_INFO); longer texts are cut.
bool ShowTrayBalloon(HWND owner, uint32_t uid, std::u16string_view title, std::u16string_view text,
                     DWORD infoFlags = NIIF_WARNING);
// Shell_NotifyIconW(NIM_DELETE).
bool RemoveTrayIcon(HWND owner, uint32_t uid);

// An item's text as the menu shows it: the language file's line break at its end left out.
std::wstring TrayMenuText(std::u16string_view text);
// A pop-up menu of `items` in order, each a plain string item with its command id.
fw::Menu BuildTrayMenu(const std::vector<TrayMenuItem>& items);

}  // namespace aerowisp
