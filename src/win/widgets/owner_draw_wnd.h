// An owner-drawn static showing one icon with a balloon tooltip: the main window's mode picture.
#pragma once

#include <windows.h>

#include <string>

#include "fw/control.h"
#include "fw/gdi.h"
#include "fw/tool_tip_ctrl.h"

namespace aerowisp {

// Binds an owner-drawn static of a dialog (SubclassDlgItem). The control is as large as the largest icon
// it has shown and centres smaller ones in that space.
class COwnerDrawWnd : public fw::Control {
  public:
    COwnerDrawWnd() = default;
    ~COwnerDrawWnd() override;

    // Shows icon resource `icon` (an icon that cannot be loaded keeps the one shown) with the text of string
    // resource `tip` as its tooltip (a missing string keeps the text). Always true.
    bool SetIcon(UINT icon, UINT tip);
    // Takes the control's client rectangle as the space its icons are centred in, so it keeps at least
    // that size.
    void UseClientRectAsFrame();

    // The owner-draw handler: the icon at its offset, nothing when there is none.
    void DrawItem(const DRAWITEMSTRUCT& item) const;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // True when an icon was replaced.
    bool ReplaceIcon(UINT icon);
    // Keeps the text of string resource `tip` (a missing string keeps the text) for the tooltip.
    void UpdateToolTip(UINT tip);
    void CreateToolTip(UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the tooltip's one tool the text, adding the tool the first time, and activates it.
    void ShowTextInToolTip();

    fw::Icon m_hIcon;
    unsigned m_cxIcon = 0;
    unsigned m_cyIcon = 0;
    fw::ToolTipCtrl m_ToolTip;
    std::wstring m_strTip;
    unsigned m_nOffsetX = 0;
    unsigned m_nOffsetY = 0;
    unsigned m_nWidth = 0;
    unsigned m_nHeight = 0;
};

}  // namespace aerowisp
