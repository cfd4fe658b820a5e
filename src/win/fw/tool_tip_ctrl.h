// A tooltip control owned by the object that created it: its window is destroyed with the object.
#pragma once

#include <windows.h>

#include <string>

#include "fw/window.h"

namespace fw {

class ToolTipCtrl : public Window {
  public:
    ToolTipCtrl() = default;
    ~ToolTipCtrl() override;

    // Creates the tooltip window for the tools of `parent`; false when it exists already or creation fails.
    bool Create(HWND parent, DWORD style);
    // A balloon tooltip (TTS_BALLOON) whose texts wrap at `maxTipWidth` pixels.
    bool CreateBalloon(HWND parent, int maxTipWidth);
    void Destroy();

    void Activate(bool active) const;
    void SetMaxTipWidth(int width) const;
    int GetToolCount() const;
    // Adds tool `id` of window `tool` covering `rect` (client coordinates of `tool`).
    bool AddTool(HWND tool, UINT_PTR id, const RECT& rect, const std::wstring& text, UINT flags = 0) const;
    void UpdateTipText(HWND tool, UINT_PTR id, const std::wstring& text) const;
    // Gives tool `id` of window `tool` the text, first adding it over the tool's client area when the
    // tooltip has no tool yet.
    void SetToolText(HWND tool, UINT_PTR id, const std::wstring& text, UINT flags = 0) const;
    // Passes a mouse message of a tool window to the tooltip, which decides when to show itself.
    void RelayEvent(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) const;
};

}  // namespace fw
