// A control of a dialog bound to an object by subclassing its window, so its messages reach virtual handlers.
#pragma once

#include "fw/window.h"

namespace fw {

// Owner-draw notifications come back to the control as these messages: a dialog reflects WM_DRAWITEM to the
// control that sent it, so an owner-drawn control draws itself.
constexpr UINT kReflectBase = WM_USER + 0x1C00;
constexpr UINT kReflectedDrawItem = kReflectBase + WM_DRAWITEM;

// Sends a WM_DRAWITEM of a dialog to the control it is about; true when the control drew itself.
bool ReflectDrawItem(LPARAM drawItem);

class Control : public Window {
  public:
    Control() = default;
    // Unsubclasses a window that is still alive; derived classes whose handlers use their own members call
    // UnsubclassWindow() first in their destructors, so no message reaches a half-destroyed object.
    ~Control() override;

    // Binds control `id` of `parent`; false when there is no such control or this object is bound already.
    bool SubclassDlgItem(int id, HWND parent);
    bool SubclassWindow(HWND hwnd);
    void UnsubclassWindow();

  protected:
    // Every message of the control; return true and set `result` when handled, false to let the control's
    // own window procedure run. WM_DRAWITEM reflected by the dialog arrives as kReflectedDrawItem.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
};

}  // namespace fw
