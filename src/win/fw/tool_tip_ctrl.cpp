// Tooltip messages with the tool records they need.
#include "fw/tool_tip_ctrl.h"

#include <commctrl.h>

namespace fw {
namespace {

// The record without the reserved field of comctl32 6, which version 5 rejects; nothing here needs it.
TOOLINFOW MakeToolInfo(HWND tool, UINT_PTR id, const std::wstring& text) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = tool;
    info.uId = id;
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return info;
}

}  // namespace

ToolTipCtrl::~ToolTipCtrl() {
    Destroy();
}

bool ToolTipCtrl::Create(HWND parent, DWORD style) {
    if (IsCreated())
        return false;
    HWND hwnd = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, ::GetModuleHandleW(nullptr),
                                  nullptr);
    if (hwnd == nullptr)
        return false;
    Attach(hwnd);
    return true;
}

bool ToolTipCtrl::CreateBalloon(HWND parent, int maxTipWidth) {
    if (!Create(parent, TTS_BALLOON))
        return false;
    SetMaxTipWidth(maxTipWidth);
    return true;
}

void ToolTipCtrl::Destroy() {
    if (IsCreated())
        ::DestroyWindow(Handle());
    Detach();
}

void ToolTipCtrl::Activate(bool active) const {
    Send(TTM_ACTIVATE, active ? TRUE : FALSE);
}

void ToolTipCtrl::SetMaxTipWidth(int width) const {
    Send(TTM_SETMAXTIPWIDTH, 0, width);
}

int ToolTipCtrl::GetToolCount() const {
    return static_cast<int>(Send(TTM_GETTOOLCOUNT));
}

bool ToolTipCtrl::AddTool(HWND tool, UINT_PTR id, const RECT& rect, const std::wstring& text,
                          UINT flags) const {
    TOOLINFOW info = MakeToolInfo(tool, id, text);
    info.uFlags = flags;
    info.rect = rect;
    return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void ToolTipCtrl::UpdateTipText(HWND tool, UINT_PTR id, const std::wstring& text) const {
    TOOLINFOW info = MakeToolInfo(tool, id, text);
    Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipCtrl::SetToolText(HWND tool, UINT_PTR id, const std::wstring& text, UINT flags) const {
    if (GetToolCount() == 0) {
        RECT client{};
        ::GetClientRect(tool, &client);
        AddTool(tool, id, client, text, flags);
    }
    UpdateTipText(tool, id, text);
}

void ToolTipCtrl::RelayEvent(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) const {
    const DWORD position = ::GetMessagePos();
    MSG msg{tool,
            message,
            wParam,
            lParam,
            static_cast<DWORD>(::GetMessageTime()),
            {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
    Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace fw
