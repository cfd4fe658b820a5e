// Sizing, drawing and tooltip of the icon static.
#include "widgets/owner_draw_wnd.h"

#include <commctrl.h>

#include "core/resource.h"
#include "fw/module_resources.h"

namespace aerowisp {
namespace {

constexpr UINT kResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;

// Grows `extent` to `size` when it is smaller; returns where `size` starts when centred in `extent`.
unsigned FitExtent(unsigned& extent, unsigned size) {
    if (extent > size)
        return (extent - size) / 2;
    extent = size;
    return 0;
}

}  // namespace

COwnerDrawWnd::~COwnerDrawWnd() {
    UnsubclassWindow();
}

bool COwnerDrawWnd::SetIcon(UINT icon, UINT tip) {
    const bool replaced = ReplaceIcon(icon);
    UpdateToolTip(tip);
    if (replaced) {
        Show(SW_HIDE);
        Show(SW_SHOW);
        if (m_ToolTip.IsCreated())
            m_ToolTip.Activate(true);
    }
    return true;
}

void COwnerDrawWnd::UseClientRectAsFrame() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    m_nWidth = static_cast<unsigned>(client.right - client.left);
    m_nHeight = static_cast<unsigned>(client.bottom - client.top);
}

bool COwnerDrawWnd::ReplaceIcon(UINT icon) {
    fw::Icon loaded = fw::LoadIconResource(icon);
    if (!loaded)
        return false;
    const bool replaced = static_cast<bool>(m_hIcon);
    const SIZE size = fw::IconDrawSize(loaded.Get());
    m_cxIcon = static_cast<unsigned>(size.cx);
    m_cyIcon = static_cast<unsigned>(size.cy);
    m_hIcon = std::move(loaded);
    m_nOffsetX = FitExtent(m_nWidth, m_cxIcon);
    m_nOffsetY = FitExtent(m_nHeight, m_cyIcon);
    ::SetWindowPos(Handle(), nullptr, 0, 0, static_cast<int>(m_nWidth), static_cast<int>(m_nHeight),
                   kResizeFlags);
    return replaced;
}

void COwnerDrawWnd::UpdateToolTip(UINT tip) {
    std::wstring text = fw::LoadResourceString(tip);
    if (!text.empty())
        m_strTip = std::move(text);
    if (m_ToolTip.IsCreated())
        ShowTextInToolTip();
}

// The tooltip is a window of its own, made when the mouse first comes to the picture rather than with
// the main window. It sees the later mouse messages itself; this first one is passed on to it.
void COwnerDrawWnd::CreateToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_ToolTip.CreateBalloon(Handle(), kBalloonTipMaxWidth))
        return;
    ShowTextInToolTip();
    m_ToolTip.RelayEvent(Handle(), message, wParam, lParam);
}

void COwnerDrawWnd::ShowTextInToolTip() {
    // Nothing relays the static's mouse messages, so the tooltip subclasses the control to see them.
    m_ToolTip.SetToolText(Handle(), kBalloonToolId, m_strTip, TTF_SUBCLASS);
    m_ToolTip.Activate(true);
}

void COwnerDrawWnd::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (!m_hIcon)
        return;
    ::DrawStateW(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon.Get()), 0,
                 static_cast<int>(m_nOffsetX), static_cast<int>(m_nOffsetY), static_cast<int>(m_cxIcon),
                 static_cast<int>(m_cyIcon), DST_ICON);
}

bool COwnerDrawWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!m_ToolTip.IsCreated())
                CreateToolTip(message, wParam, lParam);
            return false;
        case WM_NCHITTEST:
            // A static is transparent to the mouse; the tooltip needs the mouse to reach it.
            result = HTCLIENT;
            return true;
        case fw::kReflectedDrawItem:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_DESTROY:
            // The tooltip belongs to the top-level window, which may outlive this control.
            m_ToolTip.Destroy();
            return false;
        default:
            return false;
    }
}

}  // namespace aerowisp
