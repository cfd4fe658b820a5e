// Drawing, hover tracking and tooltip of the picture button.
#include "widgets/hover_button.h"

#include <commctrl.h>

#include "core/resource.h"
#include "fw/module_resources.h"

namespace aerowisp {
namespace {

constexpr DWORD kHoverTimeMs = 1;
// A pressed button's icon moves right and down by this much, so the press is seen.
constexpr int kPressedOffset = 2;
constexpr UINT kSizeToBitmapFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;

}  // namespace

CHoverButton::~CHoverButton() {
    UnsubclassWindow();
}

bool CHoverButton::LoadBitmaps(UINT normal, UINT pressed, UINT hover, UINT disabled) {
    m_bmpNormal.Reset();
    m_bmpPressed.Use(0);
    m_bmpHover.Use(0);
    m_bmpDisabled.Use(0);
    fw::Bitmap normalBitmap = fw::LoadBitmapResource(normal);
    if (!normalBitmap)
        return false;
    m_bmpNormal = std::move(normalBitmap);
    m_bmpPressed.Use(pressed);
    m_bmpHover.Use(hover);
    m_bmpDisabled.Use(disabled);
    if (!m_strTip.empty())
        ActivateToolTip(true);
    return true;
}

void CHoverButton::SizeToContent() const {
    BITMAP info{};
    if (!m_bmpNormal || ::GetObjectW(m_bmpNormal.Get(), sizeof(info), &info) == 0)
        return;
    ::SetWindowPos(Handle(), nullptr, 0, 0, info.bmWidth, info.bmHeight, kSizeToBitmapFlags);
}

bool CHoverButton::SetIcon(UINT icon, UINT disabledIcon) {
    fw::Icon loaded = fw::LoadIconResource(icon);
    if (!loaded)
        return false;
    m_hIconDisabled.Use(disabledIcon);
    const SIZE size = fw::IconDrawSize(loaded.Get());
    m_cxIcon = size.cx;
    m_cyIcon = size.cy;
    m_hIcon = std::move(loaded);
    return true;
}

void CHoverButton::SetTooltipText(const std::wstring& text) {
    m_strTip = text;
    if (m_ToolTip.IsCreated())
        m_ToolTip.SetToolText(Handle(), kBalloonToolId, m_strTip);
    ActivateToolTip(true);
}

void CHoverButton::SetTooltipText(UINT id) {
    const std::wstring text = fw::LoadResourceString(id);
    if (!text.empty())
        SetTooltipText(text);
}

void CHoverButton::EnableButton(bool enable) {
    ActivateToolTip(enable);
    ::EnableWindow(Handle(), enable ? TRUE : FALSE);
}

void CHoverButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HICON icon = m_hIcon.Get();
    int offset = 0;
    HBITMAP face = m_bmpNormal.Get();
    if (HBITMAP pressed = (item.itemState & ODS_SELECTED) != 0 ? m_bmpPressed.Get() : nullptr) {
        face = pressed;
        offset = kPressedOffset;
    } else if (HBITMAP disabled = (item.itemState & ODS_DISABLED) != 0 ? m_bmpDisabled.Get() : nullptr) {
        face = disabled;
        if (HICON disabledIcon = m_hIconDisabled.Get())
            icon = disabledIcon;
    } else if (HBITMAP hover = m_bHover ? m_bmpHover.Get() : nullptr) {
        face = hover;
    }
    BITMAP info{};
    if (face == nullptr || ::GetObjectW(face, sizeof(info), &info) == 0)
        return;

    const fw::MemoryDC memory(item.hDC);
    const fw::SelectObjectGuard selected(memory.Get(), face);
    ::BitBlt(item.hDC, 0, 0, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    if (!m_hIcon)
        return;
    const int x = (info.bmWidth - m_cxIcon) / 2 + offset;
    const int y = (info.bmHeight - m_cyIcon) / 2 + offset;
    ::DrawStateW(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, m_cxIcon, m_cyIcon,
                 DST_ICON);
}

bool CHoverButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        PreTranslateMessage(message, wParam, lParam);
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove();
            return false;
        case WM_MOUSEHOVER:
            OnMouseHover();
            result = 0;
            return true;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            result = 0;
            return true;
        case fw::kReflectedDrawItem:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_DESTROY:
            // The tooltip belongs to the top-level window, which may outlive this button.
            m_ToolTip.Destroy();
            return false;
        default:
            return false;
    }
}

void CHoverButton::OnMouseMove() {
    if (m_bTracking)
        return;
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = Handle();
    request.dwHoverTime = kHoverTimeMs;
    m_bTracking = ::_TrackMouseEvent(&request) != FALSE;
}

void CHoverButton::OnMouseHover() {
    m_bHover = true;
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void CHoverButton::OnMouseLeave() {
    m_bTracking = false;
    m_bHover = false;
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void CHoverButton::PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CreateToolTipIfNeeded();
    m_ToolTip.RelayEvent(Handle(), message, wParam, lParam);
}

// The tooltip is made when the mouse first comes to the button: each tooltip is a window of its own, and
// making one for every button took a sixth of the main window's start.
void CHoverButton::CreateToolTipIfNeeded() {
    if (m_ToolTip.IsCreated() || !m_ToolTip.CreateBalloon(Handle(), kBalloonTipMaxWidth))
        return;
    if (!m_strTip.empty())
        m_ToolTip.SetToolText(Handle(), kBalloonToolId, m_strTip);
    m_ToolTip.Activate(m_bTipActive);
}

void CHoverButton::ActivateToolTip(bool active) {
    m_bTipActive = active;
    if (m_ToolTip.IsCreated())
        m_ToolTip.Activate(active);
}

}  // namespace aerowisp
