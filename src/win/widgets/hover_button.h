// The main window's picture button: four bitmap faces, an icon on top, a hover light and a balloon tooltip.
#pragma once

#include <windows.h>

#include <string>

#include "fw/control.h"
#include "fw/gdi.h"
#include "fw/module_resources.h"
#include "fw/tool_tip_ctrl.h"

namespace aerowisp {

// Binds an owner-drawn push button of a dialog (SubclassDlgItem) and draws everything itself.
class CHoverButton : public fw::Control {
  public:
    CHoverButton() = default;
    ~CHoverButton() override;

    // Bitmap resources for the four faces (0: none). False, with all four faces empty, when the normal
    // bitmap cannot be loaded; a missing pressed, hover or disabled face only leaves that face empty. The
    // pressed, hover and disabled faces are loaded the first time they are drawn.
    bool LoadBitmaps(UINT normal, UINT pressed, UINT hover, UINT disabled);
    // Size to bitmap: the button takes the size of its normal bitmap and keeps its position.
    void SizeToContent() const;
    // Icon resources (disabled icon 0: none, or loaded when first drawn). False, keeping the icons held so
    // far, when `icon` cannot be loaded. The icon is drawn at twice its hot spot.
    bool SetIcon(UINT icon, UINT disabledIcon);
    void SetTooltipText(const std::wstring& text);
    // The text of string resource `id`; an empty or missing string leaves the tooltip as it is.
    void SetTooltipText(UINT id);
    // Enables or disables the button and activates or deactivates its tooltip with it.
    void EnableButton(bool enable);

    // The owner-draw handler: the face for the button's state at (0, 0), the icon centred on it.
    void DrawItem(const DRAWITEMSTRUCT& item);

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // A face or icon that is loaded when first asked for: at start-up most buttons show only one of their
    // faces, and each face is a bitmap of its own. Empty when there is none or it cannot be loaded; one that
    // cannot be loaded is not looked for again at every paint.
    template <typename Owned, Owned (*Load)(UINT)>
    class LazyResource {
      public:
        void Use(UINT id) {
            id_ = id;
            resource_.Reset();
        }
        auto Get() {
            if (!resource_ && id_ != 0) {
                resource_ = Load(id_);
                if (!resource_)
                    id_ = 0;
            }
            return resource_.Get();
        }

      private:
        UINT id_ = 0;
        Owned resource_;
    };
    using LazyFace = LazyResource<fw::Bitmap, &fw::LoadBitmapResource>;
    using LazyIcon = LazyResource<fw::Icon, &fw::LoadIconResource>;

    void OnMouseMove();
    void OnMouseHover();
    void OnMouseLeave();
    // Mouse messages reach the tooltip before the button handles them.
    void PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateToolTipIfNeeded();
    // Remembers whether the tooltip is active, for a tooltip made later.
    void ActivateToolTip(bool active);

    std::wstring m_strTip;
    fw::ToolTipCtrl m_ToolTip;
    bool m_bTipActive = false;
    bool m_bHover = false;
    bool m_bTracking = false;
    fw::Bitmap m_bmpNormal;
    LazyFace m_bmpPressed;
    LazyFace m_bmpHover;
    LazyFace m_bmpDisabled;
    fw::Icon m_hIcon;
    LazyIcon m_hIconDisabled;
    int m_cxIcon = 0;
    int m_cyIcon = 0;
};

}  // namespace aerowisp
