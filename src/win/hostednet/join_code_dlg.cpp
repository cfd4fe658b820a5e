// The join window.
#include "hostednet/join_code_dlg.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "app/user_message.h"
#include "core/resource.h"
#include "fw/gdi.h"
#include "base/handle.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// Medium correction still reads when a quarter of the screen glares; the code grows only when the
// text needs it.
constexpr qr::ErrorCorrection kJoinCodeLevel = qr::ErrorCorrection::kMedium;

}  // namespace

CJoinCodeDlg::CJoinCodeDlg(const LanguageTexts& texts, JoinCode code)
    : fw::Dialog(IDD_JOIN_CODE),
      texts_(texts),
      code_(std::move(code)),
      symbol_(qr::EncodeUtf8(code_.payload, kJoinCodeLevel)) {}

BOOL CJoinCodeDlg::OnInitDialog() {
    SetText(LanguageTextOr(texts_, kJoinCodeCaption));
    const struct {
        int id;
        const LanguageString& text;
    } labels[] = {{IDC_JOIN_CODE_HINT, symbol_ ? kJoinCodeHint : kJoinCodeTooLong},
                  {IDC_JOIN_CODE_SSID_LABEL, kJoinCodeSsidLabel},
                  {IDC_JOIN_CODE_KEY_LABEL, kJoinCodeKeyLabel},
                  {IDC_JOIN_CODE_COPY, kJoinCodeCopy},
                  {IDCANCEL, kJoinCodeClose}};
    for (const auto& label : labels)
        SetItemText(label.id, LanguageTextOr(texts_, label.text));
    SetItemText(IDC_JOIN_CODE_SSID, fw::ToWide(code_.ssid));
    SetItemText(IDC_JOIN_CODE_KEY, fw::ToWide(code_.key));
    // Focus on Close rather than on the name, which would show selected.
    Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDCANCEL)), TRUE);
    return FALSE;
}

bool CJoinCodeDlg::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_JOIN_CODE_COPY && notifyCode == BN_CLICKED) {
        CopyKey();
        return true;
    }
    return fw::Dialog::OnCommand(id, notifyCode, control);
}

bool CJoinCodeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM && wParam == IDC_JOIN_CODE_PICTURE) {
        DrawCode(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return fw::Dialog::OnMessage(message, wParam, lParam, result);
}

// White ground, then each run of dark modules in a row as one rectangle. Every module is the same whole
// number of pixels, so the edges stay sharp whatever the DPI makes of the control's size.
void CJoinCodeDlg::DrawCode(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    ::FillRect(item.hDC, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!symbol_)
        return;
    const int modules = symbol_->Size() + 2 * qr::kQuietZoneModules;
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    const int scale = std::max(1, side / modules);
    const int left =
        area.left + (area.right - area.left - modules * scale) / 2 + qr::kQuietZoneModules * scale;
    const int top = area.top + (area.bottom - area.top - modules * scale) / 2 + qr::kQuietZoneModules * scale;
    const HBRUSH dark = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    for (int y = 0; y < symbol_->Size(); ++y) {
        for (int x = 0; x < symbol_->Size();) {
            if (!symbol_->IsDark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (symbol_->IsDark(x, y))
                ++x;
            const RECT run{left + start * scale, top + y * scale, left + x * scale, top + (y + 1) * scale};
            ::FillRect(item.hDC, &run, dark);
        }
    }
}

// The key as Unicode text; the button says so once it is on the clipboard. A clipboard another program
// holds open leaves the button as it was.
void CJoinCodeDlg::CopyKey() {
    const std::wstring key = fw::ToWide(code_.key);
    const size_t bytes = (key.size() + 1) * sizeof(wchar_t);
    base::GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return;
    void* target = ::GlobalLock(memory.Get());
    if (target == nullptr)
        return;
    std::memcpy(target, key.c_str(), bytes);
    ::GlobalUnlock(memory.Get());
    if (!::OpenClipboard(Handle()))
        return;
    ::EmptyClipboard();
    const bool copied = ::SetClipboardData(CF_UNICODETEXT, memory.Get()) != nullptr;
    ::CloseClipboard();
    if (!copied)
        return;
    memory.Detach();  // the clipboard owns it now
    SetItemText(IDC_JOIN_CODE_COPY, LanguageTextOr(texts_, kJoinCodeCopied));
}

}  // namespace aerowisp
